// Player aids: seeing the solution, fixing, discarding and taking pieces back.
#include "Mesa.h"

namespace quorbel::prueba {
namespace {

std::vector<std::string> Paleta(const Juego& j) {
  std::vector<std::string> visibles;
  for (int p = 1; p < j.partida().principal.paleta.Cuenta(); ++p) {
    if (j.partida().principal.paleta[p].visible) {
      visibles.push_back(j.partida().principal.paleta[p].rotulo);
    }
  }
  return visibles;
}

// Whether a marker's centre lies on the cell.
bool Cubre(const Elemento& celda, const Elemento& marca) {
  const double x = marca.izquierda + marca.ancho / 2;
  const double y = marca.arriba + marca.alto / 2;
  return x >= celda.izquierda && x < celda.izquierda + celda.ancho && y >= celda.arriba &&
         y < celda.arriba + celda.alto;
}

// The visible pieces stand packed in index order, 13 to a row.
void EsperarPaletaCompacta(const Juego& j) {
  int n = 0;
  for (int p = 1; p < j.partida().principal.paleta.Cuenta(); ++p) {
    const Elemento& e = j.partida().principal.paleta[p];
    if (!e.visible) {
      continue;
    }
    EXPECT_DOUBLE_EQ(e.izquierda, 120 + 375 * (n % 13)) << e.rotulo;
    EXPECT_DOUBLE_EQ(e.arriba, 120 + 375 * (n / 13)) << e.rotulo;
    ++n;
  }
}

TEST(Solucion, AskedFirstAndThenOnlyRaised) {
  Mesa m;
  m.Arrancar({7, 1, 4, 2});
  m.plataforma.respuestas.push_back(Respuesta::Cancelar);
  m.juego.VerSolucion();
  EXPECT_EQ(m.plataforma.UltimoMensaje(), "Quieres ver la solución?");
  EXPECT_EQ(m.plataforma.mensajes.back().icono, Icono::Pregunta);
  EXPECT_FALSE(m.juego.partida().ventanaFichas.visible);

  m.juego.VerSolucion();
  const RegistroFichas& s = m.juego.partida().ventanaFichas;
  EXPECT_TRUE(s.visible);
  EXPECT_EQ(s.titulo, "Solución:");
  EXPECT_EQ(s.fondo, colores::kNegro);
  EXPECT_DOUBLE_EQ(s.ancho, 3435);
  EXPECT_DOUBLE_EQ(s.alto, 960);
  EXPECT_EQ(s.celdas[0].rotulo, "6");
  EXPECT_EQ(s.celdas[3].rotulo, "1");
  EXPECT_FALSE(m.juego.partida().RelojEnMarcha);  // looking changes nothing of the game

  m.juego.VerSolucion();
  EXPECT_EQ(m.plataforma.mensajes.size(), 2u);
  EXPECT_EQ(m.plataforma.alFrente, std::vector<Ventana>{Ventana::Fichas});
  m.juego.ElegirRecuperada(1);  // the solution view only displays
  EXPECT_TRUE(s.visible);

  m.juego.CerrarVentanaFichas();
  m.Jugar({7, 1, 4, 2});
  EXPECT_EQ(m.plataforma.UltimoMensaje(), "Felicidades! Lo has resuelto!");
}

TEST(Fijar, PieceIsCopiedDownItsColumnAndRinged) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 8, 10));
  m.Jugar({5, 6, 7, 8});
  m.Jugar({6, 5, 8, 7});
  ASSERT_EQ(m.juego.partida().FilaActual, 3);
  m.Fijar(2, 2);  // piece "1" at position 2 of row 3
  Juego& j = m.juego;
  for (int fila = 3; fila <= 8; ++fila) {
    EXPECT_EQ(m.CeldaE(fila, 2).rotulo, "1") << fila;
    EXPECT_EQ(m.CeldaE(fila, 2).fijada, true) << fila;
  }
  EXPECT_EQ(m.CeldaE(2, 2).rotulo, "4");
  EXPECT_EQ(j.partida().principal.anillos.Cuenta() - 1, 6);
  const Elemento& anillo = j.partida().principal.anillos[1];
  EXPECT_DOUBLE_EQ(anillo.izquierda, m.CeldaE(3, 2).izquierda + 750 / 2.0 - 240);
  EXPECT_DOUBLE_EQ(anillo.arriba, m.CeldaE(3, 2).arriba + 150 - 240);
  EXPECT_TRUE(anillo.visible);
  EXPECT_GT(anillo.z, m.CeldaE(3, 2).z);
  // The cursor goes on to the lowest free position, placing again.
  EXPECT_EQ(j.partida().CasillaActual, m.Celda(3, 1));
  EXPECT_EQ(j.partida().principal.cursor.borde, colores::kNegro);
  EXPECT_TRUE(j.partida().RelojEnMarcha);

  m.Jugar({3, 2, 9, 10});
  // The next row opens with the fixed piece in place and the cursor on position 1.
  EXPECT_EQ(j.partida().Tablero, (std::vector<int>{0, 0, 2, 0, 0}));
  EXPECT_EQ(j.partida().CasillaActual, m.Celda(4, 1));
  m.Poner(1, 1);
  EXPECT_EQ(j.partida().CasillaActual, m.Celda(4, 3));
}

