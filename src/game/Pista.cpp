// A hint, and the best times: the two things a player gets beyond the board itself.
#include <cmath>

#include "Juego.h"
#include "Posibles.h"
#include "Textos.h"

namespace quorbel {

namespace {

// The count never takes longer than this; past it, the hint tells a bound that is certain.
constexpr int kTopeCuenta = 3000;  // milliseconds

// A count as Spanish writes it: groups of three digits apart from five digits on, "5040" but
// "37.500".
std::string ConPuntos(std::uint64_t n) {
  std::string cifras = std::to_string(n);
  for (int i = static_cast<int>(cifras.size()) - 3; i > 0 && cifras.size() > 4; i -= 3) {
    cifras.insert(static_cast<std::size_t>(i), ".");
  }
  return cifras;
}

}  // namespace

TipoPartida Juego::Tipo() const {
  return {NumCasillas, NumFichas, ajustes.Intentos(), ajustes.Repetidos()};
}

// How many codes would still have given every sent row its score, and one of them. The
// player's discards and fixes are beliefs, not facts: they do not narrow it.
void Juego::PedirPista() {
  if (!FilaEnJuego()) {
    return;
  }
  // A count that keeps the player waiting shows the busy pointer until it ends.
  bool ocupado = false;
  const Posibles posibles = ContarPosibles(
      NumCasillas, NumFichas, ajustes.Repetidos(), filasPuntuadas,
      [this] { return plataforma_.Aleatorio(); }, kTopeCuenta,
      [&] {
        ocupado = true;
        plataforma_.Ocupado(true);
      });
  if (ocupado) {
    plataforma_.Ocupado(false);
  }
  Ayudada = true;
  // Never a wrong number: a count the search could not finish is told as a bound.
  std::string texto;
  if (!posibles.exacta && posibles.cuenta > 1'000'000) {
    texto = "Quedan más de 1.000.000 de códigos posibles.";
  } else if (posibles.cuenta == 1) {
    texto = posibles.exacta ? "Solo queda un código posible." : "Queda al menos un código posible.";
  } else {
    texto = std::string(posibles.exacta ? "Quedan " : "Quedan al menos ") +
            ConPuntos(posibles.cuenta) + " códigos posibles.";
  }
  std::vector<Elemento> ejemplo;
  for (int pieza : posibles.ejemplo) {
    ejemplo.push_back(FichaDibujada(pieza));
  }
  plataforma_.MensajeConFichas(texto + "\rPor ejemplo:", ejemplo);
}

// A won game that no help made easier enters the best times of its kind; when it does, they
// show at once, the new time among them, or saying it could not be kept.
void Juego::AnotarVictoria() {
  if (Ayudada || rutaTiempos_.empty()) {
    return;
  }
  const TiempoGanado tiempo{static_cast<int>(std::floor(plataforma_.Segundos() - HoraInicio)),
                            FilaActual - 1, plataforma_.Hoy()};
  puestoNuevo = mejoresTiempos.Anotar(rutaTiempos_, Tipo(), tiempo);
  if (puestoNuevo >= 0 || mejoresTiempos.Perdida()) {
    plataforma_.MostrarModal(Ventana::MejoresTiempos);
    puestoNuevo = -1;
  }
}

void Juego::VerMejoresTiempos() {
  puestoNuevo = -1;
  mejoresTiempos.Cargar(rutaTiempos_);  // other copies of the game may have won since
  plataforma_.MostrarModal(Ventana::MejoresTiempos);
}

}  // namespace quorbel
