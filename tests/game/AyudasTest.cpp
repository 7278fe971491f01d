// Player aids: seeing the solution, fixing, discarding and taking pieces back.
#include "Mesa.h"

namespace quorbel::prueba {
namespace {

std::vector<std::string> Paleta(const Juego& j) {
  std::vector<std::string> visibles;
  for (int p = 1; p < j.form1.Label4.Count(); ++p) {
    if (j.form1.Label4[p].visible) {
      visibles.push_back(j.form1.Label4[p].caption);
    }
  }
  return visibles;
}

// Whether a marker's centre lies on the cell.
bool Cubre(const Elemento& celda, const Elemento& marca) {
  const double x = marca.left + marca.width / 2;
  const double y = marca.top + marca.height / 2;
  return x >= celda.left && x < celda.left + celda.width && y >= celda.top &&
         y < celda.top + celda.height;
}

// The visible pieces stand packed in index order, 13 to a row.
void EsperarPaletaCompacta(const Juego& j) {
  int n = 0;
  for (int p = 1; p < j.form1.Label4.Count(); ++p) {
    const Elemento& e = j.form1.Label4[p];
    if (!e.visible) {
      continue;
    }
    EXPECT_DOUBLE_EQ(e.left, 120 + 375 * (n % 13)) << e.caption;
    EXPECT_DOUBLE_EQ(e.top, 120 + 375 * (n / 13)) << e.caption;
    ++n;
  }
}

TEST(Solucion, AskedFirstAndThenOnlyRaised) {
  Mesa m;
  m.Arrancar({7, 1, 4, 2});
  m.plataforma.respuestas.push_back(Respuesta::Cancelar);
  m.juego.MnuSoluc_Click();
  EXPECT_EQ(m.plataforma.UltimoMensaje(), "Quieres ver la solución?");
  EXPECT_EQ(m.plataforma.mensajes.back().icono, Icono::Pregunta);
  EXPECT_FALSE(m.juego.form3.visible);

  m.juego.MnuSoluc_Click();
  const Form3& s = m.juego.form3;
  EXPECT_TRUE(s.visible);
  EXPECT_EQ(s.caption, "Solución:");
  EXPECT_EQ(s.fondo, colores::kNegro);
  EXPECT_DOUBLE_EQ(s.ancho, 3435);
  EXPECT_DOUBLE_EQ(s.alto, 960);
  EXPECT_EQ(s.Label1[0].caption, "6");
  EXPECT_EQ(s.Label1[3].caption, "1");
  EXPECT_FALSE(m.juego.RelojEnMarcha);  // looking changes nothing of the game

  m.juego.MnuSoluc_Click();
  EXPECT_EQ(m.plataforma.mensajes.size(), 2u);
  EXPECT_EQ(m.plataforma.alFrente, std::vector<Ventana>{Ventana::Selector});
  m.juego.Form3_Label1_Click(1);  // the solution view only displays
  EXPECT_TRUE(s.visible);

  m.juego.Form3_Cerrar();
  m.Jugar({7, 1, 4, 2});
  EXPECT_EQ(m.plataforma.UltimoMensaje(), "Felicidades! Lo has resuelto!");
}

TEST(Fijar, PieceIsCopiedDownItsColumnAndRinged) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 8, 10));
  m.Jugar({5, 6, 7, 8});
  m.Jugar({6, 5, 8, 7});
  ASSERT_EQ(m.juego.FilaActual, 3);
  m.Fijar(2, 2);  // piece "1" at position 2 of row 3
  Juego& j = m.juego;
  for (int fila = 3; fila <= 8; ++fila) {
    EXPECT_EQ(m.CeldaE(fila, 2).caption, "1") << fila;
    EXPECT_EQ(m.CeldaE(fila, 2).tag, "Full") << fila;
  }
  EXPECT_EQ(m.CeldaE(2, 2).caption, "4");
  EXPECT_EQ(j.form1.Image2.Count() - 1, 6);
  const Elemento& anillo = j.form1.Image2[1];
  EXPECT_DOUBLE_EQ(anillo.left, m.CeldaE(3, 2).left + 750 / 2.0 - 240);
  EXPECT_DOUBLE_EQ(anillo.top, m.CeldaE(3, 2).top + 150 - 240);
  EXPECT_TRUE(anillo.visible);
  EXPECT_GT(anillo.z, m.CeldaE(3, 2).z);
  // The cursor goes on to the lowest free position, placing again.
  EXPECT_EQ(j.CasillaActual, m.Celda(3, 1));
  EXPECT_EQ(j.form1.Shape2.borde, colores::kNegro);
  EXPECT_TRUE(j.RelojEnMarcha);

  m.Jugar({3, 2, 9, 10});
  // The next row opens with the fixed piece in place and the cursor on position 1.
  EXPECT_EQ(j.Tablero, (std::vector<int>{0, 0, 2, 0, 0}));
  EXPECT_EQ(j.CasillaActual, m.Celda(4, 1));
  m.Poner(1, 1);
  EXPECT_EQ(j.CasillaActual, m.Celda(4, 3));
}

