// Setting up a game: start-up, "Nuevo", the deal of the solution and the palette, and the
// board with the window's size and place.
#include <algorithm>
#include <cmath>

#include "Juego.h"
#include "Teclado.h"
#include "Textos.h"

namespace quorbel {

namespace {

constexpr double kAnchoTablero = 3000;
constexpr double kMargenReloj = 800;
constexpr int kFichasPorFila = 13;

}  // namespace

Juego::Juego(Plataforma& plataforma, std::filesystem::path rutaAjustes)
    : plataforma_(plataforma), rutaAjustes_(std::move(rutaAjustes)) {}

bool Juego::FilaEnJuego() const {
  return !Ganada && FilaActual >= 1 && FilaActual <= ajustes.Intentos();
}

bool Juego::Fijada(int p) const {
  return p != 0 && std::find(FijaEnColumna.begin(), FijaEnColumna.end(), p) != FijaEnColumna.end();
}

void Juego::Arrancar() {
  if (!archivo_ajustes::Cargar(rutaAjustes_, ajustes)) {
    GuardarAjustes();
  }
  if (const std::string datos = plataforma_.CarpetaDatos(); !datos.empty()) {
    rutaTiempos_ = std::filesystem::path(datos) / "mejores-tiempos.txt";
    mejoresTiempos.Cargar(rutaTiempos_);
  }
  plataforma_.Sembrar();
  principal.AlFrente(principal.fondoPaleta);
  NumCasillas = ajustes.Casillas();
  PrepararFichas();
  ConstruirTablero();
  ModoSimbolos = true;
  principal.AlFrente(principal.reloj);
  plataforma_.MostrarModal(Ventana::AcercaDe);
}

void Juego::Nuevo() {
  if (RelojEnMarcha && plataforma_.Mensaje(textos::kNuevaPartida, Icono::Pregunta,
                                           Botones::OkCancelar) == Respuesta::Cancelar) {
    return;
  }
  PrepararFichas();
  ConstruirTablero();
  principal.reloj.rotulo = std::to_string(0);
}

void Juego::Salir() {
  ventanaFichas.visible = false;
}

void Juego::PrepararFichas() {
  const bool conColores = ajustes.Colores();
  NumFichas = ajustes.Fichas();

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

  Matriz& paleta = principal.paleta;
  paleta.DescargarTodo();
  principal.fondoPaleta.alto = NumFichas <= kFichasPorFila ? 600 : 960;
  int c = 0;
  int r = 0;
  for (int i = 1; i <= NumFichas; ++i) {
    principal.Cargar(paleta);
    Elemento& ficha = paleta[i];
    ficha.izquierda = c * paleta[0].ancho + paleta[0].izquierda;
    ficha.arriba = r * paleta[0].alto + paleta[0].arriba;
    if (++c == kFichasPorFila) {
      c = 0;
      ++r;
    }
    if (conColores) {
      ficha.fondo = kTablaColores[i - 1].fondo;
      ficha.tinta = kTablaColores[i - 1].tinta;
    }
    ficha.rotulo = RotuloDeFicha(ajustes.Jugar(), i);
    principal.AlFrente(ficha);
    ficha.visible = true;
  }

  // The board starts below the palette's panel, one or two rows of pieces high.
  principal.casillas[0].arriba = principal.fondoPaleta.alto + 120;
  principal.puntuaciones[0].arriba = principal.casillas[0].arriba - principal.puntuaciones[0].alto;
  principal.marcoPaleta.izquierda = paleta[1].izquierda;
  principal.marcoPaleta.arriba = paleta[1].arriba;
  principal.AlFrente(principal.marcoPaleta);

  for (Matriz* m : {&principal.muertos, &principal.tocados, &principal.casillas,
                    &principal.puntuaciones, &principal.cruces, &principal.anillos}) {
    m->DescargarTodo();
  }
}

void Juego::ConstruirTablero() {
  principal.intervaloReloj = 0;
  const double w = kAnchoTablero / NumCasillas;
  const int n = ajustes.Intentos() * NumCasillas;
  Matriz& casillas = principal.casillas;
  int c = 1;
  int r = 0;
  for (int i = 1; i <= n; ++i) {
    principal.Cargar(casillas);
    Elemento& casilla = casillas[i];
    casilla.ancho = w;
    if (i > 1 && ++c == NumCasillas + 1) {
      c = 1;
      ++r;
    }
    casilla.izquierda = (c - 1) * w + casillas[0].izquierda;
    casilla.arriba = casillas[0].alto * r + casillas[0].arriba;
    principal.AlFrente(casilla);
    casilla.visible = true;
  }

  // The window grows with the attempts and stands centred on a 600-pixel screen area.
  const double h = casillas[0].alto + casillas[n].arriba + kMargenReloj;
  principal.alto = h;
  principal.reloj.arriba = h - (principal.reloj.alto + kMargenReloj);
  principal.reloj.izquierda = RegistroPrincipal::kAnchoExterior - (principal.reloj.ancho + 250);
  principal.arriba = (9000 - h) / 2;
  principal.fondoTablero.alto = h + principal.arriba - 20;
  ++principal.tablerosConstruidos;

  FilaActual = 1;
  Tablero.assign(static_cast<std::size_t>(NumCasillas) + 1, 0);
  FijaEnColumna.assign(static_cast<std::size_t>(NumCasillas) + 1, 0);
  Elemento& cursor = principal.cursor;
  cursor.ancho = casillas[1].ancho;
  cursor.alto = casillas[1].alto;
  CursorEn(1);
  // A won game leaves "OK" enabled; a new board's first row is empty and cannot be sent.
  principal.okHabilitado = false;
  RelojEnMarcha = false;
  Ganada = false;
  Ayudada = false;
  filasPuntuadas.clear();
  ventanaFichas.visible = false;
}

}  // namespace quorbel
