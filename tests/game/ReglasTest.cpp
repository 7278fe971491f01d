// The rules that random play cannot tell from the state alone: the numbers of the layout, how
// the solution is drawn, the cursor's modes, what the aids do, and the questions asked.
#include <algorithm>
#include <fstream>
#include <random>
#include <set>

#include "Mesa.h"
#include "Posibles.h"
#include "Puntuacion.h"
#include "Teclado.h"

namespace quorbel::prueba {
namespace {

namespace fs = std::filesystem;

TEST(Puntuar, CountsEachPieceOfRowAndSolutionOnce) {
  const struct {
    std::vector<int> solucion, fila;
    Puntuacion esperada;
  } casos[] = {
      {{1, 2, 3, 4}, {1, 2, 3, 4}, {4, 0}}, {{1, 1, 2, 2}, {1, 2, 1, 2}, {2, 2}},
      {{1, 2, 3, 4}, {1, 1, 1, 1}, {1, 0}}, {{1, 1, 2, 3}, {4, 4, 1, 1}, {0, 2}},
      {{1, 2, 2, 2}, {2, 1, 1, 1}, {0, 2}}, {{5, 6, 7, 8}, {1, 2, 3, 4}, {0, 0}},
      {{4, 3, 2, 1}, {1, 2, 3, 4}, {0, 4}}, {{26, 1, 2}, {0, 26, 1}, {0, 2}},
  };
  for (const auto& c : casos) {
    EXPECT_EQ(ContarAciertos(c.solucion, c.fila), c.esperada);
  }
  // Against the count rule, over every pair of rows of four out of six pieces.
  for (int s = 0; s < 1296; ++s) {
    for (int f = 0; f < 1296; ++f) {
      std::vector<int> solucion, fila;
      for (int i = 0, a = s, b = f; i < 4; ++i, a /= 6, b /= 6) {
        solucion.push_back(a % 6 + 1);
        fila.push_back(b % 6 + 1);
      }
      int exactas = 0, comunes = 0;
      for (int i = 0; i < 4; ++i) {
        exactas += solucion[static_cast<std::size_t>(i)] == fila[static_cast<std::size_t>(i)];
      }
      for (int pieza = 1; pieza <= 6; ++pieza) {
        comunes += static_cast<int>(std::min(std::count(solucion.begin(), solucion.end(), pieza),
                                             std::count(fila.begin(), fila.end(), pieza)));
      }
      ASSERT_EQ(ContarAciertos(solucion, fila), (Puntuacion{exactas, comunes - exactas}));
    }
  }
}

TEST(Posibles, CountsWhatAnExhaustiveSearchFindsAndShowsOneOfThem) {
  std::mt19937 azar(5);
  auto entre = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(azar); };
  for (int caso = 0; caso < 400; ++caso) {
    const int n = entre(3, 4), fichas = entre(n, 8);
    const bool repetidos = caso % 2;
    auto codigo = [&] {
      std::vector<int> c;
      while (static_cast<int>(c.size()) < n) {
        const int p = entre(1, fichas);
        if (repetidos || std::find(c.begin(), c.end(), p) == c.end()) {
          c.push_back(p);
        }
      }
      return c;
    };
    const std::vector<int> solucion = codigo();
    std::vector<FilaPuntuada> filas(static_cast<std::size_t>(entre(0, 5)));
    for (FilaPuntuada& f : filas) {
      f.piezas = codigo();
      f.puntuacion = ContarAciertos(solucion, f.piezas);
    }
    auto posible = [&](const std::vector<int>& c) {
      return std::all_of(filas.begin(), filas.end(), [&](const FilaPuntuada& f) {
        return ContarAciertos(c, f.piezas) == f.puntuacion;
      });
    };
    std::uint64_t cuenta = 0;
    std::vector<int> c(static_cast<std::size_t>(n), 1);
    for (bool mas = true; mas;) {
      cuenta += posible(c) && (repetidos || std::set<int>(c.begin(), c.end()).size() == c.size());
      mas = false;
      for (std::size_t i = 0; i < c.size() && !mas; ++i) {
        mas = ++c[i] <= fichas;
        c[i] = mas ? c[i] : 1;
      }
    }
    const Posibles posibles =
        ContarPosibles(n, fichas, repetidos, filas, [&] { return entre(0, 999) / 1000.0; });
    ASSERT_EQ(posibles.cuenta, cuenta) << caso;
    ASSERT_TRUE(posibles.exacta && posible(posibles.ejemplo) && posible(solucion)) << caso;
    ASSERT_TRUE(repetidos ||
                std::set<int>(posibles.ejemplo.begin(), posibles.ejemplo.end()).size() ==
                    posibles.ejemplo.size());
  }
}

TEST(Preparacion, SolutionIsDrawnAgainOnlyWithoutRepeats) {
  for (bool repetidos : {false, true}) {
    Mesa m;
    m.plataforma.Solucion({3, 3, 5, 3, 1, 5, 2, 4}, 5);
    m.Arrancar({}, HacerAjustes(4, 10, 5, JugarCon::Numeros, true, repetidos));
    EXPECT_EQ(m.P().Solucion,
              repetidos ? std::vector<int>({0, 3, 3, 5, 3}) : std::vector<int>({0, 3, 5, 1, 2}));
    EXPECT_EQ(m.plataforma.aleatorios.size(), repetidos ? 4u : 1u);
  }
}

TEST(Colocar, ButtonsChooseTheCursorsMode) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 3, 10));
  const Elemento& cursor = m.V().cursor;
  // A second press in the same mode hides the cursor; the last row cannot be fixed.
  const struct {
    int fila, posicion, boton;
    bool visible;
    Color modo;
  } pasos[] = {
      {1, 1, kBotonIzquierdo, false, colores::kNegro},
      {1, 1, kBotonIzquierdo, true, colores::kNegro},
      {1, 2, kBotonDerecho, true, colores::kRojoClaro},
      {1, 2, kBotonDerecho, false, colores::kRojoClaro},
      {1, 2, kBotonCentral, true, colores::kRojoClaro},
      {1, 2, kBotonIzquierdo, true, colores::kNegro},
      {3, 3, kBotonDerecho, true, colores::kNegro},
      {3, 3, kBotonDerecho, true, colores::kNegro},
      {3, 3, kBotonIzquierdo, false, colores::kNegro},
  };
  for (const auto& p : pasos) {
    while (m.P().FilaActual < p.fila) {
      m.Jugar({5, 6, 7, 8});
    }
    m.juego.PulsarCasilla(m.Celda(p.fila, p.posicion), p.boton);
    EXPECT_EQ(cursor.visible, p.visible);
    EXPECT_EQ(cursor.borde, p.modo);
  }
  m.juego.PulsarFicha(9, kBotonIzquierdo);  // nothing is placed under a hidden cursor
  EXPECT_EQ(m.P().Tablero, std::vector<int>(5, 0));
  m.juego.PulsarCasilla(m.Celda(2, 1), kBotonIzquierdo);  // nor can another row be chosen
  EXPECT_FALSE(cursor.visible);
}

