// Dealing a game: the solution, the palette, the board and the window's size.
#include "Mesa.h"

namespace quorbel::prueba {
namespace {

TEST(Preparacion, DefaultGameHasFortyCellsAndTenColouredNumbers) {
  Mesa m;
  m.plataforma.Solucion({1, 2, 3, 4}, 10);
  m.juego.Form_Load();  // no settings file yet
  const Form1& f = m.juego.form1;

  ASSERT_EQ(f.Label2.Count() - 1, 40);
  for (int k = 1; k <= 40; ++k) {
    const Elemento& c = f.Label2[k];
    EXPECT_DOUBLE_EQ(c.width, 750);
    EXPECT_DOUBLE_EQ(c.height, 300);
    EXPECT_DOUBLE_EQ(c.left, 120 + 750 * ((k - 1) % 4));
    EXPECT_DOUBLE_EQ(c.top, 720 + 300 * ((k - 1) / 4));
    EXPECT_EQ(c.fondo, colores::kCasillaVacia);
    EXPECT_EQ(c.tag, "Empty");
    EXPECT_TRUE(c.visible);
  }
  EXPECT_DOUBLE_EQ(f.alto, 4520);
  EXPECT_DOUBLE_EQ(f.top, 2240);
  EXPECT_DOUBLE_EQ(f.Label5.height, 600);
  EXPECT_DOUBLE_EQ(f.Label6.top, 4520 - 255 - 800);

  ASSERT_EQ(f.Label4.Count() - 1, 10);
  for (int i = 1; i <= 10; ++i) {
    const Elemento& p = f.Label4[i];
    EXPECT_EQ(p.caption, std::to_string(i - 1));
    EXPECT_EQ(p.fondo, kTablaColores[i - 1].fondo);
    EXPECT_EQ(p.texto, kTablaColores[i - 1].texto);
    EXPECT_DOUBLE_EQ(p.left, 120 + 375 * (i - 1));
    EXPECT_DOUBLE_EQ(p.top, 120);
    EXPECT_TRUE(p.visible);
  }
  // The colour tables hold the decimal values of the table's colours.
  EXPECT_EQ(m.juego.ColoresFicha[1], "12632064");
  EXPECT_EQ(m.juego.ColoresTexto[9], "8438015");
  EXPECT_EQ(m.juego.ColoresFicha[13], "4210752");

  // Cursor on cell 1, hover frame on piece 1, clock stopped, scores shown as marks.
  EXPECT_TRUE(f.Shape2.visible);
  EXPECT_DOUBLE_EQ(f.Shape2.left, 120);
  EXPECT_DOUBLE_EQ(f.Shape2.top, 720);
  EXPECT_DOUBLE_EQ(f.Shape2.width, 750);
  EXPECT_EQ(m.juego.CasillaActual, 1);
  EXPECT_DOUBLE_EQ(f.Shape1.left, 120);
  EXPECT_GT(f.Shape1.z, f.Label4[1].z);
  EXPECT_FALSE(m.juego.RelojEnMarcha);
  EXPECT_EQ(f.Timer1Interval, 0);
  EXPECT_EQ(f.Label6.caption, "0");
  EXPECT_TRUE(m.juego.ModoSimbolos);
  EXPECT_EQ(m.juego.Solucion, (std::vector<int>{0, 1, 2, 3, 4}));
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
    m.juego.Form_Load();
    const Form1& f = m.juego.form1;
    ASSERT_EQ(f.Label2.Count() - 1, caso.celdas);
    const int n = caso.ajustes.Casillas();
    EXPECT_NEAR(f.Label2[n].left + f.Label2[n].width - f.Label2[1].left, 3000, 1e-9);
    EXPECT_NEAR(f.Label2[2].width, caso.anchoCelda, 1e-9);
    EXPECT_DOUBLE_EQ(f.Label2[1].top, caso.topTablero);
    EXPECT_DOUBLE_EQ(f.Label2[caso.celdas].top, caso.topTablero + 300 * (caso.celdas / n - 1));
    EXPECT_DOUBLE_EQ(f.alto, caso.alto);
    EXPECT_DOUBLE_EQ(f.top, (9000 - caso.alto) / 2);
    EXPECT_DOUBLE_EQ(f.Label1.height, caso.alto + f.top - 20);
    EXPECT_DOUBLE_EQ(f.Label5.height, caso.panel);
    // The client area ends 120 below the board, and the clock stands level with its bottom.
    EXPECT_DOUBLE_EQ(f.AltoCliente(), caso.alto - 800 + 120);
    EXPECT_DOUBLE_EQ(f.Label6.top + f.Label6.height, caso.alto - 800);
  }
}

TEST(Preparacion, TwentySixLettersWrapAfterThirteen) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 10, 26, JugarCon::Letras, false));
  const Matriz& paleta = m.juego.form1.Label4;
  ASSERT_EQ(paleta.Count() - 1, 26);
  for (int i = 1; i <= 26; ++i) {
    EXPECT_EQ(paleta[i].caption, std::string(1, static_cast<char>('A' + i - 1)));
    EXPECT_EQ(paleta[i].fondo, colores::kCaraSistema);
    EXPECT_DOUBLE_EQ(paleta[i].left, 120 + 375 * ((i - 1) % 13));
    EXPECT_DOUBLE_EQ(paleta[i].top, i <= 13 ? 120 : 495);
  }
}

