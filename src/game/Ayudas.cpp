// The player's aids: fixing a piece in its position, "No Fijar", discarding a piece,
// recovering it through the small window, and looking at the solution.
#include <algorithm>

#include "Juego.h"
#include "Textos.h"

namespace quorbel {

// Runs after piece p was placed in cell `casilla` with the cursor in fixing mode. Returns
// false when the fix is refused; the piece then stays as an ordinary placed piece.
bool Juego::Fijar(int p, int casilla) {
  const int ultima = ajustes.Intentos() * NumCasillas;
  // Every fixed piece stands in the last row, so its filled cells count the fixed positions.
  int fijas = 0;
  for (int k = ultima - NumCasillas + 1; k <= ultima; ++k) {
    fijas += principal.casillas[k].fondo != colores::kCasillaVacia;
  }
  if (fijas == NumCasillas - 1) {
    plataforma_.Mensaje(textos::kFijarTodas, Icono::Exclamacion, Botones::Ok);
    principal.cursor.borde = colores::kNegro;
    principal.cursor.visible = false;
    // "OK" only sends a complete row.
    principal.okHabilitado = FilaCompleta();
    return false;
  }

  const Elemento& ficha = principal.paleta[p];
  const int columna = (casilla - 1) % NumCasillas + 1;
  for (int k = casilla + NumCasillas; k <= ultima; k += NumCasillas) {
    Elemento& enColumna = principal.casillas[k];
    enColumna.fondo = ficha.fondo;
    enColumna.rotulo = ficha.rotulo;
    enColumna.tinta = ficha.tinta;
  }
  // The column is fixed with this piece now; a piece fixed here before stays fixed only if
  // another column keeps it.
  FijaEnColumna[static_cast<std::size_t>(columna)] = p;
  for (int k = 1; k <= ultima; ++k) {
    Elemento& c = principal.casillas[k];
    if (MismaFicha(c, ficha)) {
      PonerMarca(principal.anillos, c);
    }
  }
  return true;
}

void Juego::PonerMarca(Matriz& marcas, const Elemento& casilla) {
  Elemento& marca = marcas[principal.Cargar(marcas)];
  marca.izquierda = casilla.izquierda + casilla.ancho / 2 - marcas[0].ancho / 2;
  marca.arriba = casilla.arriba + casilla.alto / 2 - marcas[0].alto / 2;
  marca.visible = true;
  principal.AlFrente(marca);
}

void Juego::NoFijar() {
  if (!principal.paleta.Existe(FichaActual)) {
    return;
  }
  const Elemento& ficha = principal.paleta[FichaActual];
  std::replace(FijaEnColumna.begin(), FijaEnColumna.end(), FichaActual, 0);
  for (int k = 1; k < principal.casillas.Cuenta(); ++k) {
    Elemento& casilla = principal.casillas[k];
    if (!MismaFicha(casilla, ficha)) {
      continue;
    }
    // The piece stays where the player has put it, but it is no longer fixed anywhere; its
    // copies in the rows still to come go away.
    if (k >= NumCasillas * FilaActual + 1) {
      casilla.fondo = colores::kCasillaVacia;
      casilla.rotulo.clear();
    }
    principal.AlFrente(casilla);  // drawn over its rings
  }
  principal.AlFrente(principal.cursor);
}

void Juego::Desechar() {
  Matriz& paleta = principal.paleta;
  if (!paleta.Existe(FichaActual)) {
    return;
  }
  int visibles = 0;
  for (int j = 1; j < paleta.Cuenta(); ++j) {
    visibles += paleta[j].visible;
  }
  if (visibles <= NumCasillas) {
    plataforma_.Mensaje(textos::kNoMasDesechos, Icono::Exclamacion, Botones::Ok);
    return;
  }
  Elemento& ficha = paleta[FichaActual];
  if (Fijada(FichaActual)) {
    plataforma_.Mensaje(textos::kFijada, Icono::Exclamacion, Botones::Ok);
    return;
  }

  // Every copy in the current row goes; the cursor goes to the lowest free position.
  if (FilaEnJuego()) {
    const int base = (FilaActual - 1) * NumCasillas;
    for (int p = 1; p <= NumCasillas; ++p) {
      Elemento& casilla = principal.casillas[base + p];
      if (MismaFicha(casilla, ficha)) {
        casilla.rotulo.clear();
        casilla.fondo = colores::kCasillaVacia;
        Tablero[static_cast<std::size_t>(p)] = 0;
        principal.okHabilitado = false;
      }
    }
    AvanzarCursor();
  }

  ficha.visible = false;
  principal.marcoPaleta.visible = false;
  // Later pieces close the gap, each taking the place of the previous visible one.
  double x = ficha.izquierda;
  double y = ficha.arriba;
  for (int j = FichaActual + 1; j < paleta.Cuenta(); ++j) {
    if (paleta[j].visible) {
      std::swap(x, paleta[j].izquierda);
      std::swap(y, paleta[j].arriba);
    }
  }
  for (int k = 1; k < principal.casillas.Cuenta(); ++k) {
    if (MismaFicha(principal.casillas[k], ficha)) {
      PonerMarca(principal.cruces, principal.casillas[k]);
    }
  }
}

void Juego::Recuperar() {
  if (!RelojEnMarcha) {
    return;
  }
  std::vector<int> desechadas;
  for (int j = 1; j < principal.paleta.Cuenta(); ++j) {
    if (!principal.paleta[j].visible) {
      desechadas.push_back(j);
    }
  }
  LlenarVentanaFichas(desechadas, textos::kRecuperar, colores::kBlanco);
  if (desechadas.empty()) {
    plataforma_.Mensaje(textos::kNadaQueRecuperar, Icono::Exclamacion, Botones::Ok);
    return;
  }
  ventanaFichas.visible = true;
  plataforma_.MostrarModal(Ventana::Fichas);
}

void Juego::ElegirRecuperada(int i) {
  if (ventanaFichas.titulo != textos::kRecuperar || i < 0 || i >= ventanaFichas.celdas.Cuenta() ||
      !ventanaFichas.visible) {
    return;  // the solution only shows
  }
  const Elemento& elegida = ventanaFichas.celdas[i];
  Matriz& paleta = principal.paleta;
  for (int k = 1; k < paleta.Cuenta(); ++k) {
    if (MismaFicha(paleta[k], elegida)) {
      paleta[k].visible = true;
    }
  }
  // The visible pieces packed again in palette order, thirteen to a row.
  double izquierda = paleta[0].izquierda;
  double arriba = paleta[0].arriba;
  int c = 1;
  for (int k = 1; k < paleta.Cuenta(); ++k) {
    if (!paleta[k].visible) {
      continue;
    }
    paleta[k].izquierda = izquierda;
    paleta[k].arriba = arriba;
    izquierda += paleta[1].ancho;
    if (++c == 14) {
      arriba += paleta[0].alto;
      izquierda = paleta[0].izquierda;
    }
  }
  principal.AlFrente(principal.marcoPaleta);
  // The piece's cells on the board come back in front of their crosses.
  for (int k = 1; k < principal.casillas.Cuenta(); ++k) {
    if (MismaFicha(principal.casillas[k], elegida)) {
      principal.AlFrente(principal.casillas[k]);
    }
  }
  ventanaFichas.visible = false;
}

void Juego::CerrarVentanaFichas() {
  ventanaFichas.visible = false;
}

void Juego::VerSolucion() {
  if (ventanaFichas.visible) {
    plataforma_.TraerAlFrente(Ventana::Fichas);
    return;
  }
  if (plataforma_.Mensaje(textos::kVerSolucion, Icono::Pregunta, Botones::OkCancelar) ==
      Respuesta::Cancelar) {
    return;
  }
  Ayudada = true;
  MostrarSolucion(textos::kSolucion, colores::kNegro);
}

void Juego::MostrarSolucion(const std::string& titulo, Color fondo) {
  LlenarVentanaFichas(std::vector<int>(Solucion.begin() + 1, Solucion.end()), titulo, fondo);
  ventanaFichas.visible = true;
}

// Lays pieces out in the small window, side by side from its first cell, hidden, and sizes
// the window for them: as wide as the pieces and one more, never narrower than 3435 twips.
void Juego::LlenarVentanaFichas(const std::vector<int>& fichas, const std::string& titulo,
                                Color fondo) {
  Matriz& celdas = ventanaFichas.celdas;
  const auto n = static_cast<int>(fichas.size());
  for (int i = 0; i < celdas.Cuenta(); ++i) {
    Elemento& celda = celdas[i];
    celda.visible = i < n;
    if (celda.visible) {
      const Elemento& ficha = principal.paleta[fichas[static_cast<std::size_t>(i)]];
      celda.rotulo = ficha.rotulo;
      celda.fondo = ficha.fondo;
      celda.tinta = ficha.tinta;
    }
  }
  ventanaFichas.visible = false;
  ventanaFichas.titulo = titulo;
  ventanaFichas.alto = 960;
  ventanaFichas.ancho = std::max((n + 1) * celdas[0].ancho, 3435.0);
  ventanaFichas.fondo = fondo;
}

}  // namespace quorbel
