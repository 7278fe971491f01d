#pragma once

// A game on the table, in a folder of its own, with the moves a player makes with the mouse.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string_view>

#include "ArchivoAjustes.h"
#include "Juego.h"
#include "PlataformaFalsa.h"

namespace quorbel::prueba {

// A private folder, removed with everything in it.
struct CarpetaTemporal {
  std::filesystem::path ruta = std::filesystem::temp_directory_path() /
                               ("quorbel-prueba-" + std::to_string(std::random_device()()));
  CarpetaTemporal() { std::filesystem::create_directories(ruta); }
  ~CarpetaTemporal() {
    std::error_code e;
    std::filesystem::permissions(ruta, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, e);
    std::filesystem::remove_all(ruta, e);
  }
};

struct Mesa {
  CarpetaTemporal carpeta;
  PlataformaFalsa plataforma;
  std::filesystem::path ini = carpeta.ruta / "Quorbel.ini";
  Juego juego{plataforma, ini};

  const Estado& P() const { return juego.partida(); }
  const RegistroPrincipal& V() const { return juego.principal(); }

  // Starts the program with the given solution and these settings, as the settings file
  // writes them: repeats, colours, kind of pieces (0 Si, 1 No; 0 letters, 1 numbers, 2 none),
  // positions, attempts, pieces.
  void Arrancar(std::initializer_list<int> solucion, std::string_view linea = "1,0,1,4,10,10") {
    Ajustes ajustes;
    archivo_ajustes::CargarDesde(linea, ajustes);
    EXPECT_TRUE(archivo_ajustes::Guardar(ini, ajustes));
    plataforma.Solucion(solucion, ajustes.Fichas());
    juego.Aplicar({Accion::Arrancar});
  }
  int Celda(int fila, int posicion) const { return P().Casilla(fila, posicion); }
  const Elemento& CeldaE(int fila, int posicion) const {
    return V().casillas[Celda(fila, posicion)];
  }
  // Puts the cursor on a position of the current row, placing (left button) or fixing (any
  // other), pressing only when it is not there already.
  void Elegir(int posicion, int boton = kBotonIzquierdo) {
    const int k = Celda(P().FilaActual, posicion);
    const Color modo = boton == kBotonIzquierdo ? colores::kNegro : colores::kRojoClaro;
    if (!V().cursor.visible || P().CasillaActual() != k || V().cursor.borde != modo) {
      juego.Aplicar({Accion::PulsarCasilla, k, boton});
    }
  }
  void Poner(int posicion, int pieza, int boton = kBotonIzquierdo) {
    Elegir(posicion, boton);
    juego.Aplicar({Accion::PulsarFicha, pieza, kBotonIzquierdo});
  }
  void Fijar(int posicion, int pieza) { Poner(posicion, pieza, kBotonDerecho); }
  // Fills the positions of the current row that do not hold their piece yet, and sends it.
  void Jugar(std::initializer_list<int> piezas) {
    int posicion = 1;
    for (int pieza : piezas) {
      if (P().Tablero()[static_cast<std::size_t>(posicion)] != pieza) {
        Poner(posicion, pieza);
      }
      ++posicion;
    }
    juego.Aplicar({Accion::Enviar});
  }
  // A right press on a piece, then "Desechar" in its context menu.
  void Desechar(int pieza) {
    juego.Aplicar({Accion::PulsarFicha, pieza, kBotonDerecho});
    juego.Aplicar({Accion::Desechar});
  }
};

}  // namespace quorbel::prueba
