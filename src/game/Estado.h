#pragma once

#include <algorithm>
#include <vector>

#include "Ajustes.h"
#include "MejoresTiempos.h"
#include "Puntuacion.h"

namespace quorbel {

// What the next piece placed under the cursor does: lie where it is put, or be fixed down its
// column for every row still to come.
enum class ModoCursor { Colocar, Fijar };

// What the small window holds: nothing yet, the solution the player asked for, the solution
// of a lost game, or the discarded pieces to take back.
enum class VistaFichas { Ninguna, Solucion, Fallaste, Recuperar };

// How the pieces are painted: plain as dealt without colours, from the colour table, or light
// grey once "Cambiar color" switched the colours off.
enum class Pintura { Liso, Colores, Gris };

struct Cursor {
  int casilla = 0;  // the board cell that takes the next piece
  ModoCursor modo = ModoCursor::Colocar;
  bool enTablero = false;  // it stands over a cell of the row being played, ready for a piece
  bool apartado = false;   // taken away by a second press: it stands over no cell
  friend bool operator==(const Cursor&, const Cursor&) = default;
};

// The facts of the game, as plain values: what the rules read and change, and all that the
// windows are drawn from. Rows, positions, pieces and cells are numbered from 1; cell k of the
// board lies in row (k - 1) / NumCasillas + 1.
struct Estado {
  Ajustes ajustes;
  bool opcionesAbiertas = false;
  Ajustes ajustesAlAbrir;  // what closing the options dialog without "OK" goes back to

  // The game in progress, as dealt.
  int NumCasillas = 0;
  int NumFichas = 0;
  JugarCon jugar = JugarCon::Numeros;  // what the pieces show
  Pintura pintura = Pintura::Liso;
  std::vector<int> Solucion;  // index 1..NumCasillas

  // The board: the piece in every cell, 0 when free.
  std::vector<int> casillas;
  // The piece each column is fixed with, index 1..NumCasillas, 0 = none. A piece is fixed
  // exactly while some column is fixed with it.
  std::vector<int> FijaEnColumna;
  std::vector<bool> desechadas;  // index 1..NumFichas: the pieces taken off the palette
  int FilaActual = 0;
  Cursor cursor;
  bool okHabilitado = false;  // the row can be sent
  int FichaActual = 0;        // the piece whose context menu was opened last
  int FichaBajoRaton = 0;     // the piece the hover frame was last put on

  int Muertos = 0;  // score of the last sent row
  int Tocados = 0;
  std::vector<FilaPuntuada> filasPuntuadas;  // the rows sent in this game, with their scores
  bool ModoSimbolos = true;                  // scores shown as marks, not as text

  // The clock: it runs from the first piece of a game until the game ends.
  bool RelojEnMarcha = false;
  double HoraInicio = 0;
  long long segundosReloj = 0;  // what it reads
  int intervaloReloj = 0;       // milliseconds between ticks; 0 when it does not tick

  bool Ganada = false;   // a won game is over until the next set-up
  bool Ayudada = false;  // the solution was shown or a hint taken: no best time

  VistaFichas vistaFichas = VistaFichas::Ninguna;
  std::vector<int> fichasEnVentana;  // the pieces the small window holds, left to right
  bool ventanaFichasVisible = false;

  MejoresTiempos mejoresTiempos;
  int puestoNuevo = -1;  // the best time just entered, for its window to show it

  // The board cell of a row and position.
  int Casilla(int fila, int posicion) const { return (fila - 1) * NumCasillas + posicion; }
  int Fila(int casilla) const { return (casilla - 1) / NumCasillas + 1; }
  int Posicion(int casilla) const { return (casilla - 1) % NumCasillas + 1; }
  int UltimaCasilla() const { return static_cast<int>(casillas.size()) - 1; }
  int Filas() const { return NumCasillas ? UltimaCasilla() / NumCasillas : 0; }
  // The pieces of a row, by position.
  std::vector<int> PiezasDeFila(int fila) const {
    const auto primera = casillas.begin() + Casilla(fila, 1);
    return {primera, primera + NumCasillas};
  }
  // The row being filled, index 1..NumCasillas, 0 = empty.
  std::vector<int> Tablero() const {
    std::vector<int> fila = PiezasDeFila(std::clamp(FilaActual, 1, std::max(Filas(), 1)));
    fila.insert(fila.begin(), 0);
    return fila;
  }
  int CasillaActual() const { return cursor.casilla; }
  // True while the current row can still be played.
  bool FilaEnJuego() const {
    return !Ganada && FilaActual >= 1 && FilaActual <= ajustes.Intentos();
  }
  bool EsFicha(int p) const { return p >= 1 && p <= NumFichas; }
  // True while some column is fixed with piece p.
  bool Fijada(int p) const {
    return p != 0 &&
           std::find(FijaEnColumna.begin(), FijaEnColumna.end(), p) != FijaEnColumna.end();
  }
  bool Desechada(int p) const { return EsFicha(p) && desechadas[static_cast<std::size_t>(p)]; }
  // The pieces still on the palette.
  int Visibles() const {
    return NumFichas - static_cast<int>(std::count(desechadas.begin(), desechadas.end(), true));
  }
};

}  // namespace quorbel
