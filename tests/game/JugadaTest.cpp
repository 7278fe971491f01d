// Playing a game: choosing cells, placing pieces, sending rows, the score and the clock.
#include <algorithm>
#include <map>

#include "Mesa.h"

namespace quorbel::prueba {
namespace {

struct Puntuacion {
  std::vector<int> solucion;
  std::vector<int> fila;
  int muertos;
  int tocados;
};

// Scores `fila` against `solucion` on a game with that many positions and repeats allowed.
std::pair<int, int> Puntuar(Juego& juego, const std::vector<int>& solucion,
                            const std::vector<int>& fila) {
  juego.Solucion.assign(1, 0);
  juego.Solucion.insert(juego.Solucion.end(), solucion.begin(), solucion.end());
  juego.Tablero.assign(1, 0);
  juego.Tablero.insert(juego.Tablero.end(), fila.begin(), fila.end());
  juego.RelojEnMarcha = true;
  juego.Puntuar();
  return {juego.Muertos, juego.Tocados};
}

TEST(Puntuar, CountsRightPiecesInAndOutOfPlace) {
  const Puntuacion casos[] = {
      {{1, 2, 3, 4}, {1, 2, 3, 4}, 4, 0}, {{1, 1, 2, 2}, {1, 2, 1, 2}, 2, 2},
      {{1, 2, 3, 4}, {1, 1, 1, 1}, 1, 0}, {{1, 1, 2, 3}, {4, 4, 1, 1}, 0, 2},
      {{1, 2, 2, 2}, {2, 1, 1, 1}, 0, 2}, {{5, 6, 7, 8}, {1, 2, 3, 4}, 0, 0},
      {{4, 3, 2, 1}, {1, 2, 3, 4}, 0, 4}, {{1, 2, 3, 4}, {1, 2, 4, 3}, 2, 2},
  };
  for (const auto& c : casos) {
    Mesa m;
    m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 10, 8, JugarCon::Numeros, true, true));
    EXPECT_EQ(Puntuar(m.juego, c.solucion, c.fila), std::make_pair(c.muertos, c.tocados));
  }
}

TEST(Puntuar, AgreesWithTheCountRuleOnEverySmallGame) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 10, 6, JugarCon::Numeros, true, true));
  std::vector<std::vector<int>> filas;
  for (int code = 0; code < 6 * 6 * 6 * 6; ++code) {
    std::vector<int> f;
    for (int c = code, i = 0; i < 4; ++i, c /= 6) {
      f.push_back(c % 6 + 1);
    }
    filas.push_back(f);
  }
  int comprobadas = 0;
  for (const auto& solucion : filas) {
    for (const auto& fila : filas) {
      int exactas = 0;
      int comunes = 0;
      for (int i = 0; i < 4; ++i) {
        exactas += solucion[static_cast<std::size_t>(i)] == fila[static_cast<std::size_t>(i)];
      }
      for (int pieza = 1; pieza <= 6; ++pieza) {
        comunes += std::min(std::count(solucion.begin(), solucion.end(), pieza),
                            std::count(fila.begin(), fila.end(), pieza));
      }
      const auto [muertos, tocados] = Puntuar(m.juego, solucion, fila);
      ASSERT_EQ(muertos, exactas);
      ASSERT_EQ(tocados, comunes - exactas);
      if (muertos != 4) {
        // Matched entries hold distinct work marks of 100 and more; the rest are untouched.
        std::vector<int> marcas;
        for (int i = 1; i <= 4; ++i) {
          const int v = m.juego.Tablero[static_cast<std::size_t>(i)];
          if (v >= 100) {
            marcas.push_back(v);
          } else {
            ASSERT_EQ(v, fila[static_cast<std::size_t>(i - 1)]);
          }
        }
        ASSERT_EQ(static_cast<int>(marcas.size()), muertos + tocados);
        std::sort(marcas.begin(), marcas.end());
        ASSERT_EQ(std::adjacent_find(marcas.begin(), marcas.end()), marcas.end());
      }
      ++comprobadas;
    }
  }
  EXPECT_EQ(comprobadas, 1296 * 1296);
}

TEST(Colocar, OnlyCellsOfTheCurrentRowCanBeChosen) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  m.Jugar({5, 6, 7, 8});
  ASSERT_EQ(m.juego.FilaActual, 2);
  const Elemento antes = m.juego.form1.Shape2;
  for (int k : {1, 4, m.Celda(3, 1), m.Celda(10, 4)}) {
    m.juego.Label2_MouseDown(k, kBotonIzquierdo);
    m.juego.Label2_MouseDown(k, kBotonDerecho);
  }
  EXPECT_EQ(m.juego.CasillaActual, m.Celda(2, 1));
  EXPECT_DOUBLE_EQ(m.juego.form1.Shape2.left, antes.left);
  EXPECT_DOUBLE_EQ(m.juego.form1.Shape2.top, antes.top);
  EXPECT_TRUE(m.juego.form1.Shape2.visible);
}

