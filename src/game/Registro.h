#pragma once

#include <string>
#include <vector>

#include "Color.h"
#include "Version.h"

namespace quorbel {

// How an element of a window is drawn; positions and sizes are in twips (15 per pixel).
enum class Forma {
  Etiqueta,    // a label: caption on a background, thin border
  Marco,       // a rectangle frame with a transparent inside
  Circulo,     // a filled circle
  Rectangulo,  // a filled rectangle
  Cruz,        // 32 x 32 picture: thick black diagonal cross
  Anillo,      // 32 x 32 picture: thick black ring
};

enum class Alineacion { Izquierda, Centro };

// One thing drawn in a window: a cell, a piece, a frame, a mark, a text.
struct Elemento {
  Forma forma = Forma::Etiqueta;
  std::string rotulo;
  Color fondo = colores::kCaraSistema;
  Color tinta = colores::kNegro;  // colour of the caption
  Color borde = colores::kNegro;
  int anchoBorde = 1;
  bool conBorde = true;  // labels: thin single-line border
  double izquierda = 0, arriba = 0, ancho = 0, alto = 0;
  bool visible = false;
  int z = 0;             // higher is drawn later, on top
  double puntos = 8.25;  // font size in points
  bool negrita = false;
  Alineacion alineacion = Alineacion::Centro;
  friend bool operator==(const Elemento&, const Elemento&) = default;
};

// A row of like elements: element 0 is the pattern that the others are copied from; the
// copies are numbered from 1 in the order they were made.
class Matriz {
 public:
  explicit Matriz(Elemento plantilla, int cuantos = 1)
      : elementos_(static_cast<std::size_t>(cuantos), std::move(plantilla)) {}

  Elemento& operator[](int i) { return elementos_.at(static_cast<std::size_t>(i)); }
  const Elemento& operator[](int i) const { return elementos_.at(static_cast<std::size_t>(i)); }
  int Cuenta() const { return static_cast<int>(elementos_.size()); }  // pattern included
  int Ultimo() const { return Cuenta() - 1; }
  bool Existe(int i) const { return i >= 1 && i < Cuenta(); }

  // Makes a hidden copy of the pattern at stacking height z; returns its index.
  int Cargar(int z);
  // Removes every copy; the pattern stays.
  void DescargarTodo() { elementos_.resize(1); }
  friend bool operator==(const Matriz&, const Matriz&) = default;

 private:
  std::vector<Elemento> elementos_;
};

// The thirteen colour pieces: background and caption colour of piece k at index k - 1.
struct ColorFicha {
  Color fondo;
  Color tinta;
};
extern const ColorFicha kTablaColores[13];

// The main window as the game keeps it: palette on top, board below, clock at the bottom
// right. The Qt window paints exactly this.
struct RegistroPrincipal {
  RegistroPrincipal();

  std::string titulo = "Quorbel " QUORBEL_VERSION;
  Color fondo = Color::Rgb(192, 192, 192);
  static constexpr double kAnchoCliente = 6000;
  static constexpr double kAnchoExterior = 6120;  // client area plus the window frame
  double alto = 2850;                             // outer height, set by every set-up
  double arriba = 0;                              // outer top, set by every set-up
  int tablerosConstruidos = 0;                    // each new board places the window again

  Elemento fondoTablero;  // green panel behind the board
  Elemento fondoPaleta;   // light green panel behind the palette
  Elemento reloj;         // seconds since the first piece of the game
  Elemento marcoPaleta;   // frame over the palette piece last under the pointer
  Elemento cursor;        // frame over the cell that takes the next piece
  Matriz casillas;        // the board, row by row
  Matriz puntuaciones;    // score of each sent row, as text
  Matriz paleta;          // the pieces to choose from
  Matriz muertos;         // circle marks: right piece, right place
  Matriz tocados;         // rectangle marks: right piece, wrong place
  Matriz cruces;          // over cells holding a discarded piece
  Matriz anillos;         // over cells holding a fixed piece

  bool okHabilitado = false;
  bool deshacerHabilitado = false;
  int intervaloReloj = 0;  // milliseconds between clock ticks; 0 stops the clock
  bool simbolosHabilitado = false;
  bool textoHabilitado = true;

  void AlFrente(Elemento& e) { e.z = ++zSiguiente_; }
  int Cargar(Matriz& m) { return m.Cargar(++zSiguiente_); }

  // Board bottom plus a margin: what the window's client area must show below the menus.
  double AltoCliente() const;
  friend bool operator==(const RegistroPrincipal&, const RegistroPrincipal&) = default;

 private:
  int zSiguiente_ = 0;
};

// The small window: one row of cells showing the solution, or the discarded pieces to take
// back.
struct RegistroFichas {
  RegistroFichas();

  std::string titulo;
  double ancho = 4935 + 90;  // outer size, frame and caption bar included
  double alto = 3870 + 390;
  Color fondo = colores::kCaraSistema;
  bool visible = false;
  Matriz celdas;  // 27 cells, all existing from the start (index 0 included)
  friend bool operator==(const RegistroFichas&, const RegistroFichas&) = default;
};

}  // namespace quorbel
