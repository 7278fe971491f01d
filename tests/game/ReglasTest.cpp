// The rules that random play cannot tell from the state alone: the count of a score, and what
// fixing does.
#include <algorithm>

#include "Mesa.h"
#include "Puntuacion.h"

namespace quorbel::prueba {
namespace {

TEST(Puntuar, CountsEachPieceOfRowAndSolutionOnce) {
  // The last piece, and a free position in the row.
  EXPECT_EQ(ContarAciertos(std::vector{26, 1, 2}, std::vector{0, 26, 1}), (Puntuacion{0, 2}));
  // Against the rule as counted by hand, over every pair of rows of four out of six pieces.
  for (int s = 0; s < 1296 * 1296; ++s) {
    std::vector<int> solucion, fila;
    for (int i = 0, a = s % 1296, b = s / 1296; i < 4; ++i, a /= 6, b /= 6) {
      solucion.push_back(a % 6 + 1);
      fila.push_back(b % 6 + 1);
    }
    int exactas = 0, comunes = 0;
    for (std::size_t i = 0; i < 6; ++i) {  // i + 1 is a piece; the first four, positions too
      const int pieza = static_cast<int>(i) + 1;
      exactas += i < 4 && solucion[i] == fila[i];
      comunes += static_cast<int>(std::min(std::count(solucion.begin(), solucion.end(), pieza),
                                           std::count(fila.begin(), fila.end(), pieza)));
    }
    ASSERT_EQ(ContarAciertos(solucion, fila), (Puntuacion{exactas, comunes - exactas}));
  }
}

TEST(Fijar, AtMostAllButOnePositionAndOnlyOnePiecePerColumn) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, "1,0,1,4,5,10");  // five attempts
  m.Poner(4, 1);
  m.Fijar(1, 1);  // also marks position 4, which holds piece 1
  m.Fijar(2, 2);
  m.Poner(3, 8);
  m.Fijar(3, 3);
  m.Fijar(4, 6);  // refused: the piece stays, unfixed, and "OK" sends the full row
  EXPECT_EQ(m.plataforma.UltimoMensaje(), "No puedes fijar todas las posiciones.");
  EXPECT_TRUE(m.CeldaE(2, 4).rotulo.empty() && m.V().okHabilitado && !m.V().cursor.visible);
  m.Desechar(6);  // an ordinary piece can be discarded
  EXPECT_FALSE(m.V().paleta[6].visible);
}

TEST(Fijar, AnotherPieceFixedInTheColumnEndsThePreviousFix) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  m.Jugar({1, 2, 5, 3});  // piece 5 merely played in position 3
  m.Fijar(2, 5);
  m.Jugar({1, 5, 3, 4});
  m.Fijar(2, 6);  // row 3: piece 6 takes position 2 over, down to the last row
  EXPECT_EQ(m.CeldaE(10, 2).rotulo, "5");
  EXPECT_FALSE(m.juego.partida().Fijada(5));
  m.Desechar(5);  // no column keeps piece 5 fixed any more
  EXPECT_FALSE(m.V().paleta[5].visible);
  m.Desechar(6);
  EXPECT_EQ(m.plataforma.UltimoMensaje(), "Esa ficha está fijada.");
}

}  // namespace
}  // namespace quorbel::prueba