TEST(Fijar, RingsEveryCellShowingThePieceAndStacks) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 4, 10));
  m.Jugar({5, 6, 7, 8});  // piece 5 in row 1, position 1
  m.Fijar(3, 5);          // piece 5 fixed at position 3 of row 2
  Juego& j = m.juego;
  // Row 1's cell, row 2's cell and the copies in rows 3 and 4.
  EXPECT_EQ(j.partida().principal.anillos.Cuenta() - 1, 4);
  EXPECT_EQ(m.CeldaE(1, 1).fijada, true);
  m.Fijar(3, 5);  // again: a second ring over each
  EXPECT_EQ(j.partida().principal.anillos.Cuenta() - 1, 8);
}

// A game of 4 positions with the first three fixed in row 1.
void FijarTresPosiciones(Mesa& m) {
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 5, 10));
  m.Fijar(1, 1);
  m.Fijar(2, 2);
  m.Fijar(3, 3);
}

TEST(Fijar, FixingTheLastFreePositionIsRefused) {
  Mesa m;
  FijarTresPosiciones(m);
  ASSERT_TRUE(m.plataforma.mensajes.empty());
  m.Fijar(4, 5);
  Juego& j = m.juego;
  EXPECT_EQ(m.plataforma.UltimoMensaje(), "No puedes fijar todas las posiciones.");
  EXPECT_EQ(m.plataforma.mensajes.back().icono, Icono::Exclamacion);
  EXPECT_EQ(m.CeldaE(1, 4).rotulo, "4");  // placed
  EXPECT_EQ(j.partida().Tablero[4], 5);
  EXPECT_EQ(m.CeldaE(2, 4).rotulo, "");  // not copied
  EXPECT_FALSE(j.partida().principal.cursor.visible);
  EXPECT_EQ(j.partida().principal.cursor.borde, colores::kNegro);
  EXPECT_TRUE(j.partida().principal.okHabilitado);
}

TEST(Fijar, RefusedFixOnAnIncompleteRowDoesNotEnableOk) {
  // Three positions fixed; the player empties a fixed position of the current row by
  // replacing and discarding its piece, then tries to fix the last free position.
  Mesa m;
  FijarTresPosiciones(m);
  m.Poner(1, 6);  // replaces the fixed piece of row 1 without fixing it
  m.Desechar(6);  // row 1, position 1 is free again
  ASSERT_EQ(m.juego.partida().Tablero[1], 0);
  m.Fijar(4, 5);
  EXPECT_EQ(m.plataforma.UltimoMensaje(), "No puedes fijar todas las posiciones.");
  EXPECT_FALSE(m.juego.partida().principal.okHabilitado);
}

TEST(Fijar, ARefusedFixLeavesAnOrdinaryPieceThatCanBeDiscarded) {
  // Piece 1 stands at position 4 too, so fixing it at position 1 marks that cell as well.
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 5, 10));
  m.Poner(4, 1);
  m.Fijar(1, 1);
  m.Fijar(2, 2);
  m.Fijar(3, 3);
  ASSERT_TRUE(m.CeldaE(1, 4).fijada);
  m.Fijar(4, 6);  // refused: piece 6 lands on the marked cell, unfixed
  ASSERT_EQ(m.plataforma.UltimoMensaje(), "No puedes fijar todas las posiciones.");
  EXPECT_FALSE(m.CeldaE(1, 4).fijada);
  m.Desechar(6);
  EXPECT_NE(m.plataforma.UltimoMensaje(), "Esa ficha está fijada.");
  EXPECT_FALSE(m.juego.partida().principal.paleta[6].visible);
}

