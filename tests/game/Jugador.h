#pragma once

// A player who clicks at random, and the rules that must hold whatever it clicks. Shared by
// the random-play test and the event fuzzer.
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "ArchivoAjustes.h"
#include "Juego.h"
#include "PlataformaFalsa.h"

namespace quorbel::prueba {

// Where the player's choices come from.
class Fuente {
 public:
  virtual ~Fuente() = default;
  virtual int Elegir(int n) = 0;  // 0 .. n - 1
  virtual double Real() = 0;      // [0, 1)
  virtual bool Agotada() const { return false; }
};

class FuenteAzar : public Fuente {
 public:
  explicit FuenteAzar(std::uint64_t semilla) : motor_(semilla) {}
  int Elegir(int n) override { return std::uniform_int_distribution<int>(0, n - 1)(motor_); }
  double Real() override { return std::uniform_real_distribution<double>(0.0, 1.0)(motor_); }

 private:
  std::mt19937_64 motor_;
};

// A fuzzer's bytes, read one choice at a time. Once they run out, choices are 0 and random
// numbers go on from a fixed sequence, so that dealing a game always ends.
class FuenteBytes : public Fuente {
 public:
  FuenteBytes(const std::uint8_t* datos, std::size_t tamano) : datos_(datos), tamano_(tamano) {}
  int Elegir(int n) override { return static_cast<int>(Siguiente() % static_cast<unsigned>(n)); }
  double Real() override {
    if (Agotada()) {
      resto_ = std::fmod(resto_ + 0.618033988749895, 1.0);
      return resto_;
    }
    return (Siguiente() << 8 | Siguiente()) / 65536.0;
  }
  bool Agotada() const override { return pos_ >= tamano_; }

