// The settings' interlocks: the pieces slider follows the positions, colours and piece kind.
#include "Mesa.h"

namespace quorbel::prueba {
namespace {

TEST(Ajustes, DefaultsAreTheDesignOnes) {
  const Ajustes a;
  EXPECT_FALSE(a.Repetidos());
  EXPECT_TRUE(a.Colores());
  EXPECT_EQ(a.Jugar(), JugarCon::Numeros);
  EXPECT_EQ(a.Casillas(), 4);
  EXPECT_EQ(a.Intentos(), 10);
  EXPECT_EQ(a.Fichas(), 10);
  EXPECT_EQ(a.MinFichas(), 4);
  EXPECT_EQ(a.LimiteFichas(), 10);
}

TEST(Ajustes, LimitFollowsColoursAndPieceKind) {
  struct Caso {
    int jugar;
    int colores;
    int limite;
    int coloresQueda;
  } casos[] = {
      {0, 0, 13, 0}, {0, 1, 26, 1}, {1, 0, 10, 0},
      {1, 1, 10, 1}, {2, 0, 13, 0}, {2, 1, 13, 0},  // empty pieces need colour: "Si." comes back
  };
  for (const auto& c : casos) {
    // Both orders of choosing reach the same state.
    for (bool coloresPrimero : {true, false}) {
      Ajustes a;
      if (coloresPrimero) {
        a.SeleccionarColores(c.colores);
        a.SeleccionarJugarCon(c.jugar);
      } else {
        a.SeleccionarJugarCon(c.jugar);
        a.SeleccionarColores(c.colores);
      }
      EXPECT_EQ(a.LimiteFichas(), c.limite) << c.jugar << c.colores << coloresPrimero;
      EXPECT_EQ(a.IndiceColores(), c.coloresQueda) << c.jugar << c.colores << coloresPrimero;
      EXPECT_EQ(a.LimiteSegunTabla(), a.LimiteFichas());
    }
  }
}

TEST(Ajustes, BoundsMovedPastThePiecesPullThemAlong) {
  Ajustes a;
  a.SetCasillas(10);  // numbers: minimum and maximum both 10
  EXPECT_EQ(a.Fichas(), 10);
  a.SetFichas(3);
  EXPECT_EQ(a.Fichas(), 10);

  Ajustes b;
  b.SetFichas(5);
  b.SetCasillas(7);
  EXPECT_EQ(b.Fichas(), 7);
  b.SetCasillas(3);
  EXPECT_EQ(b.Fichas(), 7);  // lowering the minimum leaves the value
  EXPECT_EQ(b.MinFichas(), 3);

  Ajustes c;
  c.SeleccionarColores(1);
  c.SeleccionarJugarCon(0);
  c.SetFichas(20);
  ASSERT_EQ(c.Fichas(), 20);
  Ajustes numeros = c;
  numeros.SeleccionarJugarCon(1);
  EXPECT_EQ(numeros.Fichas(), 10);
  Ajustes colores = c;
  colores.SeleccionarColores(0);
  EXPECT_EQ(colores.Fichas(), 13);
}

TEST(Ajustes, SlidersClampToTheirRanges) {
  Ajustes a;
  const std::pair<int, int> casillas[] = {{-5, 3}, {2, 3}, {3, 3}, {10, 10}, {11, 10}};
  for (auto [pedido, queda] : casillas) {
    a.SetCasillas(pedido);
    EXPECT_EQ(a.Casillas(), queda);
  }
  const std::pair<int, int> intentos[] = {{0, 1}, {1, 1}, {20, 20}, {32767, 20}};
  for (auto [pedido, queda] : intentos) {
    a.SetIntentos(pedido);
    EXPECT_EQ(a.Intentos(), queda);
  }
  a.SeleccionarColores(5);
  a.SeleccionarJugarCon(-1);
  a.SeleccionarRepetidos(2);
  // Indexes outside a group select nothing.
  EXPECT_EQ(a.IndiceColores(), 0);
  EXPECT_EQ(a.IndiceJugarCon(), 1);
  EXPECT_EQ(a.IndiceRepetidos(), 1);
}

}  // namespace
}  // namespace quorbel::prueba