TEST(Enviar, ARowWithARepeatedPieceStaysOpen) {
  for (bool repetidos : {false, true}) {
    Mesa m;
    m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 10, 26, JugarCon::Letras, false, repetidos));
    m.Jugar({26, 5, 26, 6});
    EXPECT_EQ(m.P().FilaActual, repetidos ? 2 : 1);
    EXPECT_EQ(m.plataforma.UltimoMensaje(), repetidos ? "" : "No puede haber fichas repetidas.");
    EXPECT_EQ(m.P().CasillaActual, repetidos ? 5 : 1);
  }
}

TEST(Preguntas, NewGameOptionsAndSolutionAskFirst) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  m.Poner(1, 5);
  m.plataforma.respuestas = {Respuesta::Cancelar, Respuesta::Cancelar, Respuesta::Cancelar};
  m.juego.Nuevo();  // each answered Cancel: nothing changes
  m.juego.AbrirOpciones();
  m.juego.VerSolucion();
  m.juego.Tic();
  EXPECT_EQ(m.CeldaE(1, 1).rotulo, "4");
  EXPECT_EQ(m.plataforma.modales, std::vector{Ventana::AcercaDe});  // the about box at start
  EXPECT_TRUE(m.P().RelojEnMarcha && !m.P().ventanaFichas.visible);
  m.juego.VerSolucion();
  m.juego.VerSolucion();  // once open, only brought to the front
  EXPECT_EQ(m.plataforma.mensajes.size(), 4u);
  m.juego.Salir();  // closing the program hides it
  EXPECT_FALSE(m.P().ventanaFichas.visible);
}

