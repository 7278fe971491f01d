// Thousands of games pressed at random: the game's rules hold after every event.
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
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

// A game's lines play it again to the same end, picture and messages alike; QUORBEL_REPETIR
// names a file of such lines, as a failing game printed them, to play it again here.
TEST(PartidasAlAzar, AGameReplaysFromItsLines) {
  const auto ini = CarpetaRapida() / ("quorbel-repetir-" + std::to_string(::getpid()) + ".ini");
  if (const char* archivo = std::getenv("QUORBEL_REPETIR")) {
    std::ifstream entrada(archivo);
    const std::string lineas((std::istreambuf_iterator<char>(entrada)), {});
    EXPECT_EQ(Repeticion(lineas, ini).fallo, "");
  }
  for (int semilla = 1; semilla <= 100; ++semilla) {
    Fuente fuente(static_cast<std::uint64_t>(semilla));
    Jugador jugador(fuente, ini);
    ASSERT_EQ(jugador.Jugar(300), "");
    const Repeticion otra(jugador.bitacora, ini);
    ASSERT_EQ(otra.fallo, "") << "seed " << semilla;
    ASSERT_TRUE(otra.juego->principal() == jugador.juego->principal() &&
                otra.juego->ventanaFichas() == jugador.juego->ventanaFichas() &&
                otra.plataforma.mensajes.size() == jugador.plataforma.mensajes.size() &&
                otra.plataforma.modales == jugador.plataforma.modales)
        << "seed " << semilla << " ends otherwise when played again";
  }
  std::filesystem::remove(ini);
}

}  // namespace
}  // namespace quorbel::prueba