TEST(Fijar, RingsEveryCellShowingThePieceAndStacks) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 4, 10));
  m.Jugar({5, 6, 7, 8});  // piece 5 in row 1, position 1
  m.Fijar(3, 5);          // piece 5 fixed at position 3 of row 2
  Juego& j = m.juego;
  // Row 1's cell, row 2's cell and the copies in rows 3 and 4.
  EXPECT_EQ(j.form1.Image2.Count() - 1, 4);
  EXPECT_EQ(m.CeldaE(1, 1).tag, "Full");
  m.Fijar(3, 5);  // again: a second ring over each
  EXPECT_EQ(j.form1.Image2.Count() - 1, 8);
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
  EXPECT_EQ(m.CeldaE(1, 4).caption, "4");  // placed
  EXPECT_EQ(j.Tablero[4], 5);
  EXPECT_EQ(m.CeldaE(2, 4).caption, "");  // not copied
  EXPECT_FALSE(j.form1.Shape2.visible);
  EXPECT_EQ(j.form1.Shape2.borde, colores::kNegro);
  EXPECT_TRUE(j.form1.Command1Enabled);
}

TEST(Fijar, RefusedFixOnAnIncompleteRowDoesNotEnableOk) {
  // Three positions fixed; the player empties a fixed position of the current row by
  // replacing and discarding its piece, then tries to fix the last free position.
  Mesa m;
  FijarTresPosiciones(m);
  m.Poner(1, 6);  // replaces the fixed piece of row 1 without fixing it
  m.Desechar(6);  // row 1, position 1 is free again
  ASSERT_EQ(m.juego.Tablero[1], 0);
  m.Fijar(4, 5);
  EXPECT_EQ(m.plataforma.UltimoMensaje(), "No puedes fijar todas las posiciones.");
  EXPECT_FALSE(m.juego.form1.Command1Enabled);
}

TEST(Fijar, LastRowInFixingModeOnlyMarks) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 2, 10));
  m.Elegir(4, kBotonDerecho);
  m.Poner(1, 5);
  m.Poner(2, 6);
  m.Poner(3, 7);
  m.Elegir(4, kBotonDerecho);
  m.juego.Label4_MouseDown(8, kBotonIzquierdo);
  m.juego.Command1_Click();  // row completed in fixing mode: row 2 keeps that mode
  ASSERT_EQ(m.juego.FilaActual, 2);
  EXPECT_EQ(m.juego.form1.Shape2.borde, colores::kRojoClaro);
  m.juego.Label4_MouseDown(9, kBotonIzquierdo);
  EXPECT_EQ(m.CeldaE(2, 1).caption, "8");
  EXPECT_EQ(m.CeldaE(2, 1).tag, "Full");
}