TEST(Fijar, CopiesThePieceDownItsColumnUntilReleased) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 5, 10));
  m.Poner(4, 1);
  m.Fijar(2, 1);  // rows 1 to 5 hold piece 1 at position 2, all ringed
  EXPECT_EQ(m.CeldaE(5, 2).rotulo, "0");
  EXPECT_TRUE(m.CeldaE(1, 4).fijada);
  EXPECT_EQ(m.V().anillos.Cuenta() - 1, 6);
  m.Jugar({5, 1, 6, 7});
  EXPECT_EQ(m.P().Tablero, (std::vector<int>{0, 0, 1, 0, 0}));  // row 2 opens with it
  EXPECT_EQ(m.P().CasillaActual, m.Celda(2, 1));
  m.juego.PulsarFicha(1, kBotonDerecho);
  m.juego.NoFijar();
  EXPECT_EQ(m.CeldaE(3, 2).rotulo, "");
  EXPECT_EQ(m.CeldaE(2, 2).rotulo, "0");
  EXPECT_GT(m.V().cursor.z, m.CeldaE(2, 2).z);
  m.Desechar(1);  // released everywhere
  EXPECT_FALSE(m.V().paleta[1].visible);
}

TEST(Fijar, AtMostAllButOnePositionAndOnlyOnePiecePerColumn) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 5, 10));
  m.Poner(4, 1);
  m.Fijar(1, 1);  // also marks position 4, which holds piece 1
  m.Fijar(2, 2);
  m.Poner(3, 8);
  m.Fijar(3, 3);
  m.Fijar(4, 6);  // refused: the piece stays, unfixed, and "OK" sends the full row
  EXPECT_EQ(m.plataforma.UltimoMensaje(), "No puedes fijar todas las posiciones.");
  EXPECT_EQ(m.CeldaE(2, 4).rotulo, "");
  EXPECT_FALSE(m.CeldaE(1, 4).fijada);
  EXPECT_TRUE(m.V().okHabilitado);
  EXPECT_FALSE(m.V().cursor.visible);
  m.Desechar(6);  // an ordinary piece can be discarded
  EXPECT_FALSE(m.V().paleta[6].visible);
  m.Poner(1, 8);
  m.Desechar(8);  // position 1 free again
  m.Fijar(4, 7);  // refused on an incomplete row: "OK" stays off
  EXPECT_EQ(m.plataforma.UltimoMensaje(), "No puedes fijar todas las posiciones.");
  EXPECT_FALSE(m.V().okHabilitado);
}

TEST(Fijar, AnotherPieceFixedInTheColumnEndsThePreviousFix) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 5, 10));
  m.Fijar(2, 3);
  m.Jugar({5, 3, 6, 7});
  m.Fijar(2, 8);  // row 2: piece 8 takes position 2 over, down to row 5
  EXPECT_FALSE(m.CeldaE(1, 2).fijada);
  EXPECT_EQ(m.CeldaE(5, 2).rotulo, "7");
  m.Desechar(3);  // nothing of piece 3 is fixed any more
  EXPECT_FALSE(m.V().paleta[3].visible);
  m.Desechar(8);
  EXPECT_EQ(m.plataforma.UltimoMensaje(), "Esa ficha está fijada.");
}

