#pragma once

// A player who presses at random, and the rules that must hold whatever it presses. Shared by
// the random-play test and the event fuzzer.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "ArchivoAjustes.h"
#include "Juego.h"
#include "PlataformaFalsa.h"
#include "Puntuacion.h"
#include "Textos.h"

namespace quorbel::prueba {

// Where the player's choices come from: a seeded generator, or a fuzzer's bytes, which once
// used up give 0 and then a fixed sequence of random numbers, so that a deal always ends.
class Fuente {
 public:
  explicit Fuente(std::uint64_t semilla) : motor_(semilla) {}
  Fuente(const std::uint8_t* datos, std::size_t tamano) : datos_(datos), tamano_(tamano) {}
  int Elegir(int n) {  // 0 .. n - 1
    return datos_ ? static_cast<int>(Byte() % static_cast<unsigned>(n))
                  : std::uniform_int_distribution<int>(0, n - 1)(motor_);
  }
  double Real() {  // [0, 1)
    if (!datos_) {
      return std::uniform_real_distribution<double>(0.0, 1.0)(motor_);
    }
    return Agotada() ? resto_ = std::fmod(resto_ + 0.618033988749895, 1.0)
                     : (Byte() << 8 | Byte()) / 65536.0;
  }
  bool Agotada() const { return datos_ && pos_ >= tamano_; }