TEST(Preparacion, EmptyPiecesShowOnlyTheirColour) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 10, 13, JugarCon::Vacio));
  const Matriz& paleta = m.juego.form1.Label4;
  ASSERT_EQ(paleta.Count() - 1, 13);
  for (int i = 1; i <= 13; ++i) {
    EXPECT_EQ(paleta[i].caption, "");
    EXPECT_EQ(paleta[i].fondo, kTablaColores[i - 1].fondo);
  }
}

TEST(Preparacion, SolutionWithoutRepeatsDrawsAgainUntilEveryPieceDiffers) {
  Mesa m;
  // 3 pieces, 3 positions: draws 2, 2 (again), 2 (again), 1, 1 (again), 3.
  m.plataforma.Solucion({2, 2, 2, 1, 1, 3}, 3);
  ASSERT_TRUE(archivo_ajustes::Guardar(m.ini, HacerAjustes(3, 10, 3)));
  m.juego.Form_Load();
  EXPECT_EQ(m.juego.Solucion, (std::vector<int>{0, 2, 1, 3}));
  EXPECT_EQ(m.plataforma.aleatoriosUsados, 6);
  EXPECT_TRUE(m.plataforma.aleatorios.empty());
}

TEST(Preparacion, SolutionWithRepeatsTakesEveryDraw) {
  Mesa m;
  m.Arrancar({3, 3, 3, 3}, HacerAjustes(4, 10, 10, JugarCon::Numeros, true, true));
  EXPECT_EQ(m.juego.Solucion, (std::vector<int>{0, 3, 3, 3, 3}));
  EXPECT_EQ(m.plataforma.aleatoriosUsados, 4);
}

