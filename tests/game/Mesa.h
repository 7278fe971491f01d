#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <random>
#include <string>

#include "ArchivoAjustes.h"
#include "Juego.h"
#include "PlataformaFalsa.h"

namespace quorbel::prueba {

// A private folder for one test's settings file.
class CarpetaTemporal {
 public:
  CarpetaTemporal() {
    std::random_device azar;
    ruta_ = std::filesystem::temp_directory_path() /
            ("quorbel-prueba-" + std::to_string(azar()) + std::to_string(azar()));
    std::filesystem::create_directories(ruta_);
  }
  ~CarpetaTemporal() {
    std::error_code e;
    std::filesystem::permissions(ruta_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, e);
    std::filesystem::remove_all(ruta_, e);
  }
  CarpetaTemporal(const CarpetaTemporal&) = delete;
  CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;
  const std::filesystem::path& ruta() const { return ruta_; }

 private:
  std::filesystem::path ruta_;
};

// A game on the table: the fake desktop, a settings file of its own, and the moves a player
// makes with the mouse.
class Mesa {
 public:
  CarpetaTemporal carpeta;
  PlataformaFalsa plataforma;
  std::filesystem::path ini = carpeta.ruta() / "Quorbel.ini";
  Juego juego{plataforma, ini};

  // Starts the program with these settings and the given solution.
  void Arrancar(std::initializer_list<int> solucion, const Ajustes& ajustes = {}) {
    EXPECT_TRUE(archivo_ajustes::Guardar(ini, ajustes));
    plataforma.Solucion(solucion, ajustes.Fichas());
    juego.Arrancar();
  }

  // "Nuevo" with the given solution.
  void Nuevo(std::initializer_list<int> solucion) {
    plataforma.Solucion(solucion, juego.partida().ajustes.Fichas());
    juego.Nuevo();
  }

  int N() const { return juego.partida().NumCasillas; }
  int Celda(int fila, int posicion) const { return (fila - 1) * N() + posicion; }
  const Elemento& CeldaE(int fila, int posicion) const {
    return juego.partida().principal.casillas[Celda(fila, posicion)];
  }

  // Moves the cursor onto a cell of the current row in placing mode, pressing it only when
  // the cursor is not already there.
  void Elegir(int posicion, int boton = kBotonIzquierdo) {
    const int k = Celda(juego.partida().FilaActual, posicion);
    const Elemento& cursor = juego.partida().principal.cursor;
    const Color modo = boton == kBotonIzquierdo ? colores::kNegro : colores::kRojoClaro;
    if (cursor.visible && juego.partida().CasillaActual == k && cursor.borde == modo) {
      return;
    }
    juego.PulsarCasilla(k, boton);
  }

  void Poner(int posicion, int pieza) {
    Elegir(posicion);
    juego.PulsarFicha(pieza, kBotonIzquierdo);
  }

  void Fijar(int posicion, int pieza) {
    Elegir(posicion, kBotonDerecho);
    juego.PulsarFicha(pieza, kBotonIzquierdo);
  }

  // Fills the free positions of the current row in order and sends it.
  void Jugar(std::initializer_list<int> piezas) {
    int posicion = 1;
    for (int pieza : piezas) {
      if (CeldaE(juego.partida().FilaActual, posicion).fondo == colores::kCasillaVacia ||
          juego.partida().Tablero[static_cast<std::size_t>(posicion)] != pieza) {
        Poner(posicion, pieza);
      }
      ++posicion;
    }
    juego.Enviar();
  }

  // Right-presses a palette piece and chooses an item of the context menu.
  void Desechar(int pieza) {
    juego.PulsarFicha(pieza, kBotonDerecho);
    juego.Desechar();
  }
  void NoFijar(int pieza) {
    juego.PulsarFicha(pieza, kBotonDerecho);
    juego.NoFijar();
  }
};

inline Ajustes HacerAjustes(int casillas, int intentos, int fichas,
                            JugarCon jugar = JugarCon::Numeros, bool colores = true,
                            bool repetidos = false) {
  Ajustes a;
  a.SeleccionarJugarCon(static_cast<int>(jugar));
  a.SeleccionarColores(colores ? 0 : 1);
  a.SeleccionarRepetidos(repetidos ? 0 : 1);
  a.SetCasillas(casillas);
  a.SetIntentos(intentos);
  a.SetFichas(fichas);
  return a;
}

}  // namespace quorbel::prueba