 private:
  double resto_ = 0;
  unsigned Siguiente() { return pos_ < tamano_ ? datos_[pos_++] : 0u; }
  const std::uint8_t* datos_;
  std::size_t tamano_;
  std::size_t pos_ = 0;
};

// A folder in memory when there is one: every accepted options dialog writes the file.
inline std::filesystem::path CarpetaRapida() {
  std::error_code e;
  return std::filesystem::is_directory("/dev/shm", e) ? std::filesystem::path("/dev/shm")
                                                      : std::filesystem::temp_directory_path();
}

// The first rule the game's state breaks, or "" when all hold.
inline std::string Incumplida(const Juego& j) {
  std::ostringstream fallo;
  const Ajustes& a = j.partida().ajustes;
  if (a.Casillas() < 3 || a.Casillas() > 10 || a.Intentos() < 1 || a.Intentos() > 20 ||
      a.Fichas() < a.Casillas() || a.Fichas() > a.LimiteFichas() ||
      a.LimiteFichas() != a.LimiteSegunTabla() || (a.Jugar() == JugarCon::Vacio && !a.Colores())) {
    return "settings out of bounds";
  }
  const RegistroPrincipal& f = j.partida().principal;
  const int n = j.partida().NumCasillas;
  if (f.casillas.Cuenta() - 1 != n * a.Intentos()) {
    return "board has " + std::to_string(f.casillas.Cuenta() - 1) + " cells";
  }
  const Matriz& paleta = f.paleta;
  if (paleta.Cuenta() - 1 != j.partida().NumFichas) {
    return "palette size";
  }
  auto muestra = [&](const Elemento& celda, int p) {
    return celda.rotulo == paleta[p].rotulo && celda.fondo == paleta[p].fondo;
  };
  for (int k = 1; k < f.casillas.Cuenta(); ++k) {
    const Elemento& celda = f.casillas[k];
    const bool libre = celda.rotulo.empty() && celda.fondo == colores::kCasillaVacia;
    bool pieza = false;
    for (int p = 1; p < paleta.Cuenta() && !pieza; ++p) {
      pieza = muestra(celda, p);
    }
    if (!libre && !pieza) {
      return "cell " + std::to_string(k) + " shows no piece";
    }
  }
  if (static_cast<int>(j.partida().Solucion.size()) != n + 1) {
    return "solution size";
  }
  for (int p = 1; p <= n; ++p) {
    const int s = j.partida().Solucion[static_cast<std::size_t>(p)];
    if (s < 1 || s > j.partida().NumFichas) {
      return "solution piece out of range";
    }
    for (int q = 1; q < p && !a.Repetidos(); ++q) {
      if (j.partida().Solucion[static_cast<std::size_t>(q)] == s) {
        return "solution repeats a piece";
      }
    }
  }
  if (j.partida().RelojEnMarcha) {
    if (j.partida().FilaActual < 1 || j.partida().FilaActual > a.Intentos()) {
      return "current row " + std::to_string(j.partida().FilaActual);
    }
    const int base = (j.partida().FilaActual - 1) * n;
    if (f.cursor.visible) {
      const Elemento& celda = f.casillas[j.partida().CasillaActual];
      if (j.partida().CasillaActual <= base || j.partida().CasillaActual > base + n ||
          f.cursor.izquierda != celda.izquierda || f.cursor.arriba != celda.arriba) {
        return "cursor off the current row";
      }
    }
    bool completa = true;
    for (int p = 1; p <= n; ++p) {
      const Elemento& celda = f.casillas[base + p];
      const int t = j.partida().Tablero[static_cast<std::size_t>(p)];
      const bool libre = celda.fondo == colores::kCasillaVacia && celda.rotulo.empty();
      completa = completa && t != 0;
      if ((t == 0) != libre || (t != 0 && (t > j.partida().NumFichas || !muestra(celda, t)))) {
        return "row entry " + std::to_string(p) + " disagrees with its cell";
      }
    }
    if (f.okHabilitado && !completa) {
      return "OK enabled on an incomplete row";
    }
  }
  int visibles = 0;
  for (int p = 1; p < paleta.Cuenta(); ++p) {
    if (!paleta[p].visible) {
      continue;
    }
    if (paleta[p].izquierda != 120 + 375 * (visibles % 13) ||
        paleta[p].arriba != 120 + 375 * (visibles / 13)) {
      return "palette not packed at piece " + std::to_string(p);
    }
    ++visibles;
  }
  if (visibles < n) {
    return "fewer pieces than positions";
  }
  return "";
}

// A game played by clicks chosen from a source, its settings file at `ini`.
class Jugador {
 public:
  Jugador(Fuente& fuente, const std::filesystem::path& ini)
      : fuente_(fuente), juego(plataforma, ini) {
    plataforma.azar = [this] { return fuente_.Real(); };
    plataforma.responder = [this] {
      return fuente_.Elegir(4) == 0 ? Respuesta::Cancelar : Respuesta::Ok;
    };
    plataforma.alMenuQuitar = [this] {
      switch (fuente_.Elegir(3)) {
        case 0:
          Anotar("Desechar");
          juego.Desechar();
          break;
        case 1:
          Anotar("No Fijar");
          juego.NoFijar();
          break;
        default:
          Anotar("menu dismissed");
      }
    };
    plataforma.alMostrarModal = [this](Ventana v) { EnVentanaModal(v); };
    Ajustes inicial;
    AjustesAlAzar(inicial);
    archivo_ajustes::Guardar(ini, inicial);
  }

  // Starts the program and plays up to `eventos` events; returns the first broken rule or
  // escaped exception, or "".
  std::string Jugar(int eventos) {
    try {
      Anotar("start");
      juego.Arrancar();
      for (int i = 0; i < eventos && !fuente_.Agotada(); ++i) {
        Evento();
        if (std::string fallo = Incumplida(juego); !fallo.empty()) {
          return fallo;
        }
      }
    } catch (const std::exception& e) {
      return std::string("exception: ") + e.what();
    }
    return "";
  }

  std::string Registro() const {
    std::string texto;
    for (const std::string& e : registro_) {
      texto += e + "\n";
    }
    return texto;
  }

  PlataformaFalsa plataforma;

 private:
  Fuente& fuente_;

 public:
  Juego juego;

 private:
  void Anotar(std::string evento) { registro_.push_back(std::move(evento)); }

  int Boton() {
    const int b = fuente_.Elegir(4);
    return b < 2 ? kBotonIzquierdo : b == 2 ? kBotonDerecho : kBotonCentral;
  }

  void AjustesAlAzar(Ajustes& a) {
    a.SeleccionarRepetidos(fuente_.Elegir(2));
    a.SeleccionarJugarCon(fuente_.Elegir(3));
    a.SeleccionarColores(fuente_.Elegir(2));
    a.SetCasillas(3 + fuente_.Elegir(8));
    a.SetIntentos(1 + fuente_.Elegir(20));
    a.SetFichas(a.MinFichas() + fuente_.Elegir(a.LimiteFichas() - a.MinFichas() + 1));
  }

