// The drawing step: the windows' records composed from the state.
#include "Dibujo.h"

#include <algorithm>
#include <string>

#include "Teclado.h"
#include "Textos.h"

namespace quorbel {

namespace {

constexpr double kAnchoTablero = 3000;
constexpr double kMargenReloj = 800;
constexpr int kFichasPorFila = 13;

}  // namespace

void Dibujo::Dibujar(const Estado& e, bool puedeDeshacer) {
  // A move may itself draw in the middle (a message box shows the board as it stands), so
  // what happened is taken off the list before it is drawn.
  std::vector<Suceso> sucesos;
  sucesos.swap(pendientes_);
  for (const Suceso& s : sucesos) {
    Suceder(e, s);
  }
  Componer(e, puedeDeshacer);
}

Elemento Dibujo::Ficha(const Estado& e, int ficha) const {
  Elemento f = principal.paleta[0];
  Pintar(f, e, ficha);
  return f;
}

// The caption and colours of a piece, wherever it is drawn.
void Dibujo::Pintar(Elemento& donde, const Estado& e, int ficha) const {
  donde.rotulo = RotuloDeFicha(e.jugar, ficha);
  if (e.pintura == Pintura::Colores) {
    const ColorFicha& color = kTablaColores[std::clamp(ficha, 1, 13) - 1];
    donde.fondo = color.fondo;
    donde.tinta = color.tinta;
  } else {
    const Elemento& liso = principal.paleta[0];
    donde.fondo = e.pintura == Pintura::Gris ? colores::kGrisClaro : liso.fondo;
    donde.tinta = e.pintura == Pintura::Gris ? colores::kNegro : liso.tinta;
  }
}

void Dibujo::Suceder(const Estado& e, const Suceso& s) {
  RegistroPrincipal& v = principal;
  switch (s.tipo) {
    case Suceso::Tipo::Arranque:
      v.AlFrente(v.fondoPaleta);
      Repartir(e);
      Construir(e);
      v.AlFrente(v.reloj);
      break;
    case Suceso::Tipo::PartidaNueva:
      Repartir(e);
      Construir(e);
      break;
    case Suceso::Tipo::CursorPuesto:
      v.AlFrente(v.cursor);
      break;
    case Suceso::Tipo::Sobre:
      ColocarPaleta(e);
      v.marcoPaleta.visible = true;
      v.marcoPaleta.izquierda = v.paleta[s.valor].izquierda;
      v.marcoPaleta.arriba = v.paleta[s.valor].arriba;
      v.AlFrente(v.marcoPaleta);
      break;
    case Suceso::Tipo::Fijada:
      Marcar(e, v.anillos, s.valor);
      break;
    case Suceso::Tipo::Liberada:
      for (int k : s.celdas) {
        v.AlFrente(v.casillas[k]);  // drawn over its rings
      }
      v.AlFrente(v.cursor);
      break;
    case Suceso::Tipo::Desechada:
      v.marcoPaleta.visible = false;
      Marcar(e, v.cruces, s.valor);
      break;
    case Suceso::Tipo::Recuperada:
      v.AlFrente(v.marcoPaleta);
      // The piece's cells on the board come back in front of their crosses.
      for (int k = 1; k <= e.UltimaCasilla(); ++k) {
        if (e.casillas[static_cast<std::size_t>(k)] == s.valor) {
          v.AlFrente(v.casillas[k]);
        }
      }
      break;
    case Suceso::Tipo::Puntuada:
      Puntuar(e, s.valor);
      break;
    case Suceso::Tipo::VentanaLlena:
      LlenarVentana(e);
      break;
  }
}

// The palette dealt anew, thirteen pieces to a row, and the board's rows of marks emptied.
void Dibujo::Repartir(const Estado& e) {
  RegistroPrincipal& v = principal;
  Matriz& paleta = v.paleta;
  paleta.DescargarTodo();
  v.fondoPaleta.alto = e.NumFichas <= kFichasPorFila ? 600 : 960;
  for (int i = 1; i <= e.NumFichas; ++i) {
    v.Cargar(paleta);
    Elemento& ficha = paleta[i];
    ficha.izquierda = (i - 1) % kFichasPorFila * paleta[0].ancho + paleta[0].izquierda;
    ficha.arriba = (i - 1) / kFichasPorFila * paleta[0].alto + paleta[0].arriba;
    v.AlFrente(ficha);
    ficha.visible = true;
  }
  // The board starts below the palette's panel, one or two rows of pieces high.
  v.casillas[0].arriba = v.fondoPaleta.alto + 120;
  v.puntuaciones[0].arriba = v.casillas[0].arriba - v.puntuaciones[0].alto;
  v.marcoPaleta.izquierda = paleta[1].izquierda;
  v.marcoPaleta.arriba = paleta[1].arriba;
  v.AlFrente(v.marcoPaleta);
  for (Matriz* m : {&v.muertos, &v.tocados, &v.casillas, &v.puntuaciones, &v.cruces, &v.anillos}) {
    m->DescargarTodo();
  }
}

// The board's cells row by row; the window grows with the rows and stands centred on a
// 600-pixel screen area.
void Dibujo::Construir(const Estado& e) {
  RegistroPrincipal& v = principal;
  Matriz& casillas = v.casillas;
  const double w = kAnchoTablero / e.NumCasillas;
  const int n = e.UltimaCasilla();
  for (int i = 1; i <= n; ++i) {
    v.Cargar(casillas);
    Elemento& casilla = casillas[i];
    casilla.ancho = w;
    casilla.izquierda = (e.Posicion(i) - 1) * w + casillas[0].izquierda;
    casilla.arriba = casillas[0].alto * (e.Fila(i) - 1) + casillas[0].arriba;
    v.AlFrente(casilla);
    casilla.visible = true;
  }
  const double h = casillas[0].alto + casillas[n].arriba + kMargenReloj;
  v.alto = h;
  v.reloj.arriba = h - (v.reloj.alto + kMargenReloj);
  v.reloj.izquierda = RegistroPrincipal::kAnchoExterior - (v.reloj.ancho + 250);
  v.arriba = (9000 - h) / 2;
  v.fondoTablero.alto = h + v.arriba - 20;
  ++v.tablerosConstruidos;
  v.cursor.ancho = casillas[1].ancho;
  v.cursor.alto = casillas[1].alto;
  v.AlFrente(v.cursor);
}

// The score beside a sent row: its text, and circles then rectangles side by side from where
// the text starts.
void Dibujo::Puntuar(const Estado& e, int fila) {
  RegistroPrincipal& v = principal;
  const Puntuacion& p = e.filasPuntuadas[static_cast<std::size_t>(fila - 1)].puntuacion;
  const double arriba = v.casillas[e.Casilla(fila, 1)].arriba;
  Elemento& texto = v.puntuaciones[v.Cargar(v.puntuaciones)];
  texto.arriba = arriba;
  texto.izquierda = 3300;
  texto.rotulo =
      "  " + std::to_string(p.muertos) + " muerto/s.   " + std::to_string(p.tocados) + " tocado/s.";
  v.AlFrente(texto);
  double x = 3300;
  auto marcar = [&](Matriz& marcas, int cuantas, double bajada) {
    for (int i = 0; i < cuantas; ++i) {
      Elemento& marca = marcas[v.Cargar(marcas)];
      marca.arriba = arriba + bajada;
      marca.izquierda = x;
      v.AlFrente(marca);
      x += 250;
    }
  };
  marcar(v.muertos, p.muertos, 0);
  marcar(v.tocados, p.tocados, 60);
}

// A mark centred on every cell that holds the piece.
void Dibujo::Marcar(const Estado& e, Matriz& marcas, int ficha) {
  for (int k = 1; k <= e.UltimaCasilla(); ++k) {
    if (e.casillas[static_cast<std::size_t>(k)] != ficha) {
      continue;
    }
    const Elemento& casilla = principal.casillas[k];
    Elemento& marca = marcas[principal.Cargar(marcas)];
    marca.izquierda = casilla.izquierda + casilla.ancho / 2 - marcas[0].ancho / 2;
    marca.arriba = casilla.arriba + casilla.alto / 2 - marcas[0].alto / 2;
    marca.visible = true;
    principal.AlFrente(marca);
  }
}

// The pieces side by side from the small window's first cell, and the window sized for them:
// as wide as the pieces and one more, never narrower than 3435 twips.
void Dibujo::LlenarVentana(const Estado& e) {
  Matriz& celdas = ventanaFichas.celdas;
  const auto n = static_cast<int>(e.fichasEnVentana.size());
  for (int i = 0; i < celdas.Cuenta(); ++i) {
    Elemento& celda = celdas[i];
    celda.visible = i < n;
    if (i < n) {
      Pintar(celda, e, e.fichasEnVentana[static_cast<std::size_t>(i)]);
    }
  }
  switch (e.vistaFichas) {
    case VistaFichas::Fallaste:
      ventanaFichas.titulo = textos::kFallaste;
      ventanaFichas.fondo = colores::kGrisClaro;
      break;
    case VistaFichas::Recuperar:
      ventanaFichas.titulo = textos::kRecuperar;
      ventanaFichas.fondo = colores::kBlanco;
      break;
    default:
      ventanaFichas.titulo = textos::kSolucion;
      ventanaFichas.fondo = colores::kNegro;
      break;
  }
  ventanaFichas.alto = 960;
  ventanaFichas.ancho = std::max((n + 1) * celdas[0].ancho, 3435.0);
}

// The visible pieces packed in palette order, thirteen to a row; a discarded piece keeps the
// place it had, hidden.
void Dibujo::ColocarPaleta(const Estado& e) {
  Matriz& paleta = principal.paleta;
  int hueco = 0;
  for (int j = 1; j < paleta.Cuenta(); ++j) {
    Elemento& ficha = paleta[j];
    Pintar(ficha, e, j);
    ficha.visible = !e.Desechada(j);
    if (!e.Desechada(j)) {
      ficha.izquierda = hueco % kFichasPorFila * paleta[0].ancho + paleta[0].izquierda;
      ficha.arriba = hueco / kFichasPorFila * paleta[0].alto + paleta[0].arriba;
      ++hueco;
    }
  }
}

void Dibujo::Componer(const Estado& e, bool puedeDeshacer) {
  RegistroPrincipal& v = principal;
  ColocarPaleta(e);
  for (int k = 1; k < v.casillas.Cuenta() && k <= e.UltimaCasilla(); ++k) {
    Elemento& casilla = v.casillas[k];
    const int ficha = e.casillas[static_cast<std::size_t>(k)];
    if (ficha == 0) {
      casilla.fondo = colores::kCasillaVacia;  // a free cell keeps the ink of its last piece
      casilla.rotulo.clear();
    } else {
      Pintar(casilla, e, ficha);
    }
  }
  if (v.casillas.Existe(e.cursor.casilla)) {
    const Elemento& bajo = v.casillas[e.cursor.casilla];
    v.cursor.izquierda = e.cursor.apartado ? 10 : bajo.izquierda;
    v.cursor.arriba = bajo.arriba;
    v.cursor.visible = e.cursor.enTablero;
    v.cursor.borde = e.cursor.modo == ModoCursor::Fijar ? colores::kRojoClaro : colores::kNegro;
  }
  v.reloj.rotulo = std::to_string(e.segundosReloj);
  v.intervaloReloj = e.intervaloReloj;
  v.okHabilitado = e.okHabilitado;
  for (int i = 1; i < v.puntuaciones.Cuenta(); ++i) {
    v.puntuaciones[i].visible = !e.ModoSimbolos;
  }
  for (Matriz* marcas : {&v.muertos, &v.tocados}) {
    for (int i = 1; i < marcas->Cuenta(); ++i) {
      (*marcas)[i].visible = e.ModoSimbolos;
    }
  }
  v.simbolosHabilitado = !e.ModoSimbolos;
  v.textoHabilitado = e.ModoSimbolos;
  v.deshacerHabilitado = puedeDeshacer;
  ventanaFichas.visible = e.ventanaFichasVisible;
}

}  // namespace quorbel
