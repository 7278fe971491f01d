// The options dialog: opening it, its sliders and option buttons, "OK", and closing it.
#include "Juego.h"
#include "Textos.h"

namespace quorbel {

void Juego::AbrirOpciones() {
  // Only a game with a piece in its first row is worth a question.
  int puestas = 0;
  for (int k = 1; k <= NumCasillas && k <= UltimaCasilla(); ++k) {
    puestas += casillas[static_cast<std::size_t>(k)] != 0;
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
  intervaloReloj = 0;
  segundosReloj = 0;
}

void Juego::AceptarOpciones() {
  GuardarAjustes();
  NumCasillas = ajustes.Casillas();
  opcionesAbiertas = false;
  PrepararFichas();
  ConstruirTablero();
  dibujo_.Anotar({Suceso::Tipo::PartidaNueva});
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