TEST(Fijar, AnotherPieceFixedInTheColumnEndsThePreviousFix) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 5, 10));
  m.Fijar(2, 3);  // piece 3 fixed at position 2: rows 2 to 5 open with it
  m.Jugar({5, 3, 6, 7});
  m.Fijar(2, 8);  // row 2: piece 8 takes position 2 over, down to row 5
  EXPECT_FALSE(m.CeldaE(1, 2).fijada);
  EXPECT_TRUE(m.CeldaE(2, 2).fijada);
  EXPECT_EQ(m.CeldaE(5, 2).rotulo, "7");
  // Nothing of piece 3 is fixed any more, so it can be discarded; piece 8 cannot.
  m.Desechar(3);
  EXPECT_FALSE(m.juego.partida().principal.paleta[3].visible);
  m.Desechar(8);
  EXPECT_EQ(m.plataforma.UltimoMensaje(), "Esa ficha está fijada.");
}

TEST(Fijar, LastRowInFixingModeOnlyMarks) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 2, 10));
  m.Elegir(4, kBotonDerecho);
  m.Poner(1, 5);
  m.Poner(2, 6);
  m.Poner(3, 7);
  m.Elegir(4, kBotonDerecho);
  m.juego.PulsarFicha(8, kBotonIzquierdo);
  m.juego.Enviar();  // row completed in fixing mode: row 2 keeps that mode
  ASSERT_EQ(m.juego.partida().FilaActual, 2);
  EXPECT_EQ(m.juego.partida().principal.cursor.borde, colores::kRojoClaro);
  m.juego.PulsarFicha(9, kBotonIzquierdo);
  EXPECT_EQ(m.CeldaE(2, 1).rotulo, "8");
  EXPECT_EQ(m.CeldaE(2, 1).fijada, true);
}

TEST(NoFijar, ClearsLaterRowsAndReleasesThePiece) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 6, 10));
  m.Fijar(2, 5);
  m.Jugar({6, 5, 7, 8});
  ASSERT_EQ(m.juego.partida().FilaActual, 2);
  m.NoFijar(5);
  for (int fila = 3; fila <= 6; ++fila) {
    EXPECT_EQ(m.CeldaE(fila, 2).rotulo, "") << fila;
    EXPECT_EQ(m.CeldaE(fila, 2).fondo, colores::kCasillaVacia) << fila;
    EXPECT_EQ(m.CeldaE(fila, 2).fijada, false) << fila;
  }
  // The current and earlier rows keep the piece, now in front of its rings.
  EXPECT_EQ(m.CeldaE(2, 2).rotulo, "4");
  EXPECT_EQ(m.juego.partida().Tablero[2], 5);
  for (int i = 1; i < m.juego.partida().principal.anillos.Cuenta(); ++i) {
    const Elemento& anillo = m.juego.partida().principal.anillos[i];
    for (int k = 1; k < m.juego.partida().principal.casillas.Cuenta(); ++k) {
      const Elemento& celda = m.juego.partida().principal.casillas[k];
      if (celda.rotulo == "4" && Cubre(celda, anillo)) {
        EXPECT_GT(celda.z, anillo.z);
      }
    }
  }
  EXPECT_GT(m.juego.partida().principal.cursor.z, m.CeldaE(2, 2).z);
  // Released everywhere: the piece can now be discarded.
  m.Desechar(5);
  EXPECT_FALSE(m.juego.partida().principal.paleta[5].visible);
  EXPECT_EQ(m.CeldaE(2, 2).rotulo, "");
}

TEST(Desechar, RefusedWhenOnlyAsManyPiecesAsPositionsAreLeft) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 10, 8));
  for (int p : {2, 4, 6, 8}) {
    m.Desechar(p);
  }
  EXPECT_TRUE(m.plataforma.mensajes.empty());
  m.Desechar(1);
  EXPECT_EQ(m.plataforma.UltimoMensaje(), "No puedes desechar mas fichas.");
  EXPECT_EQ(Paleta(m.juego), (std::vector<std::string>{"0", "2", "4", "6"}));

  Mesa igual;
  igual.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 10, 4));
  igual.Desechar(3);
  EXPECT_EQ(igual.plataforma.UltimoMensaje(), "No puedes desechar mas fichas.");
}

TEST(Desechar, PaletteClosesTheGap) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  m.Desechar(2);
  EXPECT_EQ(Paleta(m.juego),
            (std::vector<std::string>{"0", "2", "3", "4", "5", "6", "7", "8", "9"}));
  EXPECT_FALSE(m.juego.partida().principal.marcoPaleta.visible);
  EsperarPaletaCompacta(m.juego);
  m.Desechar(5);
  EsperarPaletaCompacta(m.juego);
  EXPECT_DOUBLE_EQ(m.juego.partida().principal.paleta[6].izquierda,
                   120 + 375 * 3);  // piece 4's first place
}

