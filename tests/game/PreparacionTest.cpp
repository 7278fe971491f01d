// Dealing a game: the solution, the palette, the board and the window's size.
#include "Mesa.h"

namespace quorbel::prueba {
namespace {

TEST(Preparacion, DefaultGameHasFortyCellsAndTenColouredNumbers) {
  Mesa m;
  m.plataforma.Solucion({1, 2, 3, 4}, 10);
  m.juego.Arrancar();  // no settings file yet
  const RegistroPrincipal& f = m.juego.partida().principal;

  ASSERT_EQ(f.casillas.Cuenta() - 1, 40);
  for (int k = 1; k <= 40; ++k) {
    const Elemento& c = f.casillas[k];
    EXPECT_DOUBLE_EQ(c.ancho, 750);
    EXPECT_DOUBLE_EQ(c.alto, 300);
    EXPECT_DOUBLE_EQ(c.izquierda, 120 + 750 * ((k - 1) % 4));
    EXPECT_DOUBLE_EQ(c.arriba, 720 + 300 * ((k - 1) / 4));
    EXPECT_EQ(c.fondo, colores::kCasillaVacia);
    EXPECT_EQ(c.fijada, false);
    EXPECT_TRUE(c.visible);
  }
  EXPECT_DOUBLE_EQ(f.alto, 4520);
  EXPECT_DOUBLE_EQ(f.arriba, 2240);
  EXPECT_DOUBLE_EQ(f.fondoPaleta.alto, 600);
  EXPECT_DOUBLE_EQ(f.reloj.arriba, 4520 - 255 - 800);

  ASSERT_EQ(f.paleta.Cuenta() - 1, 10);
  for (int i = 1; i <= 10; ++i) {
    const Elemento& p = f.paleta[i];
    EXPECT_EQ(p.rotulo, std::to_string(i - 1));
    EXPECT_EQ(p.fondo, kTablaColores[i - 1].fondo);
    EXPECT_EQ(p.tinta, kTablaColores[i - 1].tinta);
    EXPECT_DOUBLE_EQ(p.izquierda, 120 + 375 * (i - 1));
    EXPECT_DOUBLE_EQ(p.arriba, 120);
    EXPECT_TRUE(p.visible);
  }
  // The colour table holds the pieces' colours as the game stores them.
  EXPECT_EQ(kTablaColores[0].fondo.value(), 12632064u);
  EXPECT_EQ(kTablaColores[8].tinta.value(), 8438015u);
  EXPECT_EQ(kTablaColores[12].fondo.value(), 4210752u);

  // Cursor on cell 1, hover frame on piece 1, clock stopped, scores shown as marks.
  EXPECT_TRUE(f.cursor.visible);
  EXPECT_DOUBLE_EQ(f.cursor.izquierda, 120);
  EXPECT_DOUBLE_EQ(f.cursor.arriba, 720);
  EXPECT_DOUBLE_EQ(f.cursor.ancho, 750);
  EXPECT_EQ(m.juego.partida().CasillaActual, 1);
  EXPECT_DOUBLE_EQ(f.marcoPaleta.izquierda, 120);
  EXPECT_GT(f.marcoPaleta.z, f.paleta[1].z);
  EXPECT_FALSE(m.juego.partida().RelojEnMarcha);
  EXPECT_EQ(f.intervaloReloj, 0);
  EXPECT_EQ(f.reloj.rotulo, "0");
  EXPECT_TRUE(m.juego.partida().ModoSimbolos);
  EXPECT_EQ(m.juego.partida().Solucion, (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_EQ(m.plataforma.siembras, 1);
}

struct Disposicion {
  const char* nombre;
  Ajustes ajustes;
  int celdas;
  double anchoCelda;
  double topTablero;
  double alto;
  double panel;
};

TEST(Preparacion, BoardAndWindowFollowTheSettings) {
  const Disposicion casos[] = {
      {"largest", HacerAjustes(10, 20, 26, JugarCon::Letras, false), 200, 300, 1080, 7880, 960},
      {"ten positions", HacerAjustes(10, 10, 10), 100, 300, 720, 4520, 600},
      {"seven positions", HacerAjustes(7, 5, 10), 35, 3000.0 / 7, 720, 3020, 600},
      {"one attempt", HacerAjustes(4, 1, 10), 4, 750, 720, 720 + 1100, 600},
      {"one attempt, two palette rows", HacerAjustes(3, 1, 14, JugarCon::Letras, false), 3, 1000,
       1080, 1080 + 1100, 960},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    Mesa m;
    std::vector<double> azar(static_cast<std::size_t>(caso.ajustes.Casillas()));
    for (std::size_t i = 0; i < azar.size(); ++i) {
      azar[i] = (static_cast<double>(i) + 0.5) / caso.ajustes.Fichas();
    }
    m.plataforma.aleatorios.assign(azar.begin(), azar.end());
    ASSERT_TRUE(archivo_ajustes::Guardar(m.ini, caso.ajustes));
    m.juego.Arrancar();
    const RegistroPrincipal& f = m.juego.partida().principal;
    ASSERT_EQ(f.casillas.Cuenta() - 1, caso.celdas);
    const int n = caso.ajustes.Casillas();
    EXPECT_NEAR(f.casillas[n].izquierda + f.casillas[n].ancho - f.casillas[1].izquierda, 3000,
                1e-9);
    EXPECT_NEAR(f.casillas[2].ancho, caso.anchoCelda, 1e-9);
    EXPECT_DOUBLE_EQ(f.casillas[1].arriba, caso.topTablero);
    EXPECT_DOUBLE_EQ(f.casillas[caso.celdas].arriba, caso.topTablero + 300 * (caso.celdas / n - 1));
    EXPECT_DOUBLE_EQ(f.alto, caso.alto);
    EXPECT_DOUBLE_EQ(f.arriba, (9000 - caso.alto) / 2);
    EXPECT_DOUBLE_EQ(f.fondoTablero.alto, caso.alto + f.arriba - 20);
    EXPECT_DOUBLE_EQ(f.fondoPaleta.alto, caso.panel);
    // The client area ends 120 below the board, and the clock stands level with its bottom.
    EXPECT_DOUBLE_EQ(f.AltoCliente(), caso.alto - 800 + 120);
    EXPECT_DOUBLE_EQ(f.reloj.arriba + f.reloj.alto, caso.alto - 800);
  }
}

TEST(Preparacion, TwentySixLettersWrapAfterThirteen) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 10, 26, JugarCon::Letras, false));
  const Matriz& paleta = m.juego.partida().principal.paleta;
  ASSERT_EQ(paleta.Cuenta() - 1, 26);
  for (int i = 1; i <= 26; ++i) {
    EXPECT_EQ(paleta[i].rotulo, std::string(1, static_cast<char>('A' + i - 1)));
    EXPECT_EQ(paleta[i].fondo, colores::kCaraSistema);
    EXPECT_DOUBLE_EQ(paleta[i].izquierda, 120 + 375 * ((i - 1) % 13));
    EXPECT_DOUBLE_EQ(paleta[i].arriba, i <= 13 ? 120 : 495);
  }
}

TEST(Preparacion, EmptyPiecesShowOnlyTheirColour) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 10, 13, JugarCon::Vacio));
  const Matriz& paleta = m.juego.partida().principal.paleta;
  ASSERT_EQ(paleta.Cuenta() - 1, 13);
  for (int i = 1; i <= 13; ++i) {
    EXPECT_EQ(paleta[i].rotulo, "");
    EXPECT_EQ(paleta[i].fondo, kTablaColores[i - 1].fondo);
  }
}

