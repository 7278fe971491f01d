// Any bytes as a settings file: reading never crashes, always leaves valid settings, and
// what was read is written back and read again unchanged.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "ArchivoAjustes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
  using namespace quorbel;
  Ajustes a;
  archivo_ajustes::CargarDesde(std::string_view(reinterpret_cast<const char*>(datos), tamano), a);
  const bool valido = a.Casillas() >= 3 && a.Casillas() <= 10 && a.Intentos() >= 1 &&
                      a.Intentos() <= 20 && a.Fichas() >= a.Casillas() &&
                      a.Fichas() <= a.LimiteFichas() && a.LimiteFichas() == a.LimiteSegunTabla() &&
                      !(a.Jugar() == JugarCon::Vacio && !a.Colores());
  if (!valido) {
    std::fprintf(stderr, "settings out of bounds\n");
    std::abort();
  }
  Ajustes releidos;
  if (!archivo_ajustes::CargarDesde(archivo_ajustes::Formatear(a), releidos) || !(releidos == a)) {
    std::fprintf(stderr, "settings changed on a round trip\n");
    std::abort();
  }
  return 0;
}
