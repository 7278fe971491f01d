// The player's aids: fixing a piece in its position, "No Fijar", discarding a piece,
// recovering it through the small window, and looking at the solution.
#include <algorithm>

#include "Juego.h"
#include "Textos.h"

namespace quorbel {

// Runs after piece p was placed in cell `casilla` with the cursor in fixing mode. Returns
// false when the fix is refused; the piece then stays as an ordinary placed piece.
bool Juego::Fijar(int p, int casilla) {
  const int ultima = UltimaCasilla();
  // Every fixed piece stands in the last row, so its filled cells count the fixed positions.
  int fijas = 0;
  for (int k = ultima - NumCasillas + 1; k <= ultima; ++k) {
    fijas += casillas[static_cast<std::size_t>(k)] != 0;
  }
  if (fijas == NumCasillas - 1) {
    plataforma_.Mensaje(textos::kFijarTodas, Icono::Exclamacion, Botones::Ok);
    cursor.modo = ModoCursor::Colocar;
    cursor.enTablero = false;
    // "OK" only sends a complete row.
    okHabilitado = FilaCompleta();
    return false;
  }
  for (int k = casilla + NumCasillas; k <= ultima; k += NumCasillas) {
    PonerEn(k, p);
  }
  // The column is fixed with this piece now; a piece fixed here before stays fixed only if
  // another column keeps it.
  FijaEnColumna[static_cast<std::size_t>(Posicion(casilla))] = p;
  dibujo_.Anotar({Suceso::Tipo::Fijada, p});
  return true;
}

void Juego::NoFijar() {
  if (!EsFicha(FichaActual)) {
    return;
  }
  std::replace(FijaEnColumna.begin(), FijaEnColumna.end(), FichaActual, 0);
  // The piece stays where the player has put it, but it is no longer fixed anywhere; its
  // copies in the rows still to come go away.
  std::vector<int> tenian;
  for (int k = 1; k <= UltimaCasilla(); ++k) {
    if (casillas[static_cast<std::size_t>(k)] == FichaActual) {
      tenian.push_back(k);
      if (k > Casilla(FilaActual, NumCasillas)) {
        PonerEn(k, 0);
      }
    }
  }
  dibujo_.Anotar({Suceso::Tipo::Liberada, FichaActual, std::move(tenian)});
}

void Juego::Desechar() {
  if (!EsFicha(FichaActual)) {
    return;
  }
  if (Visibles() <= NumCasillas) {
    plataforma_.Mensaje(textos::kNoMasDesechos, Icono::Exclamacion, Botones::Ok);
    return;
  }
  if (Fijada(FichaActual)) {
    plataforma_.Mensaje(textos::kFijada, Icono::Exclamacion, Botones::Ok);
    return;
  }
  // Every copy in the current row goes; the cursor goes to the lowest free position.
  if (FilaEnJuego()) {
    for (int p = 1; p <= NumCasillas; ++p) {
      if (casillas[static_cast<std::size_t>(Casilla(FilaActual, p))] == FichaActual) {
        PonerEn(Casilla(FilaActual, p), 0);
        okHabilitado = false;
      }
    }
    AvanzarCursor();
  }
  desechadas[static_cast<std::size_t>(FichaActual)] = true;
  dibujo_.Anotar({Suceso::Tipo::Desechada, FichaActual});
}

void Juego::Recuperar() {
  if (!RelojEnMarcha) {
    return;
  }
  std::vector<int> fuera;
  for (int j = 1; j <= NumFichas; ++j) {
    if (Desechada(j)) {
      fuera.push_back(j);
    }
  }
  LlenarVentanaFichas(fuera, VistaFichas::Recuperar);
  if (fuera.empty()) {
    plataforma_.Mensaje(textos::kNadaQueRecuperar, Icono::Exclamacion, Botones::Ok);
    return;
  }
  ventanaFichasVisible = true;
  plataforma_.MostrarModal(Ventana::Fichas);
}

// A press on a cell of the small window: in the picker, the piece comes back to the palette.
// The solution only shows, and a cell that holds no piece takes no press.
void Juego::ElegirRecuperada(int i) {
  if (vistaFichas != VistaFichas::Recuperar || !ventanaFichasVisible || i < 0 ||
      i >= static_cast<int>(fichasEnVentana.size())) {
    return;
  }
  const int elegida = fichasEnVentana[static_cast<std::size_t>(i)];
  desechadas[static_cast<std::size_t>(elegida)] = false;
  dibujo_.Anotar({Suceso::Tipo::Recuperada, elegida});
  ventanaFichasVisible = false;
}

void Juego::CerrarVentanaFichas() {
  ventanaFichasVisible = false;
}

void Juego::VerSolucion() {
  if (ventanaFichasVisible) {
    plataforma_.TraerAlFrente(Ventana::Fichas);
    return;
  }
  if (plataforma_.Mensaje(textos::kVerSolucion, Icono::Pregunta, Botones::OkCancelar) ==
      Respuesta::Cancelar) {
    return;
  }
  Ayudada = true;
  MostrarSolucion(VistaFichas::Solucion);
}

void Juego::MostrarSolucion(VistaFichas vista) {
  LlenarVentanaFichas(std::vector<int>(Solucion.begin() + 1, Solucion.end()), vista);
  ventanaFichasVisible = true;
}

void Juego::LlenarVentanaFichas(std::vector<int> fichas, VistaFichas vista) {
  fichasEnVentana = std::move(fichas);
  vistaFichas = vista;
  ventanaFichasVisible = false;
  dibujo_.Anotar({Suceso::Tipo::VentanaLlena});
}

}  // namespace quorbel