TEST(Desechar, EmptiesTheCurrentRowAndCrossesEarlierRows) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 10, 10, JugarCon::Numeros, true, true));
  m.Jugar({9, 5, 6, 7});
  m.Jugar({5, 9, 6, 7});
  m.Jugar({8, 6, 9, 7});
  m.Poner(1, 1);
  m.Poner(2, 9);
  m.Poner(3, 2);
  m.Poner(4, 9);
  ASSERT_TRUE(m.juego.partida().principal.okHabilitado);
  m.Desechar(9);
  Juego& j = m.juego;
  EXPECT_EQ(j.partida().Tablero, (std::vector<int>{0, 1, 0, 2, 0}));
  EXPECT_EQ(m.CeldaE(4, 2).fondo, colores::kCasillaVacia);
  EXPECT_EQ(m.CeldaE(4, 4).rotulo, "");
  EXPECT_FALSE(j.partida().principal.okHabilitado);
  EXPECT_EQ(j.partida().CasillaActual, m.Celda(4, 2));
  EXPECT_TRUE(j.partida().principal.cursor.visible);
  ASSERT_EQ(j.partida().principal.cruces.Cuenta() - 1, 3);  // one cross in each earlier row
  EXPECT_DOUBLE_EQ(j.partida().principal.cruces[1].izquierda, m.CeldaE(1, 1).izquierda + 375 - 240);
  EXPECT_DOUBLE_EQ(j.partida().principal.cruces[3].arriba, m.CeldaE(3, 3).arriba + 150 - 240);
  m.Desechar(10);  // never played: no cross
  EXPECT_EQ(j.partida().principal.cruces.Cuenta() - 1, 3);
}

TEST(Desechar, FixedPiecesCannotBeDiscarded) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 10, 10));
  m.Fijar(1, 3);
  m.Desechar(3);
  EXPECT_EQ(m.plataforma.UltimoMensaje(), "Esa ficha está fijada.");
  EXPECT_TRUE(m.juego.partida().principal.paleta[3].visible);
  // A piece placed without fixing into a cell marked by a fix is not fixed.
  m.Poner(1, 7);
  const auto vistos = m.plataforma.mensajes.size();
  m.Desechar(7);
  EXPECT_EQ(m.plataforma.mensajes.size(), vistos);
  EXPECT_FALSE(m.juego.partida().principal.paleta[7].visible);
}

TEST(Desechar, CompleteRowWithoutThePieceStillDiscardsIt) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  m.Jugar({9, 5, 6, 7});
  m.Poner(1, 1);
  m.Poner(2, 2);
  m.Poner(3, 3);
  m.Poner(4, 4);
  m.Desechar(9);
  EXPECT_TRUE(m.juego.partida().principal.okHabilitado);
  EXPECT_FALSE(m.juego.partida().principal.cursor.visible);
  EXPECT_FALSE(m.juego.partida().principal.paleta[9].visible);
  EXPECT_EQ(m.juego.partida().principal.cruces.Cuenta() - 1, 1);
  EsperarPaletaCompacta(m.juego);
}

TEST(Desechar, WorksAfterALostGameWithoutTouchingTheBoard) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 1, 10));
  m.Jugar({5, 6, 7, 8});
  ASSERT_EQ(m.juego.partida().FilaActual, 2);  // past the only row
  m.Desechar(5);
  EXPECT_FALSE(m.juego.partida().principal.paleta[5].visible);
  EXPECT_EQ(m.juego.partida().principal.cruces.Cuenta() - 1, 1);
}

