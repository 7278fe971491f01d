#pragma once

#include <vector>

#include "Estado.h"
#include "Registro.h"

namespace quorbel {

// What a move did that the picture shows in its own way, beyond what the state holds: the
// drawing step stacks, marks and places things by them, in the order they happened.
struct Suceso {
  enum class Tipo {
    Arranque,      // the program's first deal
    PartidaNueva,  // a new deal and board
    CursorPuesto,  // the cursor was put on a cell
    Sobre,         // the pointer came over a palette piece (valor)
    Fijada,        // a piece (valor) was fixed: every cell holding it is ringed
    Liberada,      // "No Fijar" on a piece: the cells that held it come to the front
    Desechada,     // a piece (valor) left the palette: every cell holding it is crossed out
    Recuperada,    // a piece (valor) came back: its cells come in front of their crosses
    Puntuada,      // a row (valor) was scored
    VentanaLlena,  // the small window was filled
  };
  Tipo tipo;
  int valor = 0;
  std::vector<int> celdas = {};  // Liberada: the cells that held the piece
};

// The drawing step: composes the windows' records from the state. Captions, colours,
// visibility and places come from the state each time; the order things are stacked in and
// the marks left on the board come from what happened, as the moves tell it.
class Dibujo {
 public:
  void Anotar(Suceso suceso) { pendientes_.push_back(std::move(suceso)); }
  // Draws what happened since the last call, then everything the state shows; "Deshacer" is
  // enabled when the game has a move of the row to take back.
  void Dibujar(const Estado& e, bool puedeDeshacer);
  // A palette piece with its caption and colours.
  Elemento Ficha(const Estado& e, int ficha) const;

  RegistroPrincipal principal;
  RegistroFichas ventanaFichas;

 private:
  void Pintar(Elemento& donde, const Estado& e, int ficha) const;
  void Suceder(const Estado& e, const Suceso& s);
  void Repartir(const Estado& e);
  void Construir(const Estado& e);
  void Puntuar(const Estado& e, int fila);
  void Marcar(const Estado& e, Matriz& marcas, int ficha);
  void LlenarVentana(const Estado& e);
  void Componer(const Estado& e, bool puedeDeshacer);
  void ColocarPaleta(const Estado& e);

  std::vector<Suceso> pendientes_;
};

}  // namespace quorbel
