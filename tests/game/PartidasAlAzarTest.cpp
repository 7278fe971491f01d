// Thousands of games clicked at random: the game's rules hold after every event.
#include <cstdlib>
#include <map>

#include "Jugador.h"
#include "Mesa.h"
#include "Textos.h"

namespace quorbel::prueba {
namespace {

TEST(PartidasAlAzar, RulesHoldWhateverThePlayerClicks) {
  // QUORBEL_PARTIDAS asks for a longer run.
  const char* pedidas = std::getenv("QUORBEL_PARTIDAS");
  const int partidas = pedidas ? std::atoi(pedidas) : 2000;
  const auto ini = CarpetaRapida() / ("quorbel-azar-" + std::to_string(::getpid()) + ".ini");
  std::map<std::string, int> vistos;  // which messages the games reached
  for (int semilla = 1; semilla <= partidas; ++semilla) {
    FuenteAzar fuente(static_cast<std::uint64_t>(semilla));
    Jugador jugador(fuente, ini);
    const std::string fallo = jugador.Jugar(300);
    for (const auto& mensaje : jugador.plataforma.mensajes) {
      ++vistos[mensaje.texto];
    }
    if (jugador.juego.partida().ventanaFichas.titulo == textos::kFallaste) {
      ++vistos[textos::kFallaste];
    }
    if (!fallo.empty()) {
      std::filesystem::remove(ini);
      FAIL() << "seed " << semilla << ": " << fallo << "\nevents:\n" << jugador.Registro();
    }
  }
  std::filesystem::remove(ini);
  // The games got far enough to win, lose and meet every refusal.
  if (partidas >= 2000) {
    for (const char* texto :
         {textos::kFelicidades, textos::kViendoSolucion, textos::kFallaste, textos::kRepetidas,
          textos::kNoMasDesechos, textos::kFijada, textos::kFijarTodas, textos::kNadaQueRecuperar,
          textos::kSinTexto, textos::kPocosColores, textos::kNuevaPartida, textos::kReiniciar}) {
      EXPECT_GT(vistos[texto], 0) << texto;
    }
  }
}

}  // namespace
}  // namespace quorbel::prueba
