#pragma once

#include <string>
#include <vector>

#include "Color.h"

namespace quorbel {

// What an element of a window looks like; positions and sizes are in twips (15 per pixel).
enum class Forma {
  Etiqueta,    // a label: caption on a background, thin border
  Marco,       // a rectangle frame with a transparent inside
  Circulo,     // a filled circle
  Rectangulo,  // a filled rectangle
  Cruz,        // 32 x 32 picture: thick black diagonal cross
  Anillo,      // 32 x 32 picture: thick black ring
};

enum class Alineacion { Izquierda, Centro };

struct Elemento {
  Forma forma = Forma::Etiqueta;
  std::string caption;
  Color fondo = colores::kCaraSistema;
  Color texto = colores::kNegro;
  Color borde = colores::kNegro;
  int anchoBorde = 1;
  bool conBorde = true;  // labels: thin single-line border
  double left = 0, top = 0, width = 0, height = 0;
  bool visible = false;
  int z = 0;  // higher is drawn later, on top
  std::string tag;
  double puntos = 8.25;  // font size in points
  bool negrita = false;
  Alineacion alineacion = Alineacion::Centro;
};

// A control array: element 0 is the design-time template; the others are copies of it,
// numbered from 1 in creation order.
class Matriz {
 public:
  explicit Matriz(Elemento plantilla, int cuantos = 1)
      : elementos_(static_cast<std::size_t>(cuantos), std::move(plantilla)) {}

  Elemento& operator[](int i) { return elementos_.at(static_cast<std::size_t>(i)); }
  const Elemento& operator[](int i) const { return elementos_.at(static_cast<std::size_t>(i)); }
  int Count() const { return static_cast<int>(elementos_.size()); }  // template included
  int Ultimo() const { return Count() - 1; }
  bool Existe(int i) const { return i >= 1 && i < Count(); }

  // Creates a hidden copy of the template at the front; returns its index.
  int Cargar(int z);
  // Removes every element but the template.
  void DescargarTodo() { elementos_.resize(1); }

 private:
  std::vector<Elemento> elementos_;
};

// The thirteen colour pieces: background and text colour of piece k at index k - 1.
struct ColorFicha {
  Color fondo;
  Color texto;
};
extern const ColorFicha kTablaColores[13];

// The main window: palette on top, board below, clock at the bottom right.
struct Form1 {
  Form1();

  std::string caption = "Quorbel 1.0";
  Color fondo = Color::Rgb(192, 192, 192);
  static constexpr double kAnchoCliente = 6000;
  static constexpr double kAnchoExterior = 6120;  // client area plus the window frame
  double alto = 2850;                             // outer height H, set by every set-up
  double top = 0;

  Elemento Label1;  // panel behind the board
  Elemento Label5;  // panel behind the palette
  Elemento Label6;  // game clock
  Elemento Shape1;  // hover frame of the palette
  Elemento Shape2;  // cursor frame
  Matriz Label2;    // board cells
  Matriz Label3;    // score texts
  Matriz Label4;    // palette pieces
  Matriz Shape3;    // circle marks (muerto)
  Matriz Shape4;    // rectangle marks (tocado)
  Matriz Image1;    // crosses of discarded pieces
  Matriz Image2;    // rings of fixed pieces

  bool Command1Enabled = false;
  int Timer1Interval = 0;
  bool MnuSimbolEnabled = false;
  bool MnuTextoEnabled = true;

  void AlFrente(Elemento& e) { e.z = ++zSiguiente_; }
  int Cargar(Matriz& m) { return m.Cargar(++zSiguiente_); }

  // Board bottom plus a margin: what the window's client area must show below the menus.
  double AltoCliente() const;

 private:
  int zSiguiente_ = 0;
};

// The small second window: the solution, or the discarded pieces to take back.
struct Form3 {
  Form3();

  std::string caption;
  double ancho = 4935 + 90;  // outer size, frame and caption bar included
  double alto = 3870 + 390;
  Color fondo = colores::kCaraSistema;
  bool visible = false;
  Matriz Label1;  // 27 cells, all existing from the start (index 0 included)
};

}  // namespace quorbel
