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
  if (k < 1 || k > UltimaCasilla() || Fila(k) != FilaActual || !FilaEnJuego()) {
    return;
  }
  const ModoCursor modo = boton == kBotonIzquierdo ? ModoCursor::Colocar : ModoCursor::Fijar;
  if (!cursor.apartado && cursor.casilla == k && cursor.modo == modo) {
    // A second press in the same mode takes the cursor away.
    cursor.enTablero = false;
    cursor.apartado = true;
    return;
  }
  CursorEn(k);
  if (boton == kBotonIzquierdo) {
    cursor.modo = ModoCursor::Colocar;
  } else if (FilaActual != ajustes.Intentos()) {
    cursor.modo = ModoCursor::Fijar;  // the last row cannot be fixed
  }
}

void Juego::PulsarFicha(int p, int boton) {
  if (!EsFicha(p)) {
    return;
  }
  if (boton != kBotonIzquierdo) {
    FichaActual = p;
    plataforma_.MostrarMenuQuitar();
    return;
  }
  if (!cursor.enTablero || !FilaEnJuego()) {
    return;
  }
  PonerEn(cursor.casilla, p);
  if (cursor.modo == ModoCursor::Fijar && !Fijar(p, cursor.casilla)) {
    return;
  }
  if (!RelojEnMarcha) {
    RelojEnMarcha = true;
    HoraInicio = plataforma_.Segundos();
    intervaloReloj = 100;
  }
  AvanzarCursor();
}

void Juego::PasarSobreFicha(int p) {
  if (p == FichaBajoRaton || !EsFicha(p)) {
    return;
  }
  dibujo_.Anotar({Suceso::Tipo::Sobre, p});
  FichaBajoRaton = p;
}

bool Juego::FilaCompleta() const {
  const std::vector<int> fila = Tablero();
  return std::all_of(fila.begin() + 1, fila.end(), [](int v) { return v != 0; });
}

void Juego::CursorEn(int k) {
  cursor.casilla = k;
  cursor.enTablero = true;
  cursor.apartado = false;
  dibujo_.Anotar({Suceso::Tipo::CursorPuesto});
}

// After a change to the current row: a full row can be sent, otherwise the cursor goes to
// its lowest free position, ready to place.
void Juego::AvanzarCursor() {
  const std::vector<int> fila = Tablero();
  const auto libre = std::find(fila.begin() + 1, fila.end(), 0);
  if (libre == fila.end()) {
    okHabilitado = true;
    cursor.enTablero = false;
    return;
  }
  CursorEn(Casilla(FilaActual, static_cast<int>(libre - fila.begin())));
  cursor.modo = ModoCursor::Colocar;
}

void Juego::Enviar() {
  if (!RelojEnMarcha || !FilaEnJuego()) {
    return;
  }
  const int enviada = FilaActual;
  const std::vector<int> fila = PiezasDeFila(enviada);

  if (!ajustes.Repetidos()) {
    std::array<int, kMaxFichas + 1> cuenta{};
    bool repetida = false;
    for (int pieza : fila) {
      if (pieza >= 1 && pieza <= kMaxFichas && ++cuenta[static_cast<std::size_t>(pieza)] > 1) {
        repetida = true;
      }
    }
    if (repetida) {
      // The row stays open for the player to change; the cursor goes back to its start.
      plataforma_.Mensaje(textos::kRepetidas, Icono::Informacion, Botones::Ok);
      okHabilitado = false;
      CursorEn(Casilla(enviada, 1));
      return;
    }
  }

  ++FilaActual;
  deshacer_.clear();  // a sent row is never taken back
  Puntuar(fila);
  if (!RelojEnMarcha) {
    return;  // won: the winning row gets no score
  }
  if (ajustes.Intentos() == enviada) {
    MostrarSolucion(VistaFichas::Fallaste);
    RelojEnMarcha = false;
    return;
  }
  filasPuntuadas.push_back({fila, {Muertos, Tocados}});
  dibujo_.Anotar({Suceso::Tipo::Puntuada, enviada});

  // The new row opens with the pieces fixed in earlier rows already in place.
  okHabilitado = false;
  const std::vector<int> nueva = Tablero();
  const auto libre = std::find(nueva.begin() + 1, nueva.end(), 0);
  if (libre == nueva.end()) {
    // Every position of the new row is already filled: it opens ready to send.
    okHabilitado = true;
    cursor.enTablero = false;
    return;
  }
  CursorEn(Casilla(FilaActual, static_cast<int>(libre - nueva.begin())));
}

void Juego::Puntuar(const std::vector<int>& fila) {
  const auto puntuacion = ContarAciertos(std::span(Solucion).subspan(1), fila);
  Muertos = puntuacion.muertos;
  Tocados = puntuacion.tocados;
  if (Muertos == NumCasillas) {
    RelojEnMarcha = false;
    Ganada = true;
    Ayudada = Ayudada || ventanaFichasVisible;
    plataforma_.Mensaje(ventanaFichasVisible ? textos::kViendoSolucion : textos::kFelicidades,
                        Icono::Informacion, Botones::Ok);
    AnotarVictoria();
  }
}

void Juego::Tic() {
  const double transcurrido = plataforma_.Segundos() - HoraInicio;
  segundosReloj = static_cast<long long>(std::floor(transcurrido));
  if (!RelojEnMarcha) {
    intervaloReloj = 0;
    segundosReloj = 0;
  }
}

}  // namespace quorbel
