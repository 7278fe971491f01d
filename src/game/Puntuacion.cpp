#include "Puntuacion.h"

#include <algorithm>
#include <array>

namespace quorbel {

namespace {
bool EsPieza(int p) {
  return p >= 1 && p <= kMaxFichas;
}
}  // namespace

Puntuacion ContarAciertos(std::span<const int> solucion, std::span<const int> fila) {
  Puntuacion p;
  std::array<int, kMaxFichas + 1> enSolucion{};
  std::array<int, kMaxFichas + 1> enFila{};
  const std::size_t n = std::min(solucion.size(), fila.size());
  for (std::size_t i = 0; i < n; ++i) {
    const int s = solucion[i];
    const int f = fila[i];
    if (EsPieza(s) && s == f) {
      ++p.muertos;
      continue;
    }
    if (EsPieza(s)) {
      ++enSolucion[static_cast<std::size_t>(s)];
    }
    if (EsPieza(f)) {
      ++enFila[static_cast<std::size_t>(f)];
    }
  }
  for (int pieza = 1; pieza <= kMaxFichas; ++pieza) {
    const auto i = static_cast<std::size_t>(pieza);
    p.tocados += std::min(enSolucion[i], enFila[i]);
  }
  return p;
}

}  // namespace quorbel