TEST(Colocar, CursorTogglesAndChangesModeByButton) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 3, 10));
  Juego& j = m.juego;
  const Elemento& cursor = j.form1.Shape2;
  struct Paso {
    int fila;
    int posicion;
    int boton;
    bool visible;
    Color modo;
  };
  // Row 1: a left press on the black cursor hides it, another brings it back; a right press
  // turns it red, a second one hides it; a left press on a red cursor turns it black.
  const Paso pasos[] = {
      {1, 1, kBotonIzquierdo, false, colores::kNegro},
      {1, 1, kBotonIzquierdo, true, colores::kNegro},
      {1, 2, kBotonDerecho, true, colores::kRojoClaro},
      {1, 2, kBotonDerecho, false, colores::kRojoClaro},
      {1, 2, kBotonCentral, true, colores::kRojoClaro},
      {1, 2, kBotonIzquierdo, true, colores::kNegro},
  };
  for (const Paso& p : pasos) {
    j.Label2_MouseDown(m.Celda(p.fila, p.posicion), p.boton);
    EXPECT_EQ(cursor.visible, p.visible);
    EXPECT_EQ(cursor.borde, p.modo);
  }
  EXPECT_EQ(j.CasillaActual, m.Celda(1, 2));

  // On the last row a right press selects but never turns the cursor red, so a second right
  // press selects again instead of hiding it.
  m.Jugar({5, 6, 7, 8});
  m.Jugar({5, 6, 7, 8});
  ASSERT_EQ(j.FilaActual, 3);
  j.Label2_MouseDown(m.Celda(3, 3), kBotonDerecho);
  EXPECT_TRUE(cursor.visible);
  EXPECT_EQ(cursor.borde, colores::kNegro);
  j.Label2_MouseDown(m.Celda(3, 3), kBotonDerecho);
  EXPECT_TRUE(cursor.visible);
  EXPECT_EQ(j.CasillaActual, m.Celda(3, 3));
}

TEST(Colocar, PieceGoesToTheCursorAndTheCursorToTheLowestFreePosition) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  Juego& j = m.juego;
  m.Poner(1, 3);
  EXPECT_EQ(m.CeldaE(1, 1).caption, "2");
  EXPECT_EQ(m.CeldaE(1, 1).fondo, kTablaColores[2].fondo);
  EXPECT_EQ(m.CeldaE(1, 1).texto, kTablaColores[2].texto);
  EXPECT_EQ(j.CasillaActual, 2);
  m.Poner(3, 5);
  EXPECT_EQ(j.CasillaActual, 2);  // position 2 is still the lowest free one
  m.Poner(2, 6);
  EXPECT_EQ(j.CasillaActual, 4);
  EXPECT_FALSE(j.form1.Command1Enabled);
  // Replacing a filled cell: the cursor jumps back to the lowest free position.
  m.Poner(1, 9);
  EXPECT_EQ(m.CeldaE(1, 1).caption, "8");
  EXPECT_EQ(j.Tablero, (std::vector<int>{0, 9, 6, 5, 0}));
  EXPECT_EQ(j.CasillaActual, 4);
  m.Poner(4, 10);
  EXPECT_TRUE(j.form1.Command1Enabled);
  EXPECT_FALSE(j.form1.Shape2.visible);
  // The hidden cursor still lies over the last cell: one left press there hides it again,
  // the next shows it.
  j.Label2_MouseDown(4, kBotonIzquierdo);
  EXPECT_FALSE(j.form1.Shape2.visible);
  j.Label2_MouseDown(4, kBotonIzquierdo);
  EXPECT_TRUE(j.form1.Shape2.visible);
}

TEST(Colocar, NothingIsPlacedWhileTheCursorIsHidden) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  m.juego.Label2_MouseDown(1, kBotonIzquierdo);  // hides the cursor
  m.juego.Label4_MouseDown(5, kBotonIzquierdo);
  EXPECT_EQ(m.CeldaE(1, 1).fondo, colores::kCasillaVacia);
  EXPECT_EQ(m.juego.Tablero[1], 0);
  EXPECT_FALSE(m.juego.RelojEnMarcha);
  EXPECT_EQ(m.juego.form1.Timer1Interval, 0);
}