 private:
  unsigned Byte() { return pos_ < tamano_ ? datos_[pos_++] : 0u; }
  std::mt19937_64 motor_;
  const std::uint8_t* datos_ = nullptr;
  std::size_t tamano_ = 0, pos_ = 0;
  double resto_ = 0;
};

// Whether two elements show the same piece: a piece is known by its caption and its colour,
// wherever it is drawn.
inline bool MismaFicha(const Elemento& a, const Elemento& b) {
  return a.rotulo == b.rotulo && a.fondo == b.fondo;
}

// The palette piece a cell shows: 0 when it is free, -1 when it shows no piece at all.
inline int PiezaEn(const Juego& j, const Elemento& c) {
  for (int k = 1; k < j.principal().paleta.Cuenta(); ++k) {
    if (MismaFicha(c, j.principal().paleta[k])) {
      return k;
    }
  }
  return c.fondo == colores::kCasillaVacia && c.rotulo.empty() ? 0 : -1;
}

// The pieces a row of the board shows.
inline std::vector<int> PiezasDeFila(const Juego& j, int fila) {
  std::vector<int> piezas;
  for (int i = 1; i <= j.partida().NumCasillas; ++i) {
    piezas.push_back(PiezaEn(j, j.principal().casillas[j.partida().Casilla(fila, i)]));
  }
  return piezas;
}

inline int Visibles(const Juego& j) {
  int visibles = 0;
  for (int i = 1; i < j.principal().paleta.Cuenta(); ++i) {
    visibles += j.principal().paleta[i].visible;
  }
  return visibles;
}

// Whether a mark stands centred on a cell, drawn over it.
inline bool Marcada(const Matriz& marcas, const Elemento& c) {
  for (int i = 1; i < marcas.Cuenta(); ++i) {
    const Elemento& m = marcas[i];
    if (m.visible && m.z > c.z &&
        std::abs(m.izquierda + m.ancho / 2 - c.izquierda - c.ancho / 2) +
                std::abs(m.arriba + m.alto / 2 - c.arriba - c.alto / 2) <
            1e-6) {
      return true;
    }
  }
  return false;
}

// The first rule of the game that its state breaks, or "".
inline std::string Incumplida(const Juego& j) {
  const Estado& p = j.partida();
  const Ajustes& a = p.ajustes;
  const RegistroPrincipal& v = j.principal();
  const int n = p.NumCasillas, intentos = a.Intentos();
  if (a.Casillas() < 3 || a.Casillas() > 10 || intentos < 1 || intentos > 20 ||
      a.Fichas() < a.Casillas() || a.Fichas() > a.LimiteFichas() ||
      a.LimiteFichas() != a.LimiteSegunTabla() || (a.Jugar() == JugarCon::Vacio && !a.Colores()) ||
      n != a.Casillas() || p.NumFichas != a.Fichas() ||
      (!a.Repetidos() && std::set(p.Solucion.begin(), p.Solucion.end()).size() <= unsigned(n))) {
    return "settings out of bounds, not those of the game, or a solution that repeats";
  }
  // Every cell shows a piece or none.
  if (v.casillas.Cuenta() - 1 != n * intentos || v.paleta.Cuenta() - 1 != p.NumFichas ||
      Visibles(j) < n) {
    return "board or palette size";
  }
  for (int k = 1; k < v.casillas.Cuenta(); ++k) {
    const Elemento& c = v.casillas[k];
    if (!c.visible || PiezaEn(j, c) < 0) {
      return "cell " + std::to_string(k) + " hidden, or with no piece";
    }
  }
  // The rows still to come hold the pieces their columns are fixed with, ringed, and no other.
  for (int col = 1; col <= n; ++col) {
    const int fija = p.FijaEnColumna[static_cast<std::size_t>(col)];
    for (int fila = p.FilaActual + 1; fila <= intentos; ++fila) {
      const Elemento& c = v.casillas[p.Casilla(fila, col)];
      if (PiezaEn(j, c) != fija || (fija != 0 && !Marcada(v.anillos, c))) {
        return "column " + std::to_string(col) + " not as fixed down to the last row";
      }
    }
  }
  // Pieces by kind and colour, below the hover frame; the discarded ones crossed out wherever
  // they stand.
  for (int i = 1; i < v.paleta.Cuenta(); ++i) {
    const Elemento& f = v.paleta[i];
    const ColorFicha& tabla = kTablaColores[std::min(i, 13) - 1];
    if (f.rotulo != (a.Jugar() == JugarCon::Numeros  ? std::to_string(i - 1)
                     : a.Jugar() == JugarCon::Letras ? std::string(1, char('A' + i - 1))
                                                     : "") ||
        (a.Colores() ? f.fondo != tabla.fondo || f.tinta != tabla.tinta
                     : (f.fondo != colores::kGrisClaro && f.fondo != colores::kCaraSistema) ||
                           f.tinta != colores::kNegro) ||
        (v.marcoPaleta.visible && f.z > v.marcoPaleta.z)) {
      return "palette piece " + std::to_string(i);
    }
    for (int k = 1; k < v.casillas.Cuenta() && !f.visible; ++k) {
      if (PiezaEn(j, v.casillas[k]) == i && !Marcada(v.cruces, v.casillas[k])) {
        return "discarded piece " + std::to_string(i) + " not crossed out";
      }
    }
  }
  // The row being filled agrees with its cells; "OK" sends only a full row; the cursor lies
  // over a cell of it, drawn above it.
  const int base = p.Casilla(p.FilaActual, 0);
  const std::vector<int> tablero = p.Tablero();
  const Elemento& bajo = v.casillas[std::clamp(p.CasillaActual(), 1, v.casillas.Ultimo())];
  if (j.FilaEnJuego() &&
      (tablero !=
           [&] {
             std::vector<int> t = PiezasDeFila(j, p.FilaActual);
             t.insert(t.begin(), 0);
             return t;
           }() ||
       (v.okHabilitado && std::count(tablero.begin() + 1, tablero.end(), 0) > 0) ||
       (v.cursor.visible &&
        (p.CasillaActual() <= base || p.CasillaActual() > base + n ||
         v.cursor.izquierda != bajo.izquierda || v.cursor.arriba != bajo.arriba ||
         v.cursor.ancho != bajo.ancho || v.cursor.z < bajo.z)))) {
    return "current row, OK or cursor";
  }
  // The clock runs with the game and reads "0" whenever it is stopped.
  if ((p.RelojEnMarcha && v.intervaloReloj != 100) ||
      (v.intervaloReloj == 0 && v.reloj.rotulo != "0")) {
    return "clock";
  }
  // Every row sent that did not end the game is scored beside it, as marks or as text.
  if (v.puntuaciones.Cuenta() != p.FilaActual - (p.Ganada || p.FilaActual > intentos) ||
      v.simbolosHabilitado == p.ModoSimbolos || v.textoHabilitado != p.ModoSimbolos) {
    return "scored rows, or score menus";
  }
  int marca[2] = {1, 1};  // the next circle and rectangle
  if (p.filasPuntuadas.size() + 1 != static_cast<std::size_t>(v.puntuaciones.Cuenta())) {
    return "rows kept for the hint";
  }
  for (int fila = 1; fila < v.puntuaciones.Cuenta(); ++fila) {
    const Puntuacion s = ContarAciertos(std::span(p.Solucion).subspan(1), PiezasDeFila(j, fila));
    const FilaPuntuada& guardada = p.filasPuntuadas[static_cast<std::size_t>(fila - 1)];
    if (guardada.piezas != PiezasDeFila(j, fila) || !(guardada.puntuacion == s) ||
        (!a.Repetidos() && std::set(guardada.piezas.begin(), guardada.piezas.end()).size() <
                               guardada.piezas.size())) {
      return "row " + std::to_string(fila) + " differs from the board, or repeats a piece";
    }
    // The text on the row's line, and the marks along it, circles first.
    const Elemento& texto = v.puntuaciones[fila];
    const Elemento& casilla = v.casillas[p.Casilla(fila, 1)];
    bool bien = texto.rotulo == "  " + std::to_string(s.muertos) + " muerto/s.   " +
                                    std::to_string(s.tocados) + " tocado/s." &&
                texto.arriba == casilla.arriba && texto.visible != p.ModoSimbolos &&
                texto.alineacion == Alineacion::Izquierda;
    for (int m = 0; m < s.muertos + s.tocados && bien; ++m) {
      const int t = m >= s.muertos;
      const Matriz& marcas = t ? v.tocados : v.muertos;
      const int i = marca[t]++;
      bien = i < marcas.Cuenta() && marcas[i].izquierda == texto.izquierda + 250 * m &&
             marcas[i].arriba == texto.arriba + 60 * t && marcas[i].visible == p.ModoSimbolos;
    }
    if (!bien) {
      return "score of row " + std::to_string(fila);
    }
  }
  if (marca[0] != v.muertos.Cuenta() || marca[1] != v.tocados.Cuenta() ||
      (p.Ganada && PiezasDeFila(j, p.FilaActual - 1) !=
                       std::vector<int>(p.Solucion.begin() + 1, p.Solucion.end()))) {
    return "stray score marks, or a win without the solution";
  }
  // The small window showing the solution.
  const RegistroFichas& s = j.ventanaFichas();
  for (int i = 0; i <= 12 && s.visible && s.titulo != textos::kRecuperar; ++i) {
    const Elemento& c = s.celdas[i];
    if (c.visible != (i < n) ||
        s.fondo != (s.titulo == textos::kSolucion ? colores::kNegro : colores::kGrisClaro) ||
        (i < n && PiezaEn(j, c) != p.Solucion[static_cast<std::size_t>(i) + 1])) {
      return "solution window";
    }
  }
  return "";
}

// A number written so that reading it back gives the same number.
inline std::string Exacto(double x) {
  char texto[32];
  return {texto, std::to_chars(texto, texto + sizeof texto, x).ptr};
}

// A game played by presses chosen from a source, its settings file at `ini`.
class Jugador {
 public:
  Jugador(Fuente& fuente, const std::filesystem::path& ini)
      : juego(std::make_unique<Juego>(plataforma, ini)), fuente_(fuente) {
    plataforma.azar = [this] {
      const double r = fuente_.Real();
      Anotar("azar " + Exacto(r));
      return r;
    };
    plataforma.responder = [this](const PlataformaFalsa::MensajeVisto&) {
      const bool cancelar = fuente_.Elegir(4) == 0;
      Anotar(cancelar ? "respuesta Cancelar" : "respuesta Ok");
      return cancelar ? Respuesta::Cancelar : Respuesta::Ok;
    };
    // A window that shows in the middle of a move shows the board as it stands.
    plataforma.alMenuQuitar = [this] {
      juego->Dibujar();
      ElegirEnMenu();
    };
    plataforma.alMostrarModal = [this](Ventana v) {
      juego->Dibujar();
      v == Ventana::Opciones ? EnOpciones() : v == Ventana::Fichas ? EnSelector() : void();
    };
    ElegirAjustes();  // what an earlier run left in the settings file
    archivo_ajustes::Guardar(ini, P().ajustes);
  }