TEST(Recuperar, PickerListsTheDiscardedPiecesAndGivesOneBack) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  m.Jugar({9, 5, 6, 7});
  m.Desechar(9);
  m.Desechar(2);
  m.Desechar(10);
  m.plataforma.modales.clear();
  m.juego.Recuperar();
  const RegistroFichas& s = m.juego.partida().ventanaFichas;
  EXPECT_EQ(m.plataforma.modales, std::vector<Ventana>{Ventana::Fichas});
  EXPECT_TRUE(s.visible);
  EXPECT_EQ(s.titulo, "Recuperar:");
  EXPECT_EQ(s.fondo, colores::kBlanco);
  EXPECT_DOUBLE_EQ(s.ancho, 3435);
  const char* esperadas[] = {"1", "8", "9"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(s.celdas[i].rotulo, esperadas[i]);
    EXPECT_TRUE(s.celdas[i].visible);
  }
  EXPECT_FALSE(s.celdas[3].visible);

  m.juego.ElegirRecuperada(1);  // piece "8"
  EXPECT_FALSE(s.visible);
  EXPECT_TRUE(m.juego.partida().principal.paleta[9].visible);
  EsperarPaletaCompacta(m.juego);
  // The board cell holding it comes back in front of its cross, which stays.
  EXPECT_GT(m.CeldaE(1, 1).z, m.juego.partida().principal.cruces[1].z);
  EXPECT_EQ(m.juego.partida().principal.cruces.Cuenta() - 1, 1);
  m.Desechar(9);
  EXPECT_EQ(m.juego.partida().principal.cruces.Cuenta() - 1, 2);
  EXPECT_GT(m.juego.partida().principal.cruces[2].z, m.CeldaE(1, 1).z);
}

TEST(Recuperar, NothingOutsideAGameAndAMessageWithNothingDiscarded) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  m.Desechar(9);
  m.plataforma.modales.clear();
  m.juego.Recuperar();  // no piece placed yet
  EXPECT_TRUE(m.plataforma.modales.empty());
  EXPECT_TRUE(m.plataforma.mensajes.empty());
  m.Poner(1, 1);
  m.juego.VerSolucion();
  m.juego.ElegirRecuperada(0);
  m.juego.ElegirRecuperada(0);
  m.juego.Recuperar();
  m.juego.ElegirRecuperada(0);
  ASSERT_TRUE(m.juego.partida().principal.paleta[9].visible);
  m.juego.Recuperar();
  EXPECT_EQ(m.plataforma.UltimoMensaje(), "No hay fichas para recuperar.");
  EXPECT_FALSE(m.juego.partida().ventanaFichas.visible);
  // Closing the picker through its frame gives nothing back.
  m.Desechar(9);
  m.juego.Recuperar();
  m.juego.CerrarVentanaFichas();
  EXPECT_FALSE(m.juego.partida().principal.paleta[9].visible);
}

TEST(Recuperar, PickerWidthFollowsTheDiscardedCount) {
  const std::pair<int, double> casos[] = {{3, 3435}, {8, 3435}, {9, 3750}, {12, 4875}};
  for (const auto& [cuantas, ancho] : casos) {
    Mesa m;
    m.Arrancar({1, 2, 3}, HacerAjustes(3, 10, 26, JugarCon::Letras, false));
    m.Poner(1, 1);
    for (int p = 26; p > 26 - cuantas; --p) {
      m.Desechar(p);
    }
    m.juego.Recuperar();
    EXPECT_DOUBLE_EQ(m.juego.partida().ventanaFichas.ancho, ancho) << cuantas;
  }
}

TEST(Recuperar, TwentyThreeDiscardedThenOneBack) {
  Mesa m;
  m.Arrancar({1, 2, 3}, HacerAjustes(3, 10, 26, JugarCon::Letras, false));
  m.Poner(1, 1);
  for (int p = 26; p >= 4; --p) {
    m.Desechar(p);
  }
  EXPECT_EQ(Paleta(m.juego).size(), 3u);
  m.Desechar(3);
  EXPECT_EQ(m.plataforma.UltimoMensaje(), "No puedes desechar mas fichas.");
  m.juego.Recuperar();
  for (int i = 0; i < 23; ++i) {
    EXPECT_TRUE(m.juego.partida().ventanaFichas.celdas[i].visible);
  }
  EXPECT_FALSE(m.juego.partida().ventanaFichas.celdas[23].visible);
  m.juego.ElegirRecuperada(22);  // "Z"
  EXPECT_TRUE(m.juego.partida().principal.paleta[26].visible);
  m.juego.Recuperar();
  EXPECT_TRUE(m.juego.partida().ventanaFichas.celdas[21].visible);
  EXPECT_FALSE(m.juego.partida().ventanaFichas.celdas[22].visible);
  // Taking all back packs pieces 1-13 in the first row and 14-26 in the second.
  for (int i = 0; i < 22; ++i) {
    m.juego.ElegirRecuperada(0);
    m.juego.Recuperar();
  }
  EXPECT_EQ(m.plataforma.UltimoMensaje(), "No hay fichas para recuperar.");
  EsperarPaletaCompacta(m.juego);
  EXPECT_DOUBLE_EQ(m.juego.partida().principal.paleta[14].arriba, 495);
}

}  // namespace
}  // namespace quorbel::prueba