TEST(Colocar, FirstPlacementStartsTheClockOnce) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  m.plataforma.reloj = 50;
  m.Poner(1, 5);
  EXPECT_TRUE(m.juego.RelojEnMarcha);
  EXPECT_DOUBLE_EQ(m.juego.HoraInicio, 50);
  EXPECT_EQ(m.juego.form1.Timer1Interval, 100);
  m.plataforma.reloj = 70;
  m.Poner(1, 6);  // refilling the same cell does not restart it
  EXPECT_DOUBLE_EQ(m.juego.HoraInicio, 50);
}

TEST(Colocar, OtherButtonsOnThePaletteOpenTheContextMenu) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  m.juego.Label4_MouseDown(7, kBotonDerecho);
  m.juego.Label4_MouseDown(8, kBotonCentral);
  EXPECT_EQ(m.plataforma.menusQuitar, 2);
  EXPECT_EQ(m.juego.FichaActual, 8);
  EXPECT_EQ(m.CeldaE(1, 1).fondo, colores::kCasillaVacia);
}

TEST(Colocar, HoverFrameFollowsThePointerOnlyToANewPiece) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  Elemento& marco = m.juego.form1.Shape1;
  m.juego.Label4_MouseMove(5);
  EXPECT_DOUBLE_EQ(marco.left, m.juego.form1.Label4[5].left);
  EXPECT_TRUE(marco.visible);
  marco.visible = false;  // as a discard leaves it
  m.juego.Label4_MouseMove(5);
  EXPECT_FALSE(marco.visible);
  m.juego.Label4_MouseMove(6);
  EXPECT_TRUE(marco.visible);
  EXPECT_DOUBLE_EQ(marco.left, m.juego.form1.Label4[6].left);
}

TEST(Enviar, IgnoredWhileNoGameIsUnderWay) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  m.juego.Command1_Click();
  EXPECT_EQ(m.juego.FilaActual, 1);
  m.Jugar({5, 6, 7, 8});
  for (int posicion = 1; posicion <= 4; ++posicion) {
    m.Poner(posicion, posicion + 4);
  }
  ASSERT_TRUE(m.juego.form1.Command1Enabled);
  m.juego.Form2_Activate();  // opening the options stops the game's clock
  m.juego.Command1_Click();
  EXPECT_EQ(m.juego.FilaActual, 2);
  EXPECT_EQ(m.juego.form1.Label3.Count(), 2);
}

TEST(Enviar, RepeatedPiecesAreRefusedWithoutRepeats) {
  for (int pieza : {1, 10, 13, 26}) {
    SCOPED_TRACE(pieza);
    Mesa m;
    m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 10, 26, JugarCon::Letras, false));
    m.Jugar({pieza, 5, pieza == 1 ? 2 : 1, pieza});
    Juego& j = m.juego;
    EXPECT_EQ(m.plataforma.UltimoMensaje(), "No puede haber fichas repetidas.");
    EXPECT_EQ(m.plataforma.mensajes.back().icono, Icono::Informacion);
    EXPECT_EQ(j.FilaActual, 1);
    EXPECT_EQ(j.CasillaActual, 1);
    EXPECT_TRUE(j.form1.Shape2.visible);
    EXPECT_FALSE(j.form1.Command1Enabled);
    EXPECT_EQ(j.Tablero[1], pieza);
    EXPECT_EQ(j.form1.Label3.Count(), 1);
  }
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 10, 10, JugarCon::Numeros, true, true));
  m.Jugar({7, 7, 7, 1});
  EXPECT_TRUE(m.plataforma.mensajes.empty());
  EXPECT_EQ(m.juego.FilaActual, 2);
}