TEST(Desechar, EmptiesTheRowAndStopsAtAsManyPiecesAsPositions) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 10, 8, JugarCon::Numeros, true, true));
  m.Poner(1, 2);
  m.Poner(2, 8);
  m.Poner(3, 3);
  m.Poner(4, 8);
  m.Desechar(8);  // both copies go; the cursor to the lowest of them
  EXPECT_EQ(m.P().Tablero, (std::vector<int>{0, 2, 0, 3, 0}));
  EXPECT_FALSE(m.V().okHabilitado);
  EXPECT_EQ(m.P().CasillaActual, 2);
  m.Poner(2, 4);
  m.Poner(4, 5);
  m.Desechar(7);  // a complete row without the piece still loses it
  EXPECT_FALSE(m.V().paleta[7].visible);
  EXPECT_TRUE(m.V().okHabilitado);
  m.Desechar(6);
  m.Desechar(1);
  m.Desechar(2);
  EXPECT_EQ(m.plataforma.UltimoMensaje(), "No puedes desechar mas fichas.");
  EXPECT_TRUE(m.V().paleta[2].visible);
}

TEST(Recuperar, PickerIsAsWideAsItsPiecesButNoNarrowerThanTheSolution) {
  Mesa m;
  m.Arrancar({1, 2, 3}, HacerAjustes(3, 10, 26, JugarCon::Letras, false));
  m.Poner(1, 1);
  int desechadas = 0;
  for (auto [cuantas, ancho] : {std::pair{8, 3435.0}, {9, 3750.0}, {12, 4875.0}}) {
    while (desechadas < cuantas) {
      m.Desechar(26 - desechadas++);
    }
    m.juego.Recuperar();
    EXPECT_DOUBLE_EQ(m.P().ventanaFichas.ancho, ancho);
  }
}

TEST(Teclado, EachPieceHasOneKeyAndNoKeyNamesAPieceBeyondTheGame) {
  for (auto [jugar, fichas, tecla, ficha] : {std::tuple{JugarCon::Numeros, 10, '0', 1},
                                             {JugarCon::Numeros, 6, '6', 0},
                                             {JugarCon::Letras, 13, 'm', 13},
                                             {JugarCon::Letras, 13, 'N', 0},
                                             {JugarCon::Vacio, 13, '0', 10},
                                             {JugarCon::Vacio, 13, 'c', 13},
                                             {JugarCon::Vacio, 9, '0', 0},
                                             {JugarCon::Vacio, 13, 'D', 0}}) {
    EXPECT_EQ(FichaDeTecla(jugar, fichas, tecla), ficha) << tecla;
    EXPECT_EQ(ficha ? TeclaDeFicha(jugar, ficha)[0] : 0, ficha ? std::toupper(tecla) : 0);
  }
}

TEST(Ayuda, InstructionsBesideTheProgramFirstThenInTheDocumentation) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  const fs::path junto = m.carpeta.ruta / "games", documentos = m.carpeta.ruta / "doc";
  fs::create_directories(junto);
  fs::create_directories(documentos);
  m.plataforma.directorio = junto.string();
  m.plataforma.documentacion = documentos.string();
  m.juego.ComoJugar();  // nowhere: nothing opens, nothing is said
  std::ofstream(documentos / "Instrucciones.htm") << "<html></html>";
  m.juego.ComoJugar();
  std::ofstream(junto / "Instrucciones.htm") << "<html></html>";
  m.juego.ComoJugar();
  EXPECT_EQ(m.plataforma.abiertos, (std::vector{(documentos / "Instrucciones.htm").string(),
                                                (junto / "Instrucciones.htm").string()}));
  EXPECT_TRUE(m.plataforma.mensajes.empty());
  m.juego.VerAcercaDe();
  EXPECT_EQ(m.plataforma.modales, (std::vector{Ventana::AcercaDe, Ventana::AcercaDe}));
}

}  // namespace
}  // namespace quorbel::prueba
