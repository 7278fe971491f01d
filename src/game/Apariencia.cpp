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
  Matriz& paleta = principal.paleta;
  for (int p = 1; p < paleta.Cuenta(); ++p) {
    paleta[p].fondo = colorear ? kTablaColores[p - 1].fondo : colores::kGrisClaro;
    paleta[p].tinta = colorear ? kTablaColores[p - 1].tinta : colores::kNegro;
  }
  // Cells follow the piece with the same caption; free cells have none and stay as they are.
  for (int k = 1; k < principal.casillas.Cuenta(); ++k) {
    Elemento& casilla = principal.casillas[k];
    for (int p = 1; p < paleta.Cuenta(); ++p) {
      if (casilla.rotulo == paleta[p].rotulo) {
        casilla.fondo = paleta[p].fondo;
        casilla.tinta = paleta[p].tinta;
      }
    }
  }
  ajustes.SeleccionarColores(colorear ? 0 : 1);
  ventanaFichas.visible = false;
}

void Juego::VerSimbolos() {
  MostrarResultados(true);
}

void Juego::VerTexto() {
  MostrarResultados(false);
}

// The scores of every sent row as marks (circles and rectangles) or as text.
void Juego::MostrarResultados(bool simbolos) {
  for (int i = 1; i < principal.puntuaciones.Cuenta(); ++i) {
    principal.puntuaciones[i].visible = !simbolos;
  }
  for (Matriz* marcas : {&principal.muertos, &principal.tocados}) {
    for (int i = 1; i < marcas->Cuenta(); ++i) {
      (*marcas)[i].visible = simbolos;
    }
  }
  principal.simbolosHabilitado = !simbolos;
  principal.textoHabilitado = simbolos;
  ModoSimbolos = simbolos;
}

}  // namespace quorbel
