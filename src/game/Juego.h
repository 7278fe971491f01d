#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "Ajustes.h"
#include "ArchivoAjustes.h"
#include "MejoresTiempos.h"
#include "Plataforma.h"
#include "Posibles.h"
#include "Registro.h"

namespace quorbel {

// Mouse buttons as the window events report them.
inline constexpr int kBotonIzquierdo = 1;
inline constexpr int kBotonDerecho = 2;
inline constexpr int kBotonCentral = 4;

// Everything the game keeps: the settings in force, the game in progress and the windows as
// the player sees them. Rows, positions and pieces are numbered from 1; board cells row by
// row, cell k lying in row (k - 1) / NumCasillas + 1.
struct Partida {
  Ajustes ajustes;
  bool opcionesAbiertas = false;
  Ajustes ajustesAlAbrir;  // what closing the options dialog without "OK" goes back to

  int NumCasillas = 0;  // positions of the game in progress
  int NumFichas = 0;    // pieces of the game in progress

  std::vector<int> Solucion;  // index 1..NumCasillas
  std::vector<int> Tablero;   // the row being filled, index 1..NumCasillas, 0 = empty
  // The piece each column is fixed with, index 1..NumCasillas, 0 = none. A piece is fixed
  // exactly while some column is fixed with it.
  std::vector<int> FijaEnColumna;
  int FilaActual = 0;
  int CasillaActual = 0;  // the board cell under the cursor
  int Muertos = 0;        // score of the last sent row
  int Tocados = 0;
  bool ModoSimbolos = false;  // scores shown as marks, not as text
  bool RelojEnMarcha = false;
  double HoraInicio = 0;
  int FichaActual = 0;                       // the piece whose context menu was opened last
  int FichaBajoRaton = 0;                    // the piece the hover frame was last put on
  bool Ganada = false;                       // a won game is over until the next set-up
  bool Ayudada = false;                      // the solution was shown or a hint taken: no best time
  std::vector<FilaPuntuada> filasPuntuadas;  // the rows sent in this game, with their scores

  MejoresTiempos mejoresTiempos;
  int puestoNuevo = -1;  // the best time just entered, for its window to show it

  RegistroPrincipal principal;
  RegistroFichas ventanaFichas;
};

// The game: its state and one method per thing the player does (a menu command, a press on
// the board, a button, a timer tick). Each runs its steps in order and returns; the windows
// then show the state as it stands. The methods are defined by concern: Preparacion.cpp,
// Jugada.cpp, Ayudas.cpp, Apariencia.cpp, Opciones.cpp, Instrucciones.cpp, Pista.cpp.
class Juego : private Partida {
 public:
  explicit Juego(Plataforma& plataforma,
                 std::filesystem::path rutaAjustes = archivo_ajustes::kNombre);

  // What the game keeps, for the windows to show and the tests to read.
  const Partida& partida() const { return *this; }

  // --- Start-up, new game, closing the program.
  void Arrancar();
  void Nuevo();
  void Salir();

  // --- Play on the main window.
  void PulsarCasilla(int casilla, int boton);
  void PulsarFicha(int ficha, int boton);
  void PasarSobreFicha(int ficha);
  void Enviar();  // the "OK" button
  void Tic();     // the clock's timer

  // --- Player aids.
  void VerSolucion();
  void Desechar();
  void NoFijar();
  void Recuperar();
  void ElegirRecuperada(int celda);  // a press on a cell of the small window
  void CerrarVentanaFichas();        // the player closed the small window through its frame

  // --- Appearance.
  void CambiarColor();
  void VerSimbolos();
  void VerTexto();

  // --- Options dialog: opening, its controls, "OK", and closing it through its frame.
  void AbrirOpciones();
  void ActivarOpciones();
  void MoverCasillas(int valor);
  void MoverIntentos(int valor);
  void MoverFichas(int valor);
  void ElegirRepetidos(int indice);
  void ElegirColores(int indice);
  void ElegirJugarCon(int indice);
  void AceptarOpciones();
  void CerrarOpciones();

  // --- Help.
  void ComoJugar();
  void VerAcercaDe();

  // --- A hint, and the best times.
  void PedirPista();
  void VerMejoresTiempos();
  // The kind of game being played, whose best times count together.
  TipoPartida Tipo() const;

  // True while the current row can still be played.
  bool FilaEnJuego() const;
  // True while some column is fixed with piece p.
  bool Fijada(int p) const;
  // Row of a board cell.
  int Fila(int casilla) const { return (casilla - 1) / NumCasillas + 1; }

 private:
  // Set-up of a game, always run as a pair.
  void PrepararFichas();
  void ConstruirTablero();
  void GuardarAjustes();

  void Puntuar();
  void AnotarVictoria();
  void MostrarSolucion(const std::string& titulo, Color fondo);
  void LlenarVentanaFichas(const std::vector<int>& fichas, const std::string& titulo, Color fondo);
  bool Fijar(int ficha, int casilla);

  bool FilaCompleta() const;
  void CursorEn(int casilla);
  void AvanzarCursor();
  void PonerMarca(Matriz& marcas, const Elemento& casilla);
  void MostrarResultados(bool simbolos);

  Plataforma& plataforma_;
  std::filesystem::path rutaAjustes_;
  std::filesystem::path rutaTiempos_;  // empty when there is nowhere to keep them
};

}  // namespace quorbel