  // Starts the program and plays up to `eventos` events; returns the first broken rule or
  // escaped exception, or "".
  std::string Jugar(int eventos) {
    try {
      Hacer({Accion::Arrancar});
      for (int i = 0; i < eventos && !fuente_.Agotada() && fallo_.empty(); ++i) {
        const int tableros = V().tablerosConstruidos;
        Evento();
        if (V().tablerosConstruidos != tableros) {
          Fallar(TableroNuevo());
        }
        Fallar(Incumplida(*juego));
      }
    } catch (const std::exception& e) {
      Fallar(std::string("exception: ") + e.what());
    }
    return fallo_;
  }

  PlataformaFalsa plataforma;
  std::unique_ptr<Juego> juego;
  // The game as played, a line each: moves, numbers drawn, answers, the clock's settings.
  std::string bitacora;

 private:
  const Estado& P() const { return juego->partida(); }
  const RegistroPrincipal& V() const { return juego->principal(); }
  const RegistroFichas& F() const { return juego->ventanaFichas(); }
  void Anotar(const std::string& linea) { bitacora += linea + "\n"; }
  void Hacer(const Movimiento& m) {
    Anotar(Texto(m));
    const bool fila = m.accion == Accion::PulsarFicha || m.accion == Accion::NoFijar ||
                      m.accion == Accion::Desechar || m.accion == Accion::ElegirRecuperada;
    const auto antes = fila ? std::optional(V()) : std::nullopt;
    const std::size_t pasos = juego->Deshaciones();
    juego->Aplicar(m);
    // The picture right before a move that "Deshacer" can now take back.
    deshacible_ = juego->Deshaciones() == pasos + 1 ? antes : std::nullopt;
  }
  void Fallar(const std::string& fallo) { fallo_ = fallo_.empty() ? fallo : fallo_; }
  int Boton() {
    const int b = fuente_.Elegir(4);
    return b < 2 ? kBotonIzquierdo : b == 2 ? kBotonDerecho : kBotonCentral;
  }

