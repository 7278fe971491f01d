// Playing a game: choosing cells, placing pieces, sending rows, the score and the clock.
#include <algorithm>
#include <map>

#include "Mesa.h"
#include "Puntuacion.h"

namespace quorbel::prueba {
namespace {

struct Caso {
  std::vector<int> solucion;
  std::vector<int> fila;
  int muertos;
  int tocados;
};

TEST(Puntuar, CountsRightPiecesInAndOutOfPlace) {
  const Caso casos[] = {
      {{1, 2, 3, 4}, {1, 2, 3, 4}, 4, 0}, {{1, 1, 2, 2}, {1, 2, 1, 2}, 2, 2},
      {{1, 2, 3, 4}, {1, 1, 1, 1}, 1, 0}, {{1, 1, 2, 3}, {4, 4, 1, 1}, 0, 2},
      {{1, 2, 2, 2}, {2, 1, 1, 1}, 0, 2}, {{5, 6, 7, 8}, {1, 2, 3, 4}, 0, 0},
      {{4, 3, 2, 1}, {1, 2, 3, 4}, 0, 4}, {{1, 2, 3, 4}, {1, 2, 4, 3}, 2, 2},
  };
  for (const auto& c : casos) {
    EXPECT_EQ(ContarAciertos(c.solucion, c.fila), (Puntuacion{c.muertos, c.tocados}));
  }
}

TEST(Puntuar, AgreesWithTheCountRuleOnEverySmallGame) {
  std::vector<std::vector<int>> filas;
  for (int code = 0; code < 6 * 6 * 6 * 6; ++code) {
    std::vector<int> f;
    for (int c = code, i = 0; i < 4; ++i, c /= 6) {
      f.push_back(c % 6 + 1);
    }
    filas.push_back(f);
  }
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
      ASSERT_EQ(ContarAciertos(solucion, fila), (Puntuacion{exactas, comunes - exactas}));
    }
  }
}

TEST(Colocar, OnlyCellsOfTheCurrentRowCanBeChosen) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  m.Jugar({5, 6, 7, 8});
  ASSERT_EQ(m.juego.partida().FilaActual, 2);
  const Elemento antes = m.juego.partida().principal.cursor;
  for (int k : {1, 4, m.Celda(3, 1), m.Celda(10, 4)}) {
    m.juego.PulsarCasilla(k, kBotonIzquierdo);
    m.juego.PulsarCasilla(k, kBotonDerecho);
  }
  EXPECT_EQ(m.juego.partida().CasillaActual, m.Celda(2, 1));
  EXPECT_DOUBLE_EQ(m.juego.partida().principal.cursor.izquierda, antes.izquierda);
  EXPECT_DOUBLE_EQ(m.juego.partida().principal.cursor.arriba, antes.arriba);
  EXPECT_TRUE(m.juego.partida().principal.cursor.visible);
}

TEST(Colocar, CursorTogglesAndChangesModeByButton) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 3, 10));
  Juego& j = m.juego;
  const Elemento& cursor = j.partida().principal.cursor;
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
    j.PulsarCasilla(m.Celda(p.fila, p.posicion), p.boton);
    EXPECT_EQ(cursor.visible, p.visible);
    EXPECT_EQ(cursor.borde, p.modo);
  }
  EXPECT_EQ(j.partida().CasillaActual, m.Celda(1, 2));

  // On the last row a right press selects but never turns the cursor red, so a second right
  // press selects again instead of hiding it.
  m.Jugar({5, 6, 7, 8});
  m.Jugar({5, 6, 7, 8});
  ASSERT_EQ(j.partida().FilaActual, 3);
  j.PulsarCasilla(m.Celda(3, 3), kBotonDerecho);
  EXPECT_TRUE(cursor.visible);
  EXPECT_EQ(cursor.borde, colores::kNegro);
  j.PulsarCasilla(m.Celda(3, 3), kBotonDerecho);
  EXPECT_TRUE(cursor.visible);
  EXPECT_EQ(j.partida().CasillaActual, m.Celda(3, 3));
}

