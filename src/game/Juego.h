#pragma once

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "ArchivoAjustes.h"
#include "Dibujo.h"
#include "Estado.h"
#include "Movimiento.h"
#include "Plataforma.h"

namespace quorbel {

// The game: its state, and one function that applies a move to it. The rules read and change
// the state only; the drawing step then composes the windows' records from it. The rules are
// defined by concern: Preparacion.cpp, Jugada.cpp, Ayudas.cpp, Deshacer.cpp, Apariencia.cpp,
// Opciones.cpp, Instrucciones.cpp, Pista.cpp.
class Juego : private Estado {
 public:
  explicit Juego(Plataforma& plataforma,
                 std::filesystem::path rutaAjustes = archivo_ajustes::kNombre);

  // Plays one move to its end, then draws the windows.
  void Aplicar(const Movimiento& m);

  // The state, for the windows and the tests to read.
  const Estado& partida() const { return *this; }
  // The windows as the player sees them, drawn from the state.
  const RegistroPrincipal& principal() const { return dibujo_.principal; }
  const RegistroFichas& ventanaFichas() const { return dibujo_.ventanaFichas; }
  // Draws what the moves so far changed; a window that shows in the middle of a move calls it
  // to show the board as it stands.
  void Dibujar();

  // The kind of game being played, whose best times count together.
  TipoPartida Tipo() const;
  bool FilaEnJuego() const { return Estado::FilaEnJuego(); }
  // True when "Deshacer" has a move of the current row to take back.
  bool PuedeDeshacer() const { return !deshacer_.empty() && FilaEnJuego(); }
  // How many moves "Deshacer" can take back.
  std::size_t Deshaciones() const { return FilaEnJuego() ? deshacer_.size() : 0; }
  // A palette piece as it is drawn now, for a window that shows pieces.
  Elemento FichaDibujada(int ficha) const { return dibujo_.Ficha(*this, ficha); }

 private:
  // --- Start-up, new game, closing the program.
  void Arrancar();
  void Nuevo();
  void Salir();

  // --- Play on the main window.
  void PulsarCasilla(int casilla, int boton);
  void PulsarFicha(int ficha, int boton);
  void PasarSobreFicha(int ficha);
  void Enviar();
  void Tic();

  // --- Player aids.
  void VerSolucion();
  void Desechar();
  void NoFijar();
  void Recuperar();
  void ElegirRecuperada(int celda);
  void CerrarVentanaFichas();
  void Deshacer();

  // --- Appearance.
  void CambiarColor();
  void MostrarResultados(bool simbolos);

  // --- Options dialog.
  void AbrirOpciones();
  void ActivarOpciones();
  void AceptarOpciones();
  void CerrarOpciones();

  // --- Help, hint and best times.
  void ComoJugar();
  void PedirPista();
  void VerMejoresTiempos();

  // Set-up of a game, always run as a pair.
  void PrepararFichas();
  void ConstruirTablero();
  void GuardarAjustes();

  void Puntuar(const std::vector<int>& fila);
  void AnotarVictoria();
  void MostrarSolucion(VistaFichas vista);
  void LlenarVentanaFichas(std::vector<int> fichas, VistaFichas vista);
  bool Fijar(int ficha, int casilla);
  void PonerEn(int casilla, int ficha) { casillas[static_cast<std::size_t>(casilla)] = ficha; }

  bool FilaCompleta() const;
  void CursorEn(int casilla);
  void AvanzarCursor();

  // What "Deshacer" goes back to: the row as it was before a move of the player's.
  struct Instantanea {
    std::vector<int> casillas, FijaEnColumna;
    std::vector<bool> desechadas;
    Cursor cursor;
    bool okHabilitado;
    int FilaActual, FichaActual, FichaBajoRaton;
    RegistroPrincipal principal;
  };
  Instantanea Tomar() const;
  static bool DeshacerPuede(const Movimiento& m);

  Plataforma& plataforma_;
  std::filesystem::path rutaAjustes_;
  std::filesystem::path rutaTiempos_;  // empty when there is nowhere to keep them
  Dibujo dibujo_;
  // The current row's moves, last one last; the oldest are forgotten past kMaxDeshacer.
  static constexpr std::size_t kMaxDeshacer = 100;
  std::deque<Instantanea> deshacer_;
  std::size_t instantaneas_ = 0;  // how many were ever kept: a move made inside another shows
};

}  // namespace quorbel