TEST(NoFijar, ClearsLaterRowsAndReleasesThePiece) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 6, 10));
  m.Fijar(2, 5);
  m.Jugar({6, 5, 7, 8});
  ASSERT_EQ(m.juego.FilaActual, 2);
  m.NoFijar(5);
  for (int fila = 3; fila <= 6; ++fila) {
    EXPECT_EQ(m.CeldaE(fila, 2).caption, "") << fila;
    EXPECT_EQ(m.CeldaE(fila, 2).fondo, colores::kCasillaVacia) << fila;
    EXPECT_EQ(m.CeldaE(fila, 2).tag, "Empty") << fila;
  }
  // The current and earlier rows keep the piece, now in front of its rings.
  EXPECT_EQ(m.CeldaE(2, 2).caption, "4");
  EXPECT_EQ(m.juego.Tablero[2], 5);
  for (int i = 1; i < m.juego.form1.Image2.Count(); ++i) {
    const Elemento& anillo = m.juego.form1.Image2[i];
    for (int k = 1; k < m.juego.form1.Label2.Count(); ++k) {
      const Elemento& celda = m.juego.form1.Label2[k];
      if (celda.caption == "4" && Cubre(celda, anillo)) {
        EXPECT_GT(celda.z, anillo.z);
      }
    }
  }
  EXPECT_GT(m.juego.form1.Shape2.z, m.CeldaE(2, 2).z);
  // Released everywhere: the piece can now be discarded.
  m.Desechar(5);
  EXPECT_FALSE(m.juego.form1.Label4[5].visible);
  EXPECT_EQ(m.CeldaE(2, 2).caption, "");
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
  EXPECT_FALSE(m.juego.form1.Shape1.visible);
  EsperarPaletaCompacta(m.juego);
  m.Desechar(5);
  EsperarPaletaCompacta(m.juego);
  EXPECT_DOUBLE_EQ(m.juego.form1.Label4[6].left, 120 + 375 * 3);  // piece 4's first place
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
  ASSERT_TRUE(m.juego.form1.Command1Enabled);
  m.Desechar(9);
  Juego& j = m.juego;
  EXPECT_EQ(j.Tablero, (std::vector<int>{0, 1, 0, 2, 0}));
  EXPECT_EQ(m.CeldaE(4, 2).fondo, colores::kCasillaVacia);
  EXPECT_EQ(m.CeldaE(4, 4).caption, "");
  EXPECT_FALSE(j.form1.Command1Enabled);
  EXPECT_EQ(j.CasillaActual, m.Celda(4, 2));
  EXPECT_TRUE(j.form1.Shape2.visible);
  ASSERT_EQ(j.form1.Image1.Count() - 1, 3);  // one cross in each earlier row
  EXPECT_DOUBLE_EQ(j.form1.Image1[1].left, m.CeldaE(1, 1).left + 375 - 240);
  EXPECT_DOUBLE_EQ(j.form1.Image1[3].top, m.CeldaE(3, 3).top + 150 - 240);
  m.Desechar(10);  // never played: no cross
  EXPECT_EQ(j.form1.Image1.Count() - 1, 3);
}

TEST(Desechar, FixedPiecesCannotBeDiscarded) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 10, 10));
  m.Fijar(1, 3);
  m.Desechar(3);
  EXPECT_EQ(m.plataforma.UltimoMensaje(), "Esa ficha está fijada.");
  EXPECT_TRUE(m.juego.form1.Label4[3].visible);
  // A piece placed without fixing into a cell marked by a fix is not fixed.
  m.Poner(1, 7);
  const auto vistos = m.plataforma.mensajes.size();
  m.Desechar(7);
  EXPECT_EQ(m.plataforma.mensajes.size(), vistos);
  EXPECT_FALSE(m.juego.form1.Label4[7].visible);
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
  EXPECT_TRUE(m.juego.form1.Command1Enabled);
  EXPECT_FALSE(m.juego.form1.Shape2.visible);
  EXPECT_FALSE(m.juego.form1.Label4[9].visible);
  EXPECT_EQ(m.juego.form1.Image1.Count() - 1, 1);
  EsperarPaletaCompacta(m.juego);
}

TEST(Desechar, WorksAfterALostGameWithoutTouchingTheBoard) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 1, 10));
  m.Jugar({5, 6, 7, 8});
  ASSERT_EQ(m.juego.FilaActual, 2);  // past the only row
  m.Desechar(5);
  EXPECT_FALSE(m.juego.form1.Label4[5].visible);
  EXPECT_EQ(m.juego.form1.Image1.Count() - 1, 1);
}