  // The options dialog's controls, moved the way the player would.
  void ElegirAjustes() {
    Hacer({Accion::ElegirRepetidos, fuente_.Elegir(2)});
    Hacer({Accion::ElegirJugarCon, fuente_.Elegir(3)});
    Hacer({Accion::ElegirColores, fuente_.Elegir(2)});
    Hacer({Accion::MoverCasillas, 3 + fuente_.Elegir(8)});
    Hacer({Accion::MoverIntentos, 1 + fuente_.Elegir(20)});
    const Ajustes& a = P().ajustes;
    Hacer({Accion::MoverFichas,
           a.MinFichas() + fuente_.Elegir(a.LimiteFichas() - a.MinFichas() + 1)});
  }
  void EnOpciones() {
    Hacer({Accion::ActivarOpciones});
    ElegirAjustes();
    const bool cerrar = fuente_.Elegir(4) == 0;
    Hacer({cerrar ? Accion::CerrarOpciones : Accion::AceptarOpciones});
  }
  // The picker shows the discarded pieces in palette order; a press on one gives it back.
  void EnSelector() {
    const RegistroFichas& s = F();
    int celdas = 0;
    for (int i = 1; i < V().paleta.Cuenta(); ++i) {
      if (!V().paleta[i].visible && PiezaEn(*juego, s.celdas[celdas++]) != i) {
        Fallar("picker does not show the discarded pieces");
      }
    }
    if (s.ancho != std::max((celdas + 1) * 375.0, 3435.0) || s.alto != 960 ||
        !s.celdas[celdas - 1].visible || s.celdas[celdas].visible) {
      Fallar("picker size");
    }
    const int elegida = fuente_.Elegir(celdas + 1) - 1;  // hidden cells take no presses
    const int pieza = elegida < 0 ? 0 : PiezaEn(*juego, s.celdas[elegida]);
    Hacer(elegida < 0 ? Movimiento{Accion::CerrarVentanaFichas}
                      : Movimiento{Accion::ElegirRecuperada, elegida});
    const int visibles = Visibles(*juego);
    Hacer({Accion::ElegirRecuperada, 0});  // a closed picker takes no press
    Fallar(Visibles(*juego) != visibles ? "a piece taken back from a closed picker" : "");
    if (s.visible || (pieza > 0 && !V().paleta[pieza].visible)) {
      Fallar("picker still open, or its piece not recovered");
    }
  }
  void ElegirEnMenu() {
    const int item = fuente_.Elegir(3), pieza = P().FichaActual;
    const std::size_t vistos = plataforma.mensajes.size();
    if (item < 2) {
      Hacer({item == 0 ? Accion::Desechar : Accion::NoFijar});
    }
    if (item == 0 && plataforma.mensajes.size() == vistos &&
        (V().paleta[pieza].visible || V().marcoPaleta.visible ||
         (juego->FilaEnJuego() && std::ranges::count(P().Tablero(), pieza) > 0))) {
      Fallar("discarded piece still in play");
    }
  }