TEST(Preparacion, SolutionWithoutRepeatsDrawsAgainUntilEveryPieceDiffers) {
  Mesa m;
  // 3 pieces, 3 positions: draws 2, 2 (again), 2 (again), 1, 1 (again), 3.
  m.plataforma.Solucion({2, 2, 2, 1, 1, 3}, 3);
  ASSERT_TRUE(archivo_ajustes::Guardar(m.ini, HacerAjustes(3, 10, 3)));
  m.juego.Arrancar();
  EXPECT_EQ(m.juego.partida().Solucion, (std::vector<int>{0, 2, 1, 3}));
  EXPECT_EQ(m.plataforma.aleatoriosUsados, 6);
  EXPECT_TRUE(m.plataforma.aleatorios.empty());
}

TEST(Preparacion, SolutionWithRepeatsTakesEveryDraw) {
  Mesa m;
  m.Arrancar({3, 3, 3, 3}, HacerAjustes(4, 10, 10, JugarCon::Numeros, true, true));
  EXPECT_EQ(m.juego.partida().Solucion, (std::vector<int>{0, 3, 3, 3, 3}));
  EXPECT_EQ(m.plataforma.aleatoriosUsados, 4);
}

TEST(Preparacion, NewSetUpWithFewerAttemptsLeavesNothingOfTheOldGame) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 10, 10));
  m.Jugar({5, 6, 7, 8});  // scored: a text and no marks
  m.Jugar({2, 1, 4, 3});  // four partial matches
  m.Fijar(1, 1);
  m.Desechar(10);
  const RegistroPrincipal& f = m.juego.partida().principal;
  ASSERT_GT(f.puntuaciones.Cuenta(), 1);
  ASSERT_GT(f.tocados.Cuenta(), 1);
  ASSERT_GT(f.anillos.Cuenta(), 1);

  m.juego.MoverIntentos(3);
  m.plataforma.Solucion({4, 3, 2, 1}, 10);
  m.juego.Nuevo();  // the clock runs: asked, answered OK
  EXPECT_EQ(m.plataforma.UltimoMensaje(), "Quieres comenzar una nueva partida?");
  EXPECT_EQ(f.casillas.Cuenta() - 1, 12);
  for (const Matriz* marcas : {&f.puntuaciones, &f.muertos, &f.tocados, &f.cruces, &f.anillos}) {
    EXPECT_EQ(marcas->Cuenta(), 1);
  }
  for (int k = 1; k <= 12; ++k) {
    EXPECT_EQ(f.casillas[k].fondo, colores::kCasillaVacia);
    EXPECT_EQ(f.casillas[k].rotulo, "");
  }
  EXPECT_EQ(f.paleta.Cuenta() - 1, 10);
  EXPECT_TRUE(f.paleta[10].visible);
  EXPECT_EQ(m.juego.partida().Solucion, (std::vector<int>{0, 4, 3, 2, 1}));
  EXPECT_FALSE(m.juego.partida().RelojEnMarcha);
  EXPECT_EQ(f.reloj.rotulo, "0");
}

