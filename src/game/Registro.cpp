#include "Registro.h"

#include <algorithm>

namespace quorbel {

const ColorFicha kTablaColores[13] = {
    {Color::Rgb(0, 192, 192), Color::Rgb(0, 64, 0)},
    {Color::Rgb(0, 255, 0), Color::Rgb(255, 0, 0)},
    {Color::Rgb(255, 0, 0), Color::Rgb(0, 255, 0)},
    {Color::Rgb(255, 255, 0), Color::Rgb(0, 0, 255)},
    {Color::Rgb(192, 192, 192), Color::Rgb(128, 0, 0)},
    {Color::Rgb(255, 128, 0), Color::Rgb(128, 0, 128)},
    {Color::Rgb(0, 255, 255), Color::Rgb(0, 0, 128)},
    {Color::Rgb(128, 128, 0), Color::Rgb(0, 0, 0)},
    {Color::Rgb(255, 0, 255), Color::Rgb(255, 192, 128)},
    {Color::Rgb(192, 0, 0), Color::Rgb(0, 192, 0)},
    {Color::Rgb(255, 255, 255), Color::Rgb(0, 0, 0)},
    {Color::Rgb(192, 192, 255), Color::Rgb(128, 0, 0)},
    {Color::Rgb(64, 64, 64), Color::Rgb(192, 192, 192)},
};

int Matriz::Cargar(int z) {
  Elemento copia = elementos_.front();
  copia.visible = false;
  copia.z = z;
  elementos_.push_back(std::move(copia));
  return Ultimo();
}

namespace {

Elemento Caja(Forma forma, double left, double top, double width, double height) {
  Elemento e;
  e.forma = forma;
  e.left = left;
  e.top = top;
  e.width = width;
  e.height = height;
  e.conBorde = forma == Forma::Etiqueta;
  return e;
}

Elemento Etiqueta(double left, double top, double width, double height, Color fondo, Color texto,
                  double puntos, bool negrita) {
  Elemento e = Caja(Forma::Etiqueta, left, top, width, height);
  e.fondo = fondo;
  e.texto = texto;
  e.puntos = puntos;
  e.negrita = negrita;
  return e;
}

Elemento Marco(double left, double top, double width, double height, int anchoBorde) {
  Elemento e = Caja(Forma::Marco, left, top, width, height);
  e.anchoBorde = anchoBorde;
  return e;
}

Elemento Marca(Forma forma, double left, double top, double width, double height) {
  Elemento e = Caja(forma, left, top, width, height);
  e.fondo = colores::kAmarillo;
  return e;
}

}  // namespace

Form1::Form1()
    : Label1(Etiqueta(0, -120, 6015, 3015, Color::Rgb(0, 128, 0), colores::kNegro, 8.25, false)),
      Label5(Etiqueta(0, 0, 6015, 975, Color::Rgb(0, 192, 0), colores::kNegro, 8.25, false)),
      Label6(Etiqueta(5160, 2640, 735, 255, colores::kNegro, colores::kVerdeClaro, 8.25, true)),
      Shape1(Marco(1320, 120, 375, 375, 5)),
      Shape2(Marco(1920, 1320, 375, 255, 3)),
      Label2(Etiqueta(120, 1080, 375, 300, colores::kCasillaVacia, colores::kNegro, 9.75, true)),
      Label3(Etiqueta(3495, 1080, 2280, 255, Color::Rgb(0, 192, 0), colores::kTextoVentana, 8.25,
                      false)),
      Label4(Etiqueta(120, 120, 375, 375, colores::kCaraSistema, colores::kNegro, 13.5, true)),
      Shape3(Marca(Forma::Circulo, 3360, 1320, 200, 200)),
      Shape4(Marca(Forma::Rectangulo, 3720, 1320, 200, 120)),
      Image1(Caja(Forma::Cruz, 360, 2040, 480, 480)),
      Image2(Caja(Forma::Anillo, 1800, 1680, 480, 480)) {
  Label1.visible = true;
  Label5.visible = true;
  Label6.caption = "0";
  Label6.visible = true;
  Shape1.visible = true;
  Label3[0].alineacion = Alineacion::Izquierda;
  // Design-time stacking: the panels lie behind everything else.
  AlFrente(Label1);
  AlFrente(Label5);
  AlFrente(Label6);
  AlFrente(Shape1);
  AlFrente(Shape2);
}

double Form1::AltoCliente() const {
  // Cells are laid out row by row, so the last one is at the board's bottom.
  const Elemento& ultima = Label2[Label2.Ultimo()];
  return std::max(ultima.top + ultima.height, Label6.top + Label6.height) + 120;
}

Form3::Form3()
    : Label1(
          [] {
            Elemento e;
            e.caption = "W";
            e.left = 195;
            e.top = 120;
            e.width = 375;
            e.height = 375;
            e.puntos = 12;
            e.negrita = true;
            e.fondo = Color(0x404040);
            e.texto = colores::kNegro;
            return e;
          }(),
          27) {
  for (int i = 0; i < 27; ++i) {
    Elemento& celda = Label1[i];
    celda.left = 195 + 375.0 * i;
    if (i < 13) {
      celda.fondo = kTablaColores[i].fondo;
      celda.texto = kTablaColores[i].texto;
    }
  }
}

}  // namespace quorbel