  // Right after a set-up: an empty board waiting for its first piece.
  std::string TableroNuevo() const {
    for (int k = 1; k < V().casillas.Cuenta(); ++k) {
      if (PiezaEn(*juego, V().casillas[k]) != 0) {
        return "new board not empty";
      }
    }
    const bool fijas = std::any_of(P().FijaEnColumna.begin(), P().FijaEnColumna.end(),
                                   [](int f) { return f != 0; });
    return fijas || P().FilaActual != 1 || P().CasillaActual() != 1 || !V().cursor.visible ||
                   V().okHabilitado || P().RelojEnMarcha || F().visible ||
                   V().cruces.Cuenta() != 1 || V().anillos.Cuenta() != 1
               ? "new board not ready for its first piece"
               : "";
  }

  void Evento() {
    const RegistroPrincipal& v = V();
    const int n = P().NumCasillas;
    const int fila = std::clamp(P().FilaActual, 1, P().ajustes.Intentos());
    const int e = fuente_.Elegir(21);
    // Now and then a player who peeks at the solution on show plays its piece.
    const int p = F().visible && fuente_.Elegir(2) == 0
                      ? P().Solucion[static_cast<std::size_t>((P().CasillaActual() - 1) % n + 1)]
                      : 1 + fuente_.Elegir(v.paleta.Cuenta() - 1);
    if (e < 4) {  // mostly cells of the current row
      const int k = fuente_.Elegir(4) == 0 ? 1 + fuente_.Elegir(v.casillas.Cuenta() - 1)
                                           : P().Casilla(fila, 1 + fuente_.Elegir(n));
      const int b = Boton();
      Hacer({Accion::PulsarCasilla, k, b});
    } else if (e == 9 && v.paleta[p].visible) {  // the pointer over a piece
      Hacer({Accion::PasarSobreFicha, p});
    } else if (e < 9 && v.paleta[p].visible) {  // a press on a piece: discarded ones take none
      const int b = fuente_.Elegir(5) == 0 ? Boton() : kBotonIzquierdo;
      const bool coloca = b == kBotonIzquierdo && v.cursor.visible && juego->FilaEnJuego() &&
                          v.cursor.borde == colores::kNegro;
      const int casilla = P().CasillaActual();
      const bool arranca = !P().RelojEnMarcha;
      Hacer({Accion::PulsarFicha, p, b});
      // Placed where the cursor was; the clock starts; the cursor moves on to the lowest free
      // position, or the row can be sent.
      const std::vector<int> tablero = P().Tablero();
      const auto libre = std::find(tablero.begin() + 1, tablero.end(), 0);
      const int siguiente = P().Casilla(fila, static_cast<int>(libre - tablero.begin()));
      if (coloca && (PiezaEn(*juego, v.casillas[casilla]) != p || !P().RelojEnMarcha ||
                     (arranca && P().HoraInicio != plataforma.reloj) ||
                     (libre == tablero.end() ? v.cursor.visible || !v.okHabilitado
                                             : P().CasillaActual() != siguiente ||
                                                   v.cursor.borde != colores::kNegro))) {
        Fallar("piece not placed, or cursor not moved on");
      }
    } else if ((e == 10 || e == 11) && v.okHabilitado) {
      Hacer({Accion::Enviar});
    } else if (e >= 12 && e < 18) {
      const Accion menus[] = {
          Accion::Nuevo,        Accion::AbrirOpciones,
          Accion::Recuperar,    Accion::VerSolucion,
          Accion::CambiarColor, v.simbolosHabilitado ? Accion::VerSimbolos : Accion::VerTexto};
      Hacer({menus[e - 12]});
      if (e == 15 && F().visible) {  // a press on the solution takes nothing back
        const int visibles = Visibles(*juego), celda = fuente_.Elegir(P().NumCasillas);
        Hacer({Accion::ElegirRecuperada, celda});
        Fallar(Visibles(*juego) != visibles ? "a piece taken back from the solution" : "");
      }
      if (e == 15 && F().visible && fuente_.Elegir(3) == 0) {
        Hacer({Accion::CerrarVentanaFichas});
      }
    } else if (e == 18 && P().NumCasillas <= 5 && P().NumFichas <= 10) {
      Hacer({Accion::PedirPista});  // in games small enough to count quickly
    } else if (e == 20) {
      // Right after a move of the row, "Deshacer" leaves the picture as it was before it; the
      // clock runs on.
      std::optional<RegistroPrincipal> antes = deshacible_;
      Hacer({Accion::Deshacer});
      if (antes) {
        antes->intervaloReloj = v.intervaloReloj;
        antes->reloj.rotulo = v.reloj.rotulo;
        antes->deshacerHabilitado = v.deshacerHabilitado;
        Fallar(v == *antes ? "" : "a move not taken back exactly");
      }
    } else if (e == 19 && v.intervaloReloj > 0) {
      plataforma.reloj += 0.1 + fuente_.Elegir(100);
      Anotar("reloj " + Exacto(plataforma.reloj));
      const bool enMarcha = P().RelojEnMarcha;
      Hacer({Accion::Tic});
      const auto segundos = static_cast<long long>(std::floor(plataforma.reloj - P().HoraInicio));
      if (enMarcha ? v.reloj.rotulo != std::to_string(segundos) : v.intervaloReloj != 0) {
        Fallar("clock shows " + v.reloj.rotulo);
      }
    }
  }