TEST(Colocar, PieceGoesToTheCursorAndTheCursorToTheLowestFreePosition) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  Juego& j = m.juego;
  m.Poner(1, 3);
  EXPECT_EQ(m.CeldaE(1, 1).rotulo, "2");
  EXPECT_EQ(m.CeldaE(1, 1).fondo, kTablaColores[2].fondo);
  EXPECT_EQ(m.CeldaE(1, 1).tinta, kTablaColores[2].tinta);
  EXPECT_EQ(j.partida().CasillaActual, 2);
  m.Poner(3, 5);
  EXPECT_EQ(j.partida().CasillaActual, 2);  // position 2 is still the lowest free one
  m.Poner(2, 6);
  EXPECT_EQ(j.partida().CasillaActual, 4);
  EXPECT_FALSE(j.partida().principal.okHabilitado);
  // Replacing a filled cell: the cursor jumps back to the lowest free position.
  m.Poner(1, 9);
  EXPECT_EQ(m.CeldaE(1, 1).rotulo, "8");
  EXPECT_EQ(j.partida().Tablero, (std::vector<int>{0, 9, 6, 5, 0}));
  EXPECT_EQ(j.partida().CasillaActual, 4);
  m.Poner(4, 10);
  EXPECT_TRUE(j.partida().principal.okHabilitado);
  EXPECT_FALSE(j.partida().principal.cursor.visible);
  // The hidden cursor still lies over the last cell: one left press there hides it again,
  // the next shows it.
  j.PulsarCasilla(4, kBotonIzquierdo);
  EXPECT_FALSE(j.partida().principal.cursor.visible);
  j.PulsarCasilla(4, kBotonIzquierdo);
  EXPECT_TRUE(j.partida().principal.cursor.visible);
}

TEST(Colocar, NothingIsPlacedWhileTheCursorIsHidden) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  m.juego.PulsarCasilla(1, kBotonIzquierdo);  // hides the cursor
  m.juego.PulsarFicha(5, kBotonIzquierdo);
  EXPECT_EQ(m.CeldaE(1, 1).fondo, colores::kCasillaVacia);
  EXPECT_EQ(m.juego.partida().Tablero[1], 0);
  EXPECT_FALSE(m.juego.partida().RelojEnMarcha);
  EXPECT_EQ(m.juego.partida().principal.intervaloReloj, 0);
}

TEST(Colocar, FirstPlacementStartsTheClockOnce) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  m.plataforma.reloj = 50;
  m.Poner(1, 5);
  EXPECT_TRUE(m.juego.partida().RelojEnMarcha);
  EXPECT_DOUBLE_EQ(m.juego.partida().HoraInicio, 50);
  EXPECT_EQ(m.juego.partida().principal.intervaloReloj, 100);
  m.plataforma.reloj = 70;
  m.Poner(1, 6);  // refilling the same cell does not restart it
  EXPECT_DOUBLE_EQ(m.juego.partida().HoraInicio, 50);
}

TEST(Colocar, OtherButtonsOnThePaletteOpenTheContextMenu) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  m.juego.PulsarFicha(7, kBotonDerecho);
  m.juego.PulsarFicha(8, kBotonCentral);
  EXPECT_EQ(m.plataforma.menusQuitar, 2);
  EXPECT_EQ(m.juego.partida().FichaActual, 8);
  EXPECT_EQ(m.CeldaE(1, 1).fondo, colores::kCasillaVacia);
}

TEST(Colocar, HoverFrameFollowsThePointerOnlyToANewPiece) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  const Elemento& marco = m.juego.partida().principal.marcoPaleta;
  m.juego.PasarSobreFicha(5);
  EXPECT_DOUBLE_EQ(marco.izquierda, m.juego.partida().principal.paleta[5].izquierda);
  EXPECT_TRUE(marco.visible);
  m.Desechar(9);  // a discard hides the frame
  m.juego.PasarSobreFicha(5);
  EXPECT_FALSE(marco.visible);
  m.juego.PasarSobreFicha(6);
  EXPECT_TRUE(marco.visible);
  EXPECT_DOUBLE_EQ(marco.izquierda, m.juego.partida().principal.paleta[6].izquierda);
}

TEST(Enviar, IgnoredWhileNoGameIsUnderWay) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  m.juego.Enviar();
  EXPECT_EQ(m.juego.partida().FilaActual, 1);
  m.Jugar({5, 6, 7, 8});
  for (int posicion = 1; posicion <= 4; ++posicion) {
    m.Poner(posicion, posicion + 4);
  }
  ASSERT_TRUE(m.juego.partida().principal.okHabilitado);
  m.juego.ActivarOpciones();  // opening the options stops the game's clock
  m.juego.Enviar();
  EXPECT_EQ(m.juego.partida().FilaActual, 2);
  EXPECT_EQ(m.juego.partida().principal.puntuaciones.Cuenta(), 2);
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
    EXPECT_EQ(j.partida().FilaActual, 1);
    EXPECT_EQ(j.partida().CasillaActual, 1);
    EXPECT_TRUE(j.partida().principal.cursor.visible);
    EXPECT_FALSE(j.partida().principal.okHabilitado);
    EXPECT_EQ(j.partida().Tablero[1], pieza);
    EXPECT_EQ(j.partida().principal.puntuaciones.Cuenta(), 1);
  }
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 10, 10, JugarCon::Numeros, true, true));
  m.Jugar({7, 7, 7, 1});
  EXPECT_TRUE(m.plataforma.mensajes.empty());
  EXPECT_EQ(m.juego.partida().FilaActual, 2);
}

