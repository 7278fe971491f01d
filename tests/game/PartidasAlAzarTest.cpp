// Thousands of games pressed at random: the game's rules hold after every event.
#include <unistd.h>

#include <cstdlib>
#include <map>

#include "Jugador.h"
#include "Mesa.h"

namespace quorbel::prueba {
namespace {

TEST(PartidasAlAzar, RulesHoldWhateverThePlayerPresses) {
  // QUORBEL_PARTIDAS asks for a longer run.
  const char* pedidas = std::getenv("QUORBEL_PARTIDAS");
  const int partidas = pedidas ? std::atoi(pedidas) : 2000;
  const auto ini = CarpetaRapida() / ("quorbel-azar-" + std::to_string(::getpid()) + ".ini");
  std::map<std::string, int> vistos;  // which messages the games reached
  for (int semilla = 1; semilla <= partidas; ++semilla) {
    Fuente fuente(static_cast<std::uint64_t>(semilla));
    Jugador jugador(fuente, ini);
    const std::string fallo = jugador.Jugar(300);
    for (const auto& mensaje : jugador.plataforma.mensajes) {
      ++vistos[mensaje.texto];
    }
    if (!fallo.empty()) {
      std::filesystem::remove(ini);
      FAIL() << "seed " << semilla << ": " << fallo << "\nthe game, as Repetir replays it:\n"
             << jugador.bitacora;
    }
  }
  std::filesystem::remove(ini);
  // The games got far enough to win, lose and meet every refusal.
  for (const char* texto :
       {textos::kFelicidades, textos::kViendoSolucion, textos::kRepetidas, textos::kNoMasDesechos,
        textos::kFijada, textos::kFijarTodas, textos::kNadaQueRecuperar, textos::kSinTexto,
        textos::kPocosColores, textos::kNuevaPartida, textos::kReiniciar}) {
    EXPECT_TRUE(partidas < 2000 || vistos[texto] > 0) << texto;
  }
}

}  // namespace
}  // namespace quorbel::prueba
