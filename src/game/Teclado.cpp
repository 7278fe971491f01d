#include "Teclado.h"

#include <cctype>
#include <string_view>

namespace quorbel {

std::string RotuloDeFicha(JugarCon jugar, int ficha) {
  switch (jugar) {
    case JugarCon::Numeros:
      return std::to_string(ficha - 1);
    case JugarCon::Letras:
      return std::string(1, static_cast<char>('A' + ficha - 1));
    case JugarCon::Vacio:
      break;
  }
  return "";
}

std::string TeclaDeFicha(JugarCon jugar, int ficha) {
  static constexpr std::string_view kSinRotulo = "1234567890ABC";
  const int piezas = jugar == JugarCon::Letras    ? 26
                     : jugar == JugarCon::Numeros ? 10
                                                  : static_cast<int>(kSinRotulo.size());
  if (ficha < 1 || ficha > piezas) {
    return "";
  }
  return jugar == JugarCon::Vacio ? std::string(1, kSinRotulo[static_cast<std::size_t>(ficha - 1)])
                                  : RotuloDeFicha(jugar, ficha);
}

int FichaDeTecla(JugarCon jugar, int fichas, char tecla) {
  const std::string buscada(1, static_cast<char>(std::toupper(static_cast<unsigned char>(tecla))));
  for (int ficha = 1; ficha <= fichas; ++ficha) {
    if (TeclaDeFicha(jugar, ficha) == buscada) {
      return ficha;
    }
  }
  return 0;
}

std::optional<Movimiento> MovimientoDeTecla(const Estado& e, Tecla tecla, char caracter,
                                            bool mayusculas) {
  const int actual = e.CasillaActual();
  const int primera = e.Casilla(e.FilaActual, 1);
  switch (tecla) {
    case Tecla::Izquierda:
      return Movimiento{Accion::PulsarCasilla, actual - 1, kBotonIzquierdo};
    case Tecla::Derecha:
      return Movimiento{Accion::PulsarCasilla, actual + 1, kBotonIzquierdo};
    case Tecla::Inicio:
      return Movimiento{Accion::PulsarCasilla, primera, kBotonIzquierdo};
    case Tecla::Fin:
      return Movimiento{Accion::PulsarCasilla, primera + e.NumCasillas - 1, kBotonIzquierdo};
    case Tecla::Espacio:
      return Movimiento{Accion::PulsarCasilla, actual, kBotonDerecho};
    case Tecla::Intro:
      return e.okHabilitado ? std::optional(Movimiento{Accion::Enviar}) : std::nullopt;
    case Tecla::Caracter:
      break;
  }
  const int ficha = FichaDeTecla(e.jugar, e.NumFichas, caracter);
  if (ficha == 0 || e.Desechada(ficha)) {
    return std::nullopt;  // a discarded piece, or a key the game does not use
  }
  return Movimiento{Accion::PulsarFicha, ficha, mayusculas ? kBotonDerecho : kBotonIzquierdo};
}

}  // namespace quorbel