TEST(Enviar, ScoreIsDrawnAsMarksOrText) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  m.Jugar({1, 2, 4, 9});  // 2 muertos, 1 tocado
  m.juego.VerTexto();
  m.Jugar({1, 2, 3, 5});  // 3 muertos, 0 tocados, scored in text mode
  m.juego.VerSimbolos();
  m.Jugar({5, 6, 7, 8});  // nothing right
  const RegistroPrincipal& f = m.juego.partida().principal;
  ASSERT_EQ(f.puntuaciones.Cuenta(), 4);
  EXPECT_EQ(f.puntuaciones[1].rotulo, "  2 muerto/s.   1 tocado/s.");
  EXPECT_EQ(f.puntuaciones[2].rotulo, "  3 muerto/s.   0 tocado/s.");
  EXPECT_EQ(f.puntuaciones[3].rotulo, "  0 muerto/s.   0 tocado/s.");
  for (int fila = 1; fila <= 3; ++fila) {
    EXPECT_DOUBLE_EQ(f.puntuaciones[fila].izquierda, 3300);
    EXPECT_DOUBLE_EQ(f.puntuaciones[fila].arriba, m.CeldaE(fila, 1).arriba);
    EXPECT_FALSE(f.puntuaciones[fila].visible);  // back in mark mode
  }
  ASSERT_EQ(f.muertos.Cuenta() - 1, 5);
  ASSERT_EQ(f.tocados.Cuenta() - 1, 1);
  EXPECT_DOUBLE_EQ(f.muertos[1].izquierda, 3300);
  EXPECT_DOUBLE_EQ(f.muertos[2].izquierda, 3550);
  EXPECT_DOUBLE_EQ(f.tocados[1].izquierda, 3800);
  EXPECT_DOUBLE_EQ(f.tocados[1].arriba, m.CeldaE(1, 1).arriba + 60);
  EXPECT_DOUBLE_EQ(f.muertos[5].izquierda, 3800);
  EXPECT_DOUBLE_EQ(f.muertos[5].arriba, m.CeldaE(2, 1).arriba);
}

TEST(Enviar, ThreeExactAndOnePartialGiveCirclesThenARectangle) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4, 5}, HacerAjustes(5, 10, 10));
  m.Jugar({1, 2, 3, 5, 9});
  const RegistroPrincipal& f = m.juego.partida().principal;
  ASSERT_EQ(f.muertos.Cuenta() - 1, 3);
  ASSERT_EQ(f.tocados.Cuenta() - 1, 1);
  const double top = m.CeldaE(1, 1).arriba;
  for (int i = 1; i <= 3; ++i) {
    EXPECT_DOUBLE_EQ(f.muertos[i].izquierda, 3300 + 250 * (i - 1));
    EXPECT_DOUBLE_EQ(f.muertos[i].arriba, top);
    EXPECT_TRUE(f.muertos[i].visible);
  }
  EXPECT_DOUBLE_EQ(f.tocados[1].izquierda, 4050);
  EXPECT_DOUBLE_EQ(f.tocados[1].arriba, top + 60);
  EXPECT_FALSE(f.puntuaciones[1].visible);
}

TEST(Enviar, NextRowOpensClearedWithTheCursorOnItsFirstCell) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  m.Jugar({4, 3, 2, 1});
  Juego& j = m.juego;
  EXPECT_EQ(j.partida().FilaActual, 2);
  EXPECT_EQ(j.partida().Tablero, (std::vector<int>{0, 0, 0, 0, 0}));
  EXPECT_EQ(j.partida().CasillaActual, m.Celda(2, 1));
  EXPECT_DOUBLE_EQ(j.partida().principal.cursor.arriba, m.CeldaE(2, 1).arriba);
  EXPECT_TRUE(j.partida().principal.cursor.visible);
  EXPECT_FALSE(j.partida().principal.okHabilitado);
  EXPECT_EQ(m.CeldaE(1, 1).rotulo, "3");  // earlier rows keep their pieces
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
  EXPECT_FALSE(j.partida().RelojEnMarcha);
  EXPECT_EQ(j.partida().principal.puntuaciones.Cuenta(), 2);  // only the first row was scored
  EXPECT_FALSE(j.partida().principal.cursor.visible);
  EXPECT_EQ(j.partida().FilaActual, 3);
}

TEST(Final, WinWhileTheSolutionIsShownIsNotCongratulated) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  m.juego.VerSolucion();
  m.Jugar({1, 2, 3, 4});
  EXPECT_EQ(m.plataforma.UltimoMensaje(), "Viendo la solución cualquiera acierta.");
}

