#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "Ajustes.h"
#include "ArchivoAjustes.h"
#include "Plataforma.h"
#include "Registro.h"

namespace quorbel {

// Mouse buttons as the window events report them.
inline constexpr int kBotonIzquierdo = 1;
inline constexpr int kBotonDerecho = 2;
inline constexpr int kBotonCentral = 4;

// Texts the game shows.
namespace textos {
inline constexpr const char* kNuevaPartida = "Quieres comenzar una nueva partida?";
inline constexpr const char* kRepetidas = "No puede haber fichas repetidas.";
inline constexpr const char* kFelicidades = "Felicidades! Lo has resuelto!";
inline constexpr const char* kViendoSolucion = "Viendo la solución cualquiera acierta.";
inline constexpr const char* kFallaste = "Fallaste. La solución es...";
inline constexpr const char* kSolucion = "Solución:";
inline constexpr const char* kVerSolucion = "Quieres ver la solución?";
inline constexpr const char* kRecuperar = "Recuperar:";
inline constexpr const char* kNadaQueRecuperar = "No hay fichas para recuperar.";
inline constexpr const char* kNoMasDesechos = "No puedes desechar mas fichas.";
inline constexpr const char* kFijada = "Esa ficha está fijada.";
inline constexpr const char* kFijarTodas = "No puedes fijar todas las posiciones.";
inline constexpr const char* kSinTexto = "Las fichas deben tener texto.";
inline constexpr const char* kPocosColores = "No hay tantas fichas de color.";
inline constexpr const char* kReiniciar = "Esto reiniciará la partida.\rQuieres continuar?";
inline constexpr const char* kInstrucciones = "Instrucciones.htm";
inline constexpr const char* kVacia = "Empty";
inline constexpr const char* kLlena = "Full";
}  // namespace textos

// The game: its state, the main window's record and one method per menu command, mouse
// event, button click and timer tick. Each handler runs its steps in order and returns.
class Juego {
 public:
  explicit Juego(Plataforma& plataforma,
                 std::filesystem::path rutaAjustes = archivo_ajustes::kNombre);

  // --- Start-up, new game, shut-down.
  void Form_Load();
  void MnuNew_Click();
  void Form_Unload();

  // --- Play on the main window.
  void Label2_MouseDown(int k, int boton);
  void Label4_MouseDown(int p, int boton);
  void Label4_MouseMove(int p);
  void Command1_Click();
  void Timer1_Timer();

  // --- Player aids.
  void MnuSoluc_Click();
  void MnuDescart_Click();
  void MnuNoFijar_Click();
  void MnuRecupera_Click();
  void Form3_Label1_Click(int i);
  void Form3_Cerrar();  // the player closed the small window through its frame

  // --- Appearance.
  void MnuCambiar_Click();
  void MnuSimbol_Click();
  void MnuTexto_Click();

  // --- Options dialog.
  void MnuOpcion_Click();
  void Form2_Activate();
  void Form2_Command1_Click();
  void Form2_Cerrar();  // closed through its frame: the settings go back to those in force

  // --- Help.
  void MnuHelp_Click();
  void MnuInfo_Click();

  // --- Game set-up and scoring routines.
  void PrepararFichas();
  void ConstruirTablero();
  void Puntuar();
  void MostrarSolucion(const std::string& caption, Color fondo);
  void GuardarAjustes();

  // Position (1..NumCasillas) of a board cell within its row, and the row of a cell.
  int Fila(int celda) const { return (celda - 1) / NumCasillas + 1; }
  // True while the current row can still be played.
  bool FilaEnJuego() const;

  // --- Settings in force and the values copied from them.
  Ajustes ajustes;
  bool form2Visible = false;
  int NumCasillas = 0;
  int NumFichas = 0;

  // --- The current game.
  std::vector<int> Solucion;  // index 1..NumCasillas
  std::vector<int> Tablero;   // index 1..NumCasillas, 0 = empty
  int FilaActual = 0;
  int CasillaActual = 0;
  int Muertos = 0;
  int Tocados = 0;
  bool ModoSimbolos = false;
  bool RelojEnMarcha = false;
  double HoraInicio = 0;
  int FichaActual = 0;
  bool Ganada = false;                       // a won game is over until the next set-up
  std::array<std::string, 14> ColoresFicha;  // index 1..13, decimal colour values
  std::array<std::string, 14> ColoresTexto;

  // --- Windows.
  Form1 form1;
  Form3 form3;

 private:
  bool Identica(const Elemento& a, const Elemento& b) const {
    return a.caption == b.caption && a.fondo == b.fondo;
  }
  void CursorEn(int celda);
  void CursorAPrimeraCasilla();
  void AvanzarCursor();
  bool PasoFijar(int p, int celda);
  bool FilaCompleta() const;
  void CentrarMarca(Matriz& marcas, const Elemento& celda);
  void MostrarResultados(bool simbolos);

  Plataforma& plataforma_;
  std::filesystem::path rutaAjustes_;
  Ajustes ajustesAlAbrir_;
  int FichaBajoRaton_ = 0;
};

}  // namespace quorbel
