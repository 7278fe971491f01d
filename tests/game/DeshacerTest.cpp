// "Deshacer": each move of the current row is taken back as if it had never been made.
#include <functional>

#include "Mesa.h"

namespace quorbel::prueba {
namespace {

// What a move of the row may change: its pieces, fixes, discards, cursor and "OK".
auto Fila(const Estado& e) {
  return std::tuple(e.casillas, e.FijaEnColumna, e.desechadas, e.cursor, e.okHabilitado);
}

TEST(Deshacer, TakesBackEachKindOfMoveExactly) {
  struct Caso {
    const char* nombre;
    std::function<void(Mesa&)> antes;
    Movimiento movimiento;
  };
  const Caso casos[] = {
      {"a placement", [](Mesa&) {}, {Accion::PulsarFicha, 5, kBotonIzquierdo}},
      {"a fix",
       [](Mesa& m) { m.Poner(1, 1), m.Elegir(2, kBotonDerecho); },
       {Accion::PulsarFicha, 2, kBotonIzquierdo}},
      {"No Fijar",
       [](Mesa& m) {
         m.Fijar(2, 2), m.Jugar({1, 2, 3, 5});
         m.juego.Aplicar({Accion::PulsarFicha, 2, kBotonDerecho});
       },
       {Accion::NoFijar}},
      {"a discard",
       [](Mesa& m) {
         m.Poner(1, 5), m.Poner(2, 6);
         m.juego.Aplicar({Accion::PulsarFicha, 5, kBotonDerecho});
       },
       {Accion::Desechar}},
      {"a recovery",
       [](Mesa& m) {
         m.Poner(1, 1), m.Desechar(7), m.Desechar(5);
         m.juego.Aplicar({Accion::Recuperar});  // the picker: 5 and 7, in palette order
       },
       {Accion::ElegirRecuperada, 1}},
  };
  for (const Caso& caso : casos) {
    Mesa m;
    m.Arrancar({1, 2, 3, 4});
    caso.antes(m);
    const RegistroPrincipal dibujo = m.V();
    const auto fila = Fila(m.P());
    const std::size_t pasos = m.juego.Deshaciones();
    m.plataforma.reloj += 7;
    m.juego.Aplicar(caso.movimiento);
    ASSERT_TRUE(!(m.V() == dibujo) && m.juego.Deshaciones() == pasos + 1 &&
                m.V().deshacerHabilitado)
        << caso.nombre;
    m.juego.Aplicar({Accion::Deshacer});
    RegistroPrincipal esperado = dibujo;  // the clock is not taken back: it runs on
    esperado.intervaloReloj = m.V().intervaloReloj;
    esperado.reloj.rotulo = m.V().reloj.rotulo;
    EXPECT_TRUE(m.V() == esperado && Fila(m.P()) == fila) << caso.nombre;
    EXPECT_EQ(m.juego.Deshaciones(), pasos) << caso.nombre;
    EXPECT_TRUE(m.P().RelojEnMarcha && !m.P().Ayudada) << caso.nombre;  // no help, time runs on
  }
}

TEST(Deshacer, StopsAtTheLastSentRowAndSkipsRefusedMoves) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  m.juego.Aplicar({Accion::Deshacer});  // nothing yet
  EXPECT_FALSE(m.V().deshacerHabilitado);
  m.Poner(1, 5);
  m.Poner(2, 6);
  for (int pieza : {1, 2, 3, 4, 7, 8, 9}) {  // the last one refused: only the row's moves count
    m.Desechar(pieza);
  }
  EXPECT_EQ(m.plataforma.UltimoMensaje(), "No puedes desechar mas fichas.");
  EXPECT_EQ(m.juego.Deshaciones(), 8u);  // two pieces placed, six discarded
  m.juego.Aplicar({Accion::VerTexto});
  for (int i = 0; i < 9; ++i) {
    m.juego.Aplicar({Accion::Deshacer});
  }
  // Back to an empty row; what was no move of the row stays, and the clock runs on.
  EXPECT_TRUE(m.P().Tablero() == std::vector<int>(5, 0) && m.P().Visibles() == 10 &&
              !m.P().ModoSimbolos && m.P().RelojEnMarcha);
  m.Jugar({5, 6, 7, 8});
  m.Poner(1, 1);
  m.juego.Aplicar({Accion::Deshacer});
  m.juego.Aplicar({Accion::Deshacer});  // the sent row stays
  EXPECT_TRUE(m.P().PiezasDeFila(1) == std::vector({5, 6, 7, 8}) && m.P().FilaActual == 2 &&
              !m.V().deshacerHabilitado);
  for (int i = 0; i < 105; ++i) {  // the oldest moves of a long row are forgotten
    m.Poner(1, 5 + i % 2);
  }
  for (int i = 0; i < 200; ++i) {
    m.juego.Aplicar({Accion::Deshacer});
  }
  EXPECT_EQ(m.P().Tablero()[1], 5 + 4 % 2);
  m.Jugar({1, 2, 3, 4});  // won: the game is over
  EXPECT_TRUE(m.P().Ganada && !m.V().deshacerHabilitado);
}

}  // namespace
}  // namespace quorbel::prueba