  Fuente& fuente_;
  std::string fallo_;
  std::optional<RegistroPrincipal> deshacible_;
};

// A folder in memory when there is one: every accepted options dialog writes the file.
inline std::filesystem::path CarpetaRapida() {
  std::error_code e;
  return std::filesystem::is_directory("/dev/shm", e) ? std::filesystem::path("/dev/shm")
                                                      : std::filesystem::temp_directory_path();
}

// A game played again from its lines, the moves a window took coming after the move that
// opened it.
struct Repeticion {
  PlataformaFalsa plataforma;
  std::deque<std::string> respuestas;
  std::unique_ptr<Juego> juego;
  std::string fallo;  // the first rule broken, or a line that is no move

  Repeticion(const std::string& bitacora, const std::filesystem::path& ini)
      : juego(std::make_unique<Juego>(plataforma, ini)) {
    plataforma.responder = [this](const PlataformaFalsa::MensajeVisto&) {
      const bool ok = respuestas.front().ends_with("Ok");
      respuestas.pop_front();
      return ok ? Respuesta::Ok : Respuesta::Cancelar;
    };
    std::vector<std::string> lineas;
    std::istringstream entrada(bitacora);
    for (std::string l; std::getline(entrada, l);) {
      l.starts_with("azar ")        ? plataforma.aleatorios.push_back(std::stod(l.substr(5)))
      : l.starts_with("respuesta ") ? respuestas.push_back(l)
                                    : lineas.push_back(l);
    }
    for (const std::string& linea : lineas) {
      const auto m = LeerMovimiento(linea);
      if (linea.starts_with("reloj ")) {
        plataforma.reloj = std::stod(linea.substr(6));
      } else if (!m) {
        fallo = fallo.empty() ? "not a move: " + linea : fallo;
      } else {
        if (m->accion == Accion::Arrancar) {  // the settings the moves before it chose
          archivo_ajustes::Guardar(ini, juego->partida().ajustes);
        }
        juego->Aplicar(*m);
        if (juego->principal().tablerosConstruidos > 0 && !juego->partida().opcionesAbiertas &&
            fallo.empty() && !Incumplida(*juego).empty()) {
          fallo = Incumplida(*juego) + " after " + linea;
        }
      }
    }
  }
};

}  // namespace quorbel::prueba
