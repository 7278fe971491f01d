// How the game looks: pieces coloured or plain, scores as marks or as text.
#include "Juego.h"
#include "Textos.h"

namespace quorbel {

void Juego::CambiarColor() {
  if (ajustes.Jugar() == JugarCon::Vacio) {
    plataforma_.Mensaje(textos::kSinTexto, Icono::Exclamacion, Botones::Ok);
    return;
  }
  const bool colorear = !ajustes.Colores();
  if (colorear && NumFichas > 13) {
    plataforma_.Mensaje(textos::kPocosColores, Icono::Exclamacion, Botones::Ok);
    return;
  }
  pintura = colorear ? Pintura::Colores : Pintura::Gris;
  ajustes.SeleccionarColores(colorear ? 0 : 1);
  ventanaFichasVisible = false;
}

// The scores of every sent row as marks (circles and rectangles) or as text.
void Juego::MostrarResultados(bool simbolos) {
  ModoSimbolos = simbolos;
}

}  // namespace quorbel
