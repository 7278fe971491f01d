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

Elemento Caja(Forma forma, double izquierda, double arriba, double ancho, double alto) {
  Elemento e;
  e.forma = forma;
  e.izquierda = izquierda;
  e.arriba = arriba;
  e.ancho = ancho;
  e.alto = alto;
  e.conBorde = forma == Forma::Etiqueta;
  return e;
}

Elemento Etiqueta(double izquierda, double arriba, double ancho, double alto, Color fondo,
                  Color tinta, double puntos, bool negrita) {
  Elemento e = Caja(Forma::Etiqueta, izquierda, arriba, ancho, alto);
  e.fondo = fondo;
  e.tinta = tinta;
  e.puntos = puntos;
  e.negrita = negrita;
  return e;
}

Elemento Marco(double izquierda, double arriba, double ancho, double alto, int anchoBorde) {
  Elemento e = Caja(Forma::Marco, izquierda, arriba, ancho, alto);
  e.anchoBorde = anchoBorde;
  return e;
}

Elemento Marca(Forma forma, double izquierda, double arriba, double ancho, double alto) {
  Elemento e = Caja(forma, izquierda, arriba, ancho, alto);
  e.fondo = colores::kAmarillo;
  return e;
}

}  // namespace

RegistroPrincipal::RegistroPrincipal()
    : fondoTablero(
          Etiqueta(0, -120, 6015, 3015, Color::Rgb(0, 128, 0), colores::kNegro, 8.25, false)),
      fondoPaleta(Etiqueta(0, 0, 6015, 975, Color::Rgb(0, 192, 0), colores::kNegro, 8.25, false)),
      reloj(Etiqueta(5160, 2640, 735, 255, colores::kNegro, colores::kVerdeClaro, 8.25, true)),
      marcoPaleta(Marco(1320, 120, 375, 375, 5)),
      cursor(Marco(1920, 1320, 375, 255, 3)),
      casillas(Etiqueta(120, 1080, 375, 300, colores::kCasillaVacia, colores::kNegro, 9.75, true)),
      puntuaciones(Etiqueta(3495, 1080, 2280, 255, Color::Rgb(0, 192, 0), colores::kTextoVentana,
                            8.25, false)),
      paleta(Etiqueta(120, 120, 375, 375, colores::kCaraSistema, colores::kNegro, 13.5, true)),
      muertos(Marca(Forma::Circulo, 3360, 1320, 200, 200)),
      tocados(Marca(Forma::Rectangulo, 3720, 1320, 200, 120)),
      cruces(Caja(Forma::Cruz, 360, 2040, 480, 480)),
      anillos(Caja(Forma::Anillo, 1800, 1680, 480, 480)) {
  fondoTablero.visible = true;
  fondoPaleta.visible = true;
  reloj.rotulo = "0";
  reloj.visible = true;
  marcoPaleta.visible = true;
  puntuaciones[0].alineacion = Alineacion::Izquierda;
  // The panels lie behind everything else.
  AlFrente(fondoTablero);
  AlFrente(fondoPaleta);
  AlFrente(reloj);
  AlFrente(marcoPaleta);
  AlFrente(cursor);
}

double RegistroPrincipal::AltoCliente() const {
  // Cells are laid out row by row, so the last one is at the board's bottom.
  const Elemento& ultima = casillas[casillas.Ultimo()];
  return std::max(ultima.arriba + ultima.alto, reloj.arriba + reloj.alto) + 120;
}

RegistroFichas::RegistroFichas()
    : celdas(
          [] {
            Elemento e;
            e.rotulo = "W";
            e.izquierda = 195;
            e.arriba = 120;
            e.ancho = 375;
            e.alto = 375;
            e.puntos = 12;
            e.negrita = true;
            e.fondo = Color(0x404040);
            e.tinta = colores::kNegro;
            return e;
          }(),
          27) {
  for (int i = 0; i < 27; ++i) {
    Elemento& celda = celdas[i];
    celda.izquierda = 195 + 375.0 * i;
    if (i < 13) {
      celda.fondo = kTablaColores[i].fondo;
      celda.tinta = kTablaColores[i].tinta;
    }
  }
}

}  // namespace quorbel
