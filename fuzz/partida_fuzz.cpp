// Any bytes as a game: each byte chooses the player's next click, answer or setting, and the
// game's rules must hold after every event.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "Jugador.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
  using namespace quorbel::prueba;
  static const std::filesystem::path ini =
      CarpetaRapida() / ("quorbel-fuzz-" + std::to_string(::getpid()) + ".ini");
  Fuente fuente(datos, tamano);
  Jugador jugador(fuente, ini);
  const std::string fallo = jugador.Jugar(300);
  if (!fallo.empty()) {
    std::fprintf(stderr, "%s\nthe game, as Repetir replays it:\n%s", fallo.c_str(),
                 jugador.bitacora.c_str());
    std::abort();
  }
  return 0;
}