TEST(Preparacion, NuevoKeepsPositionsAndRereadsPiecesAndAttempts) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 10, 10));
  m.juego.MoverCasillas(6);
  m.juego.MoverIntentos(5);
  m.juego.ElegirJugarCon(0);
  m.juego.MoverFichas(12);
  m.plataforma.Solucion({12, 11, 10, 9}, 12);
  m.juego.Nuevo();
  EXPECT_TRUE(m.plataforma.mensajes.empty());  // nothing placed: no question
  EXPECT_EQ(m.juego.partida().NumCasillas, 4);
  EXPECT_EQ(m.juego.partida().NumFichas, 12);
  EXPECT_EQ(m.juego.partida().principal.casillas.Cuenta() - 1, 20);
  EXPECT_EQ(m.juego.partida().principal.paleta[12].rotulo, "L");
  EXPECT_EQ(m.juego.partida().Solucion, (std::vector<int>{0, 12, 11, 10, 9}));
  EXPECT_EQ(m.plataforma.siembras, 1);  // the random sequence goes on, not reseeded
}

TEST(Preparacion, NuevoDuringAGameAsksAndCancelKeepsEverything) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  m.Poner(1, 7);
  m.plataforma.reloj += 5;
  m.juego.Tic();
  m.plataforma.respuestas.push_back(Respuesta::Cancelar);
  m.juego.Nuevo();
  ASSERT_EQ(m.plataforma.mensajes.size(), 1u);
  EXPECT_EQ(m.plataforma.mensajes[0].icono, Icono::Pregunta);
  EXPECT_EQ(m.plataforma.mensajes[0].botones, Botones::OkCancelar);
  EXPECT_EQ(m.CeldaE(1, 1).rotulo, "6");
  EXPECT_TRUE(m.juego.partida().RelojEnMarcha);
  EXPECT_EQ(m.juego.partida().principal.intervaloReloj, 100);
  EXPECT_EQ(m.juego.partida().principal.reloj.rotulo, "5");
  EXPECT_EQ(m.juego.partida().Solucion, (std::vector<int>{0, 1, 2, 3, 4}));
}

TEST(Preparacion, NuevoAfterTheGameEndedDoesNotAsk) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  m.Jugar({1, 2, 3, 4});  // won
  const auto vistos = m.plataforma.mensajes.size();
  m.Nuevo({5, 6, 7, 8});
  EXPECT_EQ(m.plataforma.mensajes.size(), vistos);
  EXPECT_EQ(m.juego.partida().Solucion, (std::vector<int>{0, 5, 6, 7, 8}));
}

TEST(Preparacion, UnloadHidesTheSmallWindowAndWritesNothing) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  m.juego.VerSolucion();
  ASSERT_TRUE(m.juego.partida().ventanaFichas.visible);
  const auto antes = std::filesystem::last_write_time(m.ini);
  m.juego.Salir();
  EXPECT_FALSE(m.juego.partida().ventanaFichas.visible);
  EXPECT_EQ(std::filesystem::last_write_time(m.ini), antes);
}

}  // namespace
}  // namespace quorbel::prueba