TEST(Enviar, ScoreIsDrawnAsMarksOrText) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  m.Jugar({1, 2, 4, 9});  // 2 muertos, 1 tocado
  m.juego.MnuTexto_Click();
  m.Jugar({1, 2, 3, 5});  // 3 muertos, 0 tocados, scored in text mode
  m.juego.MnuSimbol_Click();
  m.Jugar({5, 6, 7, 8});  // nothing right
  const Form1& f = m.juego.form1;
  ASSERT_EQ(f.Label3.Count(), 4);
  EXPECT_EQ(f.Label3[1].caption, "  2 muerto/s.   1 tocado/s.");
  EXPECT_EQ(f.Label3[2].caption, "  3 muerto/s.   0 tocado/s.");
  EXPECT_EQ(f.Label3[3].caption, "  0 muerto/s.   0 tocado/s.");
  for (int fila = 1; fila <= 3; ++fila) {
    EXPECT_DOUBLE_EQ(f.Label3[fila].left, 3300);
    EXPECT_DOUBLE_EQ(f.Label3[fila].top, m.CeldaE(fila, 1).top);
    EXPECT_FALSE(f.Label3[fila].visible);  // back in mark mode
  }
  ASSERT_EQ(f.Shape3.Count() - 1, 5);
  ASSERT_EQ(f.Shape4.Count() - 1, 1);
  EXPECT_DOUBLE_EQ(f.Shape3[1].left, 3300);
  EXPECT_DOUBLE_EQ(f.Shape3[2].left, 3550);
  EXPECT_DOUBLE_EQ(f.Shape4[1].left, 3800);
  EXPECT_DOUBLE_EQ(f.Shape4[1].top, m.CeldaE(1, 1).top + 60);
  EXPECT_DOUBLE_EQ(f.Shape3[5].left, 3800);
  EXPECT_DOUBLE_EQ(f.Shape3[5].top, m.CeldaE(2, 1).top);
}

TEST(Enviar, ThreeExactAndOnePartialGiveCirclesThenARectangle) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4, 5}, HacerAjustes(5, 10, 10));
  m.Jugar({1, 2, 3, 5, 9});
  const Form1& f = m.juego.form1;
  ASSERT_EQ(f.Shape3.Count() - 1, 3);
  ASSERT_EQ(f.Shape4.Count() - 1, 1);
  const double top = m.CeldaE(1, 1).top;
  for (int i = 1; i <= 3; ++i) {
    EXPECT_DOUBLE_EQ(f.Shape3[i].left, 3300 + 250 * (i - 1));
    EXPECT_DOUBLE_EQ(f.Shape3[i].top, top);
    EXPECT_TRUE(f.Shape3[i].visible);
  }
  EXPECT_DOUBLE_EQ(f.Shape4[1].left, 4050);
  EXPECT_DOUBLE_EQ(f.Shape4[1].top, top + 60);
  EXPECT_FALSE(f.Label3[1].visible);
}

TEST(Enviar, NextRowOpensClearedWithTheCursorOnItsFirstCell) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  m.Jugar({4, 3, 2, 1});
  Juego& j = m.juego;
  EXPECT_EQ(j.FilaActual, 2);
  EXPECT_EQ(j.Tablero, (std::vector<int>{0, 0, 0, 0, 0}));
  EXPECT_EQ(j.CasillaActual, m.Celda(2, 1));
  EXPECT_DOUBLE_EQ(j.form1.Shape2.top, m.CeldaE(2, 1).top);
  EXPECT_TRUE(j.form1.Shape2.visible);
  EXPECT_FALSE(j.form1.Command1Enabled);
  EXPECT_EQ(m.CeldaE(1, 1).caption, "3");  // earlier rows keep their pieces
}

TEST(Final, WinningRowIsCongratulatedAndGetsNoScore) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  m.Jugar({5, 6, 7, 8});
  m.Jugar({1, 2, 3, 4});
  Juego& j = m.juego;
  ASSERT_EQ(m.plataforma.mensajes.size(), 1u);
  EXPECT_EQ(m.plataforma.UltimoMensaje(), "Felicidades! Lo has resuelto!");
  EXPECT_EQ(m.plataforma.mensajes[0].icono, Icono::Informacion);
  EXPECT_FALSE(j.RelojEnMarcha);
  EXPECT_EQ(j.form1.Label3.Count(), 2);  // only the first row was scored
  EXPECT_FALSE(j.form1.Shape2.visible);
  EXPECT_EQ(j.FilaActual, 3);
}

TEST(Final, WinWhileTheSolutionIsShownIsNotCongratulated) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  m.juego.MnuSoluc_Click();
  m.Jugar({1, 2, 3, 4});
  EXPECT_EQ(m.plataforma.UltimoMensaje(), "Viendo la solución cualquiera acierta.");
}

TEST(Final, WonGameIsOverUntilTheNextSetUp) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  m.Jugar({1, 2, 3, 4});
  Juego& j = m.juego;
  // The next row exists, but nothing can be chosen or placed in it.
  j.Label2_MouseDown(m.Celda(2, 1), kBotonIzquierdo);
  j.Label2_MouseDown(m.Celda(2, 2), kBotonDerecho);
  EXPECT_FALSE(j.form1.Shape2.visible);
  j.form1.Shape2.visible = true;
  j.Label4_MouseDown(5, kBotonIzquierdo);
  EXPECT_EQ(m.CeldaE(2, 1).fondo, colores::kCasillaVacia);
  EXPECT_FALSE(j.RelojEnMarcha);
  j.Command1_Click();
  EXPECT_EQ(j.FilaActual, 2);
  m.Nuevo({4, 3, 2, 1});
  m.Poner(1, 5);
  EXPECT_EQ(m.CeldaE(1, 1).caption, "4");
  EXPECT_TRUE(j.RelojEnMarcha);
  // "OK" stayed enabled after the win; the new game's first piece must not send a row.
  EXPECT_FALSE(j.form1.Command1Enabled);
}

