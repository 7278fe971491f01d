// Setting up a game: start-up, "Nuevo", the deal of the solution and the palette, and the
// board.
#include <algorithm>
#include <cmath>

#include "Juego.h"
#include "Textos.h"

namespace quorbel {

Juego::Juego(Plataforma& plataforma, std::filesystem::path rutaAjustes)
    : plataforma_(plataforma), rutaAjustes_(std::move(rutaAjustes)) {}

void Juego::Arrancar() {
  if (!archivo_ajustes::Cargar(rutaAjustes_, ajustes)) {
    GuardarAjustes();
  }
  if (const std::string datos = plataforma_.CarpetaDatos(); !datos.empty()) {
    rutaTiempos_ = std::filesystem::path(datos) / "mejores-tiempos.txt";
    mejoresTiempos.Cargar(rutaTiempos_);
  }
  plataforma_.Sembrar();
  NumCasillas = ajustes.Casillas();
  PrepararFichas();
  ConstruirTablero();
  dibujo_.Anotar({Suceso::Tipo::Arranque});
  ModoSimbolos = true;
  plataforma_.MostrarModal(Ventana::AcercaDe);
}

void Juego::Nuevo() {
  if (RelojEnMarcha && plataforma_.Mensaje(textos::kNuevaPartida, Icono::Pregunta,
                                           Botones::OkCancelar) == Respuesta::Cancelar) {
    return;
  }
  PrepararFichas();
  ConstruirTablero();
  dibujo_.Anotar({Suceso::Tipo::PartidaNueva});
  segundosReloj = 0;
}

void Juego::Salir() {
  ventanaFichasVisible = false;
}

// The solution, and the palette of the game's pieces.
void Juego::PrepararFichas() {
  NumFichas = ajustes.Fichas();
  jugar = ajustes.Jugar();
  pintura = ajustes.Colores() ? Pintura::Colores : Pintura::Liso;
  desechadas.assign(static_cast<std::size_t>(NumFichas) + 1, false);

  // Every position is uniform over the pieces; without repeats a piece already in the row is
  // drawn again.
  Solucion.assign(static_cast<std::size_t>(NumCasillas) + 1, 0);
  for (int p = 1; p <= NumCasillas; ++p) {
    int x;
    do {
      x = static_cast<int>(std::floor(plataforma_.Aleatorio() * NumFichas)) + 1;
      x = std::clamp(x, 1, NumFichas);
    } while (!ajustes.Repetidos() &&
             std::find(Solucion.begin() + 1, Solucion.begin() + p, x) != Solucion.begin() + p);
    Solucion[static_cast<std::size_t>(p)] = x;
  }
}

// An empty board of the attempts in force, the cursor on its first cell.
void Juego::ConstruirTablero() {
  intervaloReloj = 0;
  casillas.assign(static_cast<std::size_t>(ajustes.Intentos() * NumCasillas) + 1, 0);
  FijaEnColumna.assign(static_cast<std::size_t>(NumCasillas) + 1, 0);
  FilaActual = 1;
  cursor.casilla = 1;  // the new board stacks the cursor over its cells itself
  cursor.enTablero = true;
  cursor.apartado = false;
  // A won game leaves "OK" enabled; a new board's first row is empty and cannot be sent.
  okHabilitado = false;
  RelojEnMarcha = false;
  Ganada = false;
  Ayudada = false;
  filasPuntuadas.clear();
  ventanaFichasVisible = false;
  deshacer_.clear();
}

}  // namespace quorbel
