// Playing a row: choosing a cell, dropping a piece, sending the row with "OK", its score,
// the end of the game and the clock.
#include <algorithm>
#include <array>
#include <cmath>
#include <span>

#include "Juego.h"
#include "Puntuacion.h"
#include "Textos.h"

namespace quorbel {

void Juego::PulsarCasilla(int k, int boton) {
  if (!principal.casillas.Existe(k) || Fila(k) != FilaActual || !FilaEnJuego()) {
    return;
  }
  Elemento& cursor = principal.cursor;
  const Elemento& casilla = principal.casillas[k];
  const bool marcada = cursor.izquierda == casilla.izquierda && cursor.arriba == casilla.arriba;
  const Color modo = boton == kBotonIzquierdo ? colores::kNegro : colores::kRojoClaro;
  if (marcada && cursor.borde == modo) {
    // A second press in the same mode takes the cursor away.
    cursor.visible = false;
    cursor.izquierda = 10;
    return;
  }
  cursor.ancho = principal.casillas[1].ancho;
  CursorEn(k);
  if (boton == kBotonIzquierdo) {
    cursor.borde = colores::kNegro;
  } else if (FilaActual != ajustes.Intentos()) {
    cursor.borde = colores::kRojoClaro;  // the last row cannot be fixed
  }
}

void Juego::PulsarFicha(int p, int boton) {
  if (!principal.paleta.Existe(p)) {
    return;
  }
  if (boton != kBotonIzquierdo) {
    FichaActual = p;
    plataforma_.MostrarMenuQuitar();
    return;
  }
  if (!principal.cursor.visible || !FilaEnJuego()) {
    return;
  }
  const Elemento& ficha = principal.paleta[p];
  Elemento& casilla = principal.casillas[CasillaActual];
  casilla.rotulo = ficha.rotulo;
  casilla.fondo = ficha.fondo;
  casilla.tinta = ficha.tinta;
  Tablero[static_cast<std::size_t>(CasillaActual - (FilaActual - 1) * NumCasillas)] = p;
  if (principal.cursor.borde == colores::kRojoClaro && !Fijar(p, CasillaActual)) {
    return;
  }
  if (!RelojEnMarcha) {
    RelojEnMarcha = true;
    HoraInicio = plataforma_.Segundos();
    principal.intervaloReloj = 100;
  }
  AvanzarCursor();
}

void Juego::PasarSobreFicha(int p) {
  if (p == FichaBajoRaton || !principal.paleta.Existe(p)) {
    return;
  }
  Elemento& marco = principal.marcoPaleta;
  marco.visible = true;
  marco.izquierda = principal.paleta[p].izquierda;
  marco.arriba = principal.paleta[p].arriba;
  principal.AlFrente(marco);
  FichaBajoRaton = p;
}

bool Juego::FilaCompleta() const {
  return std::all_of(Tablero.begin() + 1, Tablero.end(), [](int v) { return v != 0; });
}

void Juego::CursorEn(int k) {
  Elemento& cursor = principal.cursor;
  cursor.izquierda = principal.casillas[k].izquierda;
  cursor.arriba = principal.casillas[k].arriba;
  principal.AlFrente(cursor);
  cursor.visible = true;
  CasillaActual = k;
}

// After a change to the current row: a full row can be sent, otherwise the cursor goes to
// its lowest free position, ready to place.
void Juego::AvanzarCursor() {
  auto libre = std::find(Tablero.begin() + 1, Tablero.end(), 0);
  if (libre == Tablero.end()) {
    principal.okHabilitado = true;
    principal.cursor.visible = false;
    return;
  }
  const int posicion = static_cast<int>(libre - Tablero.begin());
  CursorEn((FilaActual - 1) * NumCasillas + posicion);
  principal.cursor.borde = colores::kNegro;
}

void Juego::Enviar() {
  if (!RelojEnMarcha || !FilaEnJuego()) {
    return;
  }
  const int enviada = FilaActual;
  const int primera = (enviada - 1) * NumCasillas + 1;

  if (!ajustes.Repetidos()) {
    std::array<int, kMaxFichas + 1> cuenta{};
    bool repetida = false;
    for (int i = 1; i <= NumCasillas; ++i) {
      const int pieza = Tablero[static_cast<std::size_t>(i)];
      if (pieza >= 1 && pieza <= kMaxFichas && ++cuenta[static_cast<std::size_t>(pieza)] > 1) {
        repetida = true;
      }
    }
    if (repetida) {
      // The row stays open for the player to change; the cursor goes back to its start.
      plataforma_.Mensaje(textos::kRepetidas, Icono::Informacion, Botones::Ok);
      principal.okHabilitado = false;
      CursorEn(primera);
      return;
    }
  }

  ++FilaActual;
  Puntuar();
  if (!RelojEnMarcha) {
    return;  // won: the winning row gets no score
  }
  if (ajustes.Intentos() == enviada) {
    MostrarSolucion(textos::kFallaste, colores::kGrisClaro);
    RelojEnMarcha = false;
    return;
  }

  filasPuntuadas.push_back(
      {std::vector<int>(Tablero.begin() + 1, Tablero.end()), {Muertos, Tocados}});
  const double arriba = principal.casillas[primera].arriba;
  Elemento& texto = principal.puntuaciones[principal.Cargar(principal.puntuaciones)];
  texto.arriba = arriba;
  texto.izquierda = 3300;
  texto.rotulo =
      "  " + std::to_string(Muertos) + " muerto/s.   " + std::to_string(Tocados) + " tocado/s.";
  texto.visible = !ModoSimbolos;
  principal.AlFrente(texto);

  // Circles first, then rectangles, side by side from where the text starts.
  double x = 3300;
  auto marcar = [&](Matriz& marcas, int cuantas, double bajada) {
    for (int i = 0; i < cuantas; ++i) {
      Elemento& marca = marcas[principal.Cargar(marcas)];
      marca.arriba = arriba + bajada;
      marca.izquierda = x;
      principal.AlFrente(marca);
      marca.visible = ModoSimbolos;
      x += 250;
    }
  };
  marcar(principal.muertos, Muertos, 0);
  marcar(principal.tocados, Tocados, 60);

  // The new row opens with the pieces fixed in earlier rows already in place.
  std::fill(Tablero.begin() + 1, Tablero.end(), 0);
  const int base = (FilaActual - 1) * NumCasillas;
  int primeraLibre = 0;
  for (int k = base + NumCasillas; k > base; --k) {
    const Elemento& casilla = principal.casillas[k];
    if (casilla.fondo == colores::kCasillaVacia) {
      primeraLibre = k;
      continue;
    }
    int pieza = 0;
    for (int j = 1; j < principal.paleta.Cuenta(); ++j) {
      if (MismaFicha(principal.paleta[j], casilla)) {
        pieza = j;
      }
    }
    Tablero[static_cast<std::size_t>(k - base)] = pieza;
  }

  principal.okHabilitado = false;
  if (primeraLibre == 0) {
    // Every position of the new row is already filled: it opens ready to send.
    principal.okHabilitado = true;
    principal.cursor.visible = false;
    return;
  }
  CursorEn(primeraLibre);
}

void Juego::Puntuar() {
  const auto puntuacion =
      ContarAciertos(std::span(Solucion).subspan(1), std::span(Tablero).subspan(1));
  Muertos = puntuacion.muertos;
  Tocados = puntuacion.tocados;
  if (Muertos == NumCasillas) {
    RelojEnMarcha = false;
    Ganada = true;
    Ayudada = Ayudada || ventanaFichas.visible;
    plataforma_.Mensaje(ventanaFichas.visible ? textos::kViendoSolucion : textos::kFelicidades,
                        Icono::Informacion, Botones::Ok);
    AnotarVictoria();
  }
}

void Juego::Tic() {
  const double transcurrido = plataforma_.Segundos() - HoraInicio;
  principal.reloj.rotulo = std::to_string(static_cast<long long>(std::floor(transcurrido)));
  if (!RelojEnMarcha) {
    principal.intervaloReloj = 0;
    principal.reloj.rotulo = std::to_string(0);
  }
}

}  // namespace quorbel
