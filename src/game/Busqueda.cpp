// Listing the codes that are still possible, one by one: the hint's fallback when counting them
// would take too long, as it always yields a certain bound and a code that fits. Pieces that no
// sent row holds cannot be told apart by any score, so they are searched as one: a "free" piece,
// counted by how many ways the free pieces can fill the positions given to it.
#include "Posibles.h"

#include <algorithm>
#include <array>
#include <chrono>

#include "Contador.h"

namespace quorbel {

namespace {

using posibles::kMaxCasillas;
constexpr int kLibre = 0;  // the symbol that stands for any piece no row holds

class Buscador {
 public:
  Buscador(int casillas, int fichas, bool repetidos, std::span<const FilaPuntuada> filas,
           const std::function<double()>& azar, std::uint64_t pasos, int milisegundos)
      : n_(casillas),
        repetidos_(repetidos),
        azar_(azar),
        pasosLibres_(pasos),
        limite_(std::chrono::steady_clock::now() + std::chrono::milliseconds(milisegundos)) {
    // Symbol s >= 1 is the piece held by some row; the others are free.
    std::array<bool, kMaxFichas + 1> enFilas{};
    for (const FilaPuntuada& f : filas) {
      for (int p : f.piezas) {
        enFilas[static_cast<std::size_t>(p)] = true;
      }
    }
    piezaDe_.push_back(kLibre);
    for (int p = 1; p <= fichas; ++p) {
      if (enFilas[static_cast<std::size_t>(p)]) {
        simboloDe_[static_cast<std::size_t>(p)] = static_cast<int>(piezaDe_.size());
        piezaDe_.push_back(p);
      } else {
        libres_.push_back(p);
      }
    }
    for (const FilaPuntuada& f : filas) {
      Fila fila;
      fila.muertos = f.puntuacion.muertos;
      fila.comunes = f.puntuacion.muertos + f.puntuacion.tocados;
      for (int i = 0; i < n_; ++i) {
        const int s = simboloDe_[static_cast<std::size_t>(f.piezas[static_cast<std::size_t>(i)])];
        fila.simbolo[static_cast<std::size_t>(i)] = s;
        ++fila.cuenta[static_cast<std::size_t>(s)];
      }
      filas_.push_back(fila);
    }
  }

  Posibles Buscar() {
    Bajar(0, 0);
    Posibles posibles;
    posibles.cuenta = total_;
    posibles.exacta = !cortada_;
    // The example's free positions take free pieces at random, different ones without repeats.
    std::vector<int> libres = libres_;
    for (int s : elegido_) {
      if (s != kLibre) {
        posibles.ejemplo.push_back(piezaDe_[static_cast<std::size_t>(s)]);
        continue;
      }
      const auto i =
          std::min(libres.size() - 1,
                   static_cast<std::size_t>(azar_() * static_cast<double>(libres.size())));
      posibles.ejemplo.push_back(libres[i]);
      if (!repetidos_) {
        libres.erase(libres.begin() + static_cast<std::ptrdiff_t>(i));
      }
    }
    return posibles;
  }

 private:
  struct Fila {
    std::array<int, kMaxCasillas> simbolo{};
    std::array<int, kMaxFichas + 1> cuenta{};  // how many times the row holds each symbol
    int muertos = 0;
    int comunes = 0;  // right pieces, in place or not
    int exactas = 0;  // so far, in the code being built
    int compartidas = 0;
  };

  void Bajar(int posicion, int usadasLibres) {
    if (cortada_) {
      return;
    }
    if (posicion == n_) {
      const std::uint64_t maneras = posibles::Relleno(libres_.size(), usadasLibres, repetidos_);
      total_ += maneras;
      // Each code counted is as likely as any other to be the example.
      if (maneras > 0 && azar_() * static_cast<double>(total_) < static_cast<double>(maneras)) {
        elegido_ = codigo_;
      }
      return;
    }
    const int quedan = n_ - posicion - 1;
    for (int s = 0; s < static_cast<int>(piezaDe_.size()); ++s) {
      if (--pasosLibres_ == 0 ||
          (pasosLibres_ % 65536 == 0 && std::chrono::steady_clock::now() > limite_)) {
        cortada_ = true;
        return;
      }
      const auto si = static_cast<std::size_t>(s);
      if (s == kLibre ? (libres_.empty() ||
                         (!repetidos_ && usadasLibres == static_cast<int>(libres_.size())))
                      : (!repetidos_ && usos_[si] > 0)) {
        continue;
      }
      // Place the symbol and keep every row within reach of its score.
      bool posible = true;
      for (Fila& f : filas_) {
        f.exactas += f.simbolo[static_cast<std::size_t>(posicion)] == s && s != kLibre;
        f.compartidas += s != kLibre && usos_[si] < f.cuenta[si];
        posible = posible && f.exactas <= f.muertos && f.exactas + quedan >= f.muertos &&
                  f.compartidas <= f.comunes && f.compartidas + quedan >= f.comunes;
      }
      ++usos_[si];
      if (posible) {
        codigo_.push_back(s);
        Bajar(posicion + 1, usadasLibres + (s == kLibre));
        codigo_.pop_back();
      }
      --usos_[si];
      for (Fila& f : filas_) {
        f.exactas -= f.simbolo[static_cast<std::size_t>(posicion)] == s && s != kLibre;
        f.compartidas -= s != kLibre && usos_[si] < f.cuenta[si];
      }
      if (cortada_) {
        return;
      }
    }
  }

  int n_;
  bool repetidos_;
  const std::function<double()>& azar_;
  std::uint64_t pasosLibres_;
  std::chrono::steady_clock::time_point limite_;
  std::vector<int> piezaDe_;  // symbol -> piece
  std::array<int, kMaxFichas + 1> simboloDe_{};
  std::vector<int> libres_;
  std::vector<Fila> filas_;
  std::array<int, kMaxFichas + 1> usos_{};
  std::vector<int> codigo_;
  std::vector<int> elegido_;
  std::uint64_t total_ = 0;
  bool cortada_ = false;
};

}  // namespace

Posibles BuscarPosibles(int casillas, int fichas, bool repetidos,
                        std::span<const FilaPuntuada> filas, const std::function<double()>& azar,
                        std::uint64_t pasos, int milisegundos) {
  return Buscador(casillas, fichas, repetidos, filas, azar, pasos, milisegundos).Buscar();
}

}  // namespace quorbel