TEST(Final, LastRowMissedShowsTheSolutionAndEndsTheGame) {
  Mesa m;
  m.Arrancar({3, 1, 4, 2}, HacerAjustes(4, 2, 10));
  m.Jugar({5, 6, 7, 8});
  m.Jugar({1, 2, 3, 4});
  Juego& j = m.juego;
  EXPECT_FALSE(j.RelojEnMarcha);
  EXPECT_EQ(j.FilaActual, 3);
  EXPECT_EQ(j.form1.Label3.Count(), 2);  // the last row gets no score
  EXPECT_EQ(j.form1.Shape3.Count(), 1);
  const Form3& s = j.form3;
  EXPECT_TRUE(s.visible);
  EXPECT_EQ(s.caption, "Fallaste. La solución es...");
  EXPECT_EQ(s.fondo, colores::kGrisClaro);
  EXPECT_DOUBLE_EQ(s.ancho, 3435);
  EXPECT_DOUBLE_EQ(s.alto, 960);
  const char* esperadas[] = {"2", "0", "3", "1"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(s.Label1[i].caption, esperadas[i]);
    EXPECT_EQ(s.Label1[i].fondo, j.form1.Label4[j.Solucion[static_cast<std::size_t>(i) + 1]].fondo);
    EXPECT_DOUBLE_EQ(s.Label1[i].left, 195 + 375 * i);
    EXPECT_DOUBLE_EQ(s.Label1[i].height, 375);
    EXPECT_TRUE(s.Label1[i].visible);
  }
  for (int i = 4; i <= 12; ++i) {
    EXPECT_FALSE(s.Label1[i].visible);
  }
  // No cell can be chosen any more, and the small window only displays.
  j.Label2_MouseDown(m.Celda(2, 1), kBotonIzquierdo);
  EXPECT_FALSE(j.form1.Shape2.visible);
  j.Form3_Label1_Click(0);
  EXPECT_TRUE(s.visible);
  EXPECT_TRUE(j.form1.Label4[3].visible);
}

TEST(Final, SolutionWindowWidthFollowsThePositions) {
  const std::pair<int, double> casos[] = {{3, 3435}, {4, 3435}, {8, 3435}, {9, 3750}, {10, 4125}};
  for (const auto& [casillas, ancho] : casos) {
    Mesa m;
    m.Arrancar({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, HacerAjustes(casillas, 10, 10));
    m.juego.MnuSoluc_Click();
    EXPECT_DOUBLE_EQ(m.juego.form3.ancho, ancho);
  }
}

TEST(Reloj, CountsWholeSecondsAndStopsAtTheNextTickAfterTheEnd) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  Juego& j = m.juego;
  m.plataforma.reloj = 100.25;
  m.Poner(1, 5);
  const std::pair<double, const char*> lecturas[] = {{100.3, "0"},   {101.2, "0"},  {101.25, "1"},
                                                     {159.24, "58"}, {160.2, "59"}, {161.3, "61"}};
  for (const auto& [t, texto] : lecturas) {
    m.plataforma.reloj = t;
    j.Timer1_Timer();
    EXPECT_EQ(j.form1.Label6.caption, texto);
    EXPECT_EQ(j.form1.Timer1Interval, 100);
  }
  m.Jugar({5, 6, 7, 8});
  m.Jugar({1, 2, 3, 4});                   // won
  EXPECT_EQ(j.form1.Timer1Interval, 100);  // still ticking until the next tick
  m.plataforma.reloj = 200;
  j.Timer1_Timer();
  EXPECT_EQ(j.form1.Label6.caption, "0");
  EXPECT_EQ(j.form1.Timer1Interval, 0);
}

TEST(Reloj, LostGameStopsTheClockAtTheNextTick) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 1, 10));
  m.Jugar({5, 6, 7, 8});
  EXPECT_EQ(m.juego.form1.Timer1Interval, 100);
  m.juego.Timer1_Timer();
  EXPECT_EQ(m.juego.form1.Label6.caption, "0");
  EXPECT_EQ(m.juego.form1.Timer1Interval, 0);
}

}  // namespace
}  // namespace quorbel::prueba