TEST(Preparacion, NewSetUpWithFewerAttemptsLeavesNothingOfTheOldGame) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 10, 10));
  m.Jugar({5, 6, 7, 8});  // scored: a text and no marks
  m.Jugar({2, 1, 4, 3});  // four partial matches
  m.Fijar(1, 1);
  m.Desechar(10);
  Form1& f = m.juego.form1;
  ASSERT_GT(f.Label3.Count(), 1);
  ASSERT_GT(f.Shape4.Count(), 1);
  ASSERT_GT(f.Image2.Count(), 1);

  m.juego.ajustes.SetIntentos(3);
  m.plataforma.Solucion({4, 3, 2, 1}, 10);
  m.juego.MnuNew_Click();  // the clock runs: asked, answered OK
  EXPECT_EQ(m.plataforma.UltimoMensaje(), "Quieres comenzar una nueva partida?");
  EXPECT_EQ(f.Label2.Count() - 1, 12);
  for (const Matriz* marcas : {&f.Label3, &f.Shape3, &f.Shape4, &f.Image1, &f.Image2}) {
    EXPECT_EQ(marcas->Count(), 1);
  }
  for (int k = 1; k <= 12; ++k) {
    EXPECT_EQ(f.Label2[k].fondo, colores::kCasillaVacia);
    EXPECT_EQ(f.Label2[k].caption, "");
  }
  EXPECT_EQ(f.Label4.Count() - 1, 10);
  EXPECT_TRUE(f.Label4[10].visible);
  EXPECT_EQ(m.juego.Solucion, (std::vector<int>{0, 4, 3, 2, 1}));
  EXPECT_FALSE(m.juego.RelojEnMarcha);
  EXPECT_EQ(f.Label6.caption, "0");
}

TEST(Preparacion, NuevoKeepsPositionsAndRereadsPiecesAndAttempts) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 10, 10));
  m.juego.ajustes.SetCasillas(6);
  m.juego.ajustes.SetIntentos(5);
  m.juego.ajustes.SeleccionarJugarCon(0);
  m.juego.ajustes.SetFichas(12);
  m.plataforma.Solucion({12, 11, 10, 9}, 12);
  m.juego.MnuNew_Click();
  EXPECT_TRUE(m.plataforma.mensajes.empty());  // nothing placed: no question
  EXPECT_EQ(m.juego.NumCasillas, 4);
  EXPECT_EQ(m.juego.NumFichas, 12);
  EXPECT_EQ(m.juego.form1.Label2.Count() - 1, 20);
  EXPECT_EQ(m.juego.form1.Label4[12].caption, "L");
  EXPECT_EQ(m.juego.Solucion, (std::vector<int>{0, 12, 11, 10, 9}));
  EXPECT_EQ(m.plataforma.siembras, 1);  // the random sequence goes on, not reseeded
}

TEST(Preparacion, NuevoDuringAGameAsksAndCancelKeepsEverything) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  m.Poner(1, 7);
  m.plataforma.reloj += 5;
  m.juego.Timer1_Timer();
  m.plataforma.respuestas.push_back(Respuesta::Cancelar);
  m.juego.MnuNew_Click();
  ASSERT_EQ(m.plataforma.mensajes.size(), 1u);
  EXPECT_EQ(m.plataforma.mensajes[0].icono, Icono::Pregunta);
  EXPECT_EQ(m.plataforma.mensajes[0].botones, Botones::OkCancelar);
  EXPECT_EQ(m.CeldaE(1, 1).caption, "6");
  EXPECT_TRUE(m.juego.RelojEnMarcha);
  EXPECT_EQ(m.juego.form1.Timer1Interval, 100);
  EXPECT_EQ(m.juego.form1.Label6.caption, "5");
  EXPECT_EQ(m.juego.Solucion, (std::vector<int>{0, 1, 2, 3, 4}));
}

TEST(Preparacion, NuevoAfterTheGameEndedDoesNotAsk) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  m.Jugar({1, 2, 3, 4});  // won
  const auto vistos = m.plataforma.mensajes.size();
  m.Nuevo({5, 6, 7, 8});
  EXPECT_EQ(m.plataforma.mensajes.size(), vistos);
  EXPECT_EQ(m.juego.Solucion, (std::vector<int>{0, 5, 6, 7, 8}));
}

TEST(Preparacion, UnloadHidesTheSmallWindowAndWritesNothing) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  m.juego.MnuSoluc_Click();
  ASSERT_TRUE(m.juego.form3.visible);
  const auto antes = std::filesystem::last_write_time(m.ini);
  m.juego.Form_Unload();
  EXPECT_FALSE(m.juego.form3.visible);
  EXPECT_EQ(std::filesystem::last_write_time(m.ini), antes);
}

}  // namespace
}  // namespace quorbel::prueba
