#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quorbel {

// Mouse buttons as the window events report them.
inline constexpr int kBotonIzquierdo = 1;
inline constexpr int kBotonDerecho = 2;
inline constexpr int kBotonCentral = 4;

// Everything the player does, and the clock's tick. The names are the game's handlers.
enum class Accion {
  Arrancar,
  Nuevo,
  Salir,
  PulsarCasilla,    // valor: board cell; boton
  PulsarFicha,      // valor: palette piece; boton
  PasarSobreFicha,  // valor: palette piece
  Enviar,           // the "OK" button
  Tic,
  VerSolucion,
  Desechar,
  NoFijar,
  Recuperar,
  ElegirRecuperada,     // valor: cell of the small window
  CerrarVentanaFichas,  // the player closed the small window
  Deshacer,
  CambiarColor,
  VerSimbolos,
  VerTexto,
  AbrirOpciones,
  ActivarOpciones,
  MoverCasillas,  // valor: the slider's value
  MoverIntentos,
  MoverFichas,
  ElegirRepetidos,  // valor: the option's index
  ElegirColores,
  ElegirJugarCon,
  AceptarOpciones,
  CerrarOpciones,
  ComoJugar,
  VerAcercaDe,
  PedirPista,
  VerMejoresTiempos,
};

// One thing the player did, as a value: what the mouse, the keyboard and the menus produce,
// and what a recorded game replays.
struct Movimiento {
  Accion accion = Accion::Tic;
  int valor = 0;
  int boton = 0;
  friend bool operator==(const Movimiento&, const Movimiento&) = default;
};

// A move as a line of text, "PulsarCasilla 7 2", and back; nullopt for a line that is no move.
std::string Texto(const Movimiento& m);
std::optional<Movimiento> LeerMovimiento(const std::string& linea);

// The keys the board reads besides the pieces' own.
enum class Tecla { Izquierda, Derecha, Inicio, Fin, Espacio, Intro, Caracter };

}  // namespace quorbel
