// The options dialog: opening it, its sliders and option buttons, "OK", and closing it.
#include "Juego.h"
#include "Textos.h"

namespace quorbel {

void Juego::AbrirOpciones() {
  // Only a game with a piece in its first row is worth a question.
  int puestas = 0;
  for (int k = 1; k <= NumCasillas && k < principal.casillas.Cuenta(); ++k) {
    puestas += principal.casillas[k].fondo != colores::kCasillaVacia;
  }
  if (puestas != 0 && plataforma_.Mensaje(textos::kReiniciar, Icono::Pregunta,
                                          Botones::OkCancelar) == Respuesta::Cancelar) {
    return;
  }
  ajustesAlAbrir = ajustes;
  opcionesAbiertas = true;
  plataforma_.MostrarModal(Ventana::Opciones);
}

// Each time the dialog becomes active the clock stops: the game under way is over.
void Juego::ActivarOpciones() {
  RelojEnMarcha = false;
  principal.intervaloReloj = 0;
  principal.reloj.rotulo = std::to_string(0);
}

void Juego::MoverCasillas(int valor) {
  ajustes.SetCasillas(valor);
}

void Juego::MoverIntentos(int valor) {
  ajustes.SetIntentos(valor);
}

void Juego::MoverFichas(int valor) {
  ajustes.SetFichas(valor);
}

void Juego::ElegirRepetidos(int indice) {
  ajustes.SeleccionarRepetidos(indice);
}

void Juego::ElegirColores(int indice) {
  ajustes.SeleccionarColores(indice);
}

void Juego::ElegirJugarCon(int indice) {
  ajustes.SeleccionarJugarCon(indice);
}

void Juego::AceptarOpciones() {
  GuardarAjustes();
  NumCasillas = ajustes.Casillas();
  opcionesAbiertas = false;
  PrepararFichas();
  ConstruirTablero();
}

// Closed without "OK": the settings go back to those in force when it was opened.
void Juego::CerrarOpciones() {
  ajustes = ajustesAlAbrir;
  opcionesAbiertas = false;
}

void Juego::GuardarAjustes() {
  archivo_ajustes::Guardar(rutaAjustes_, ajustes);
}

}  // namespace quorbel