TEST(Recuperar, PickerListsTheDiscardedPiecesAndGivesOneBack) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  m.Jugar({9, 5, 6, 7});
  m.Desechar(9);
  m.Desechar(2);
  m.Desechar(10);
  m.plataforma.modales.clear();
  m.juego.MnuRecupera_Click();
  Form3& s = m.juego.form3;
  EXPECT_EQ(m.plataforma.modales, std::vector<Ventana>{Ventana::Selector});
  EXPECT_TRUE(s.visible);
  EXPECT_EQ(s.caption, "Recuperar:");
  EXPECT_EQ(s.fondo, colores::kBlanco);
  EXPECT_DOUBLE_EQ(s.ancho, 3435);
  const char* esperadas[] = {"1", "8", "9"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(s.Label1[i].caption, esperadas[i]);
    EXPECT_TRUE(s.Label1[i].visible);
  }
  EXPECT_FALSE(s.Label1[3].visible);

  m.juego.Form3_Label1_Click(1);  // piece "8"
  EXPECT_FALSE(s.visible);
  EXPECT_TRUE(m.juego.form1.Label4[9].visible);
  EsperarPaletaCompacta(m.juego);
  // The board cell holding it comes back in front of its cross, which stays.
  EXPECT_GT(m.CeldaE(1, 1).z, m.juego.form1.Image1[1].z);
  EXPECT_EQ(m.juego.form1.Image1.Count() - 1, 1);
  m.Desechar(9);
  EXPECT_EQ(m.juego.form1.Image1.Count() - 1, 2);
  EXPECT_GT(m.juego.form1.Image1[2].z, m.CeldaE(1, 1).z);
}

TEST(Recuperar, NothingOutsideAGameAndAMessageWithNothingDiscarded) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  m.Desechar(9);
  m.plataforma.modales.clear();
  m.juego.MnuRecupera_Click();  // no piece placed yet
  EXPECT_TRUE(m.plataforma.modales.empty());
  EXPECT_TRUE(m.plataforma.mensajes.empty());
  m.Poner(1, 1);
  m.juego.MnuSoluc_Click();
  m.juego.Form3_Label1_Click(0);
  m.juego.Form3_Label1_Click(0);
  m.juego.MnuRecupera_Click();
  m.juego.Form3_Label1_Click(0);
  ASSERT_TRUE(m.juego.form1.Label4[9].visible);
  m.juego.MnuRecupera_Click();
  EXPECT_EQ(m.plataforma.UltimoMensaje(), "No hay fichas para recuperar.");
  EXPECT_FALSE(m.juego.form3.visible);
  // Closing the picker through its frame gives nothing back.
  m.Desechar(9);
  m.juego.MnuRecupera_Click();
  m.juego.Form3_Cerrar();
  EXPECT_FALSE(m.juego.form1.Label4[9].visible);
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
    m.juego.MnuRecupera_Click();
    EXPECT_DOUBLE_EQ(m.juego.form3.ancho, ancho) << cuantas;
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
  m.juego.MnuRecupera_Click();
  for (int i = 0; i < 23; ++i) {
    EXPECT_TRUE(m.juego.form3.Label1[i].visible);
  }
  EXPECT_FALSE(m.juego.form3.Label1[23].visible);
  m.juego.Form3_Label1_Click(22);  // "Z"
  EXPECT_TRUE(m.juego.form1.Label4[26].visible);
  m.juego.MnuRecupera_Click();
  EXPECT_TRUE(m.juego.form3.Label1[21].visible);
  EXPECT_FALSE(m.juego.form3.Label1[22].visible);
  // Taking all back packs pieces 1-13 in the first row and 14-26 in the second.
  for (int i = 0; i < 22; ++i) {
    m.juego.Form3_Label1_Click(0);
    m.juego.MnuRecupera_Click();
  }
  EXPECT_EQ(m.plataforma.UltimoMensaje(), "No hay fichas para recuperar.");
  EsperarPaletaCompacta(m.juego);
  EXPECT_DOUBLE_EQ(m.juego.form1.Label4[14].top, 495);
}

}  // namespace
}  // namespace quorbel::prueba