  void EnVentanaModal(Ventana v) {
    if (v == Ventana::Opciones) {
      juego.ActivarOpciones();
      // The dialog's controls, moved the way the player would.
      const Ajustes& a = juego.partida().ajustes;
      juego.ElegirRepetidos(fuente_.Elegir(2));
      juego.ElegirJugarCon(fuente_.Elegir(3));
      juego.ElegirColores(fuente_.Elegir(2));
      juego.MoverCasillas(3 + fuente_.Elegir(8));
      juego.MoverIntentos(1 + fuente_.Elegir(20));
      juego.MoverFichas(a.MinFichas() + fuente_.Elegir(a.LimiteFichas() - a.MinFichas() + 1));
      if (fuente_.Elegir(4) == 0) {
        Anotar("options closed");
        juego.CerrarOpciones();
      } else {
        Anotar("options accepted");
        juego.AceptarOpciones();
      }
    } else if (v == Ventana::Fichas) {
      if (fuente_.Elegir(5) == 0) {
        Anotar("picker closed");
        juego.CerrarVentanaFichas();
      } else {
        const int celda = fuente_.Elegir(27);
        Anotar("picker cell " + std::to_string(celda));
        juego.ElegirRecuperada(celda);
      }
    }
  }

  void Evento() {
    const RegistroPrincipal& f = juego.partida().principal;
    const int fila = std::clamp(juego.partida().FilaActual, 1, juego.partida().ajustes.Intentos());
    switch (fuente_.Elegir(20)) {
      case 0:
      case 1:
      case 2:
      case 3: {  // mostly cells of the current row
        const int k = fuente_.Elegir(4) == 0 ? 1 + fuente_.Elegir(f.casillas.Cuenta() - 1)
                                             : (fila - 1) * juego.partida().NumCasillas + 1 +
                                                   fuente_.Elegir(juego.partida().NumCasillas);
        const int b = Boton();
        Anotar("cell " + std::to_string(k) + " button " + std::to_string(b));
        juego.PulsarCasilla(k, b);
        break;
      }
      case 4:
      case 5:
      case 6:
      case 7:
      case 8: {
        const int p = 1 + fuente_.Elegir(f.paleta.Cuenta() - 1);
        if (!f.paleta[p].visible) {
          break;  // a discarded piece takes no clicks
        }
        const int b = fuente_.Elegir(5) == 0 ? Boton() : kBotonIzquierdo;
        Anotar("piece " + std::to_string(p) + " button " + std::to_string(b));
        juego.PulsarFicha(p, b);
        break;
      }
      case 9: {
        const int p = 1 + fuente_.Elegir(f.paleta.Cuenta() - 1);
        if (f.paleta[p].visible) {
          Anotar("hover " + std::to_string(p));
          juego.PasarSobreFicha(p);
        }
        break;
      }
      case 10:
      case 11:
        if (f.okHabilitado) {
          Anotar("OK");
          juego.Enviar();
        }
        break;
      case 12:
        Anotar("Nuevo");
        juego.Nuevo();
        break;
      case 13:
        Anotar("Opciones");
        juego.AbrirOpciones();
        break;
      case 14:
        Anotar("Recuperar");
        juego.Recuperar();
        break;
      case 15:
        Anotar("Solución");
        juego.VerSolucion();
        if (juego.partida().ventanaFichas.visible && fuente_.Elegir(3) == 0) {
          Anotar("solution closed");
          juego.CerrarVentanaFichas();
        }
        break;
      case 16:
        Anotar("Cambiar color");
        juego.CambiarColor();
        break;
      case 17:
        if (f.simbolosHabilitado) {
          Anotar("Símbolos");
          juego.VerSimbolos();
        } else {
          Anotar("Texto");
          juego.VerTexto();
        }
        break;
      default:
        if (f.intervaloReloj > 0) {
          plataforma.reloj += 0.1 + fuente_.Elegir(100);
          Anotar("tick");
          juego.Tic();
        }
        break;
    }
  }

  std::vector<std::string> registro_;
};

}  // namespace quorbel::prueba