TEST(Final, WonGameIsOverUntilTheNextSetUp) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  m.Jugar({1, 2, 3, 4});
  Juego& j = m.juego;
  // The next row exists, but nothing can be chosen or placed in it.
  j.PulsarCasilla(m.Celda(2, 1), kBotonIzquierdo);
  j.PulsarCasilla(m.Celda(2, 2), kBotonDerecho);
  EXPECT_FALSE(j.partida().principal.cursor.visible);
  j.PulsarFicha(5, kBotonIzquierdo);
  EXPECT_EQ(m.CeldaE(2, 1).fondo, colores::kCasillaVacia);
  EXPECT_FALSE(j.partida().RelojEnMarcha);
  j.Enviar();
  EXPECT_EQ(j.partida().FilaActual, 2);
  m.Nuevo({4, 3, 2, 1});
  m.Poner(1, 5);
  EXPECT_EQ(m.CeldaE(1, 1).rotulo, "4");
  EXPECT_TRUE(j.partida().RelojEnMarcha);
  // "OK" stayed enabled after the win; the new game's first piece must not send a row.
  EXPECT_FALSE(j.partida().principal.okHabilitado);
}

TEST(Final, LastRowMissedShowsTheSolutionAndEndsTheGame) {
  Mesa m;
  m.Arrancar({3, 1, 4, 2}, HacerAjustes(4, 2, 10));
  m.Jugar({5, 6, 7, 8});
  m.Jugar({1, 2, 3, 4});
  Juego& j = m.juego;
  EXPECT_FALSE(j.partida().RelojEnMarcha);
  EXPECT_EQ(j.partida().FilaActual, 3);
  EXPECT_EQ(j.partida().principal.puntuaciones.Cuenta(), 2);  // the last row gets no score
  EXPECT_EQ(j.partida().principal.muertos.Cuenta(), 1);
  const RegistroFichas& s = j.partida().ventanaFichas;
  EXPECT_TRUE(s.visible);
  EXPECT_EQ(s.titulo, "Fallaste. La solución es...");
  EXPECT_EQ(s.fondo, colores::kGrisClaro);
  EXPECT_DOUBLE_EQ(s.ancho, 3435);
  EXPECT_DOUBLE_EQ(s.alto, 960);
  const char* esperadas[] = {"2", "0", "3", "1"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(s.celdas[i].rotulo, esperadas[i]);
    EXPECT_EQ(
        s.celdas[i].fondo,
        j.partida().principal.paleta[j.partida().Solucion[static_cast<std::size_t>(i) + 1]].fondo);
    EXPECT_DOUBLE_EQ(s.celdas[i].izquierda, 195 + 375 * i);
    EXPECT_DOUBLE_EQ(s.celdas[i].alto, 375);
    EXPECT_TRUE(s.celdas[i].visible);
  }
  for (int i = 4; i <= 12; ++i) {
    EXPECT_FALSE(s.celdas[i].visible);
  }
  // No cell can be chosen any more, and the small window only displays.
  j.PulsarCasilla(m.Celda(2, 1), kBotonIzquierdo);
  EXPECT_FALSE(j.partida().principal.cursor.visible);
  j.ElegirRecuperada(0);
  EXPECT_TRUE(s.visible);
  EXPECT_TRUE(j.partida().principal.paleta[3].visible);
}

TEST(Final, SolutionWindowWidthFollowsThePositions) {
  const std::pair<int, double> casos[] = {{3, 3435}, {4, 3435}, {8, 3435}, {9, 3750}, {10, 4125}};
  for (const auto& [casillas, ancho] : casos) {
    Mesa m;
    m.Arrancar({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, HacerAjustes(casillas, 10, 10));
    m.juego.VerSolucion();
    EXPECT_DOUBLE_EQ(m.juego.partida().ventanaFichas.ancho, ancho);
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
    j.Tic();
    EXPECT_EQ(j.partida().principal.reloj.rotulo, texto);
    EXPECT_EQ(j.partida().principal.intervaloReloj, 100);
  }
  m.Jugar({5, 6, 7, 8});
  m.Jugar({1, 2, 3, 4});                                 // won
  EXPECT_EQ(j.partida().principal.intervaloReloj, 100);  // still ticking until the next tick
  m.plataforma.reloj = 200;
  j.Tic();
  EXPECT_EQ(j.partida().principal.reloj.rotulo, "0");
  EXPECT_EQ(j.partida().principal.intervaloReloj, 0);
}

TEST(Reloj, LostGameStopsTheClockAtTheNextTick) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 1, 10));
  m.Jugar({5, 6, 7, 8});
  EXPECT_EQ(m.juego.partida().principal.intervaloReloj, 100);
  m.juego.Tic();
  EXPECT_EQ(m.juego.partida().principal.reloj.rotulo, "0");
  EXPECT_EQ(m.juego.partida().principal.intervaloReloj, 0);
}

}  // namespace
}  // namespace quorbel::prueba
