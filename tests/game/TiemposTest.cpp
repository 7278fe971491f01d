// The best times of won games, their file, and the hint that keeps a game out of them.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>

#include "Mesa.h"

namespace quorbel::prueba {
namespace {

namespace fs = std::filesystem;

// A game won in `segundos` seconds after `filas` rows, its best times kept in `carpeta`.
void Ganar(Mesa& m, double segundos, int filas, bool ayuda = false) {
  m.plataforma.Solucion({1, 2, 3, 4}, m.P().NumFichas);
  m.juego.Aplicar({Accion::Nuevo});
  m.plataforma.reloj = 500;
  m.Poner(1, 5);  // the clock starts with the first piece
  for (int i = 1; i < filas; ++i) {
    m.Jugar({5, 6, 7, 8});
  }
  if (ayuda) {
    m.plataforma.Variado();
    m.juego.Aplicar({Accion::PedirPista});
  }
  m.plataforma.reloj = 500 + segundos;
  m.Jugar({1, 2, 3, 4});
}

TEST(MejoresTiempos, WinsWithoutHelpEnterInOrderKeptByKindOfGame) {
  Mesa m, otra;  // two copies of the game, sharing the file
  m.plataforma.datos = otra.plataforma.datos = m.carpeta.ruta.string();
  m.Arrancar({1, 2, 3, 4});
  otra.Arrancar({1, 2, 3, 4});
  Ganar(otra, 45, 1);
  const auto modales = [&] {
    return std::count(m.plataforma.modales.begin(), m.plataforma.modales.end(),
                      Ventana::MejoresTiempos);
  };
  Ganar(m, 40.7, 3);
  Ganar(m, 40.2, 2);      // same seconds, fewer rows: first
  Ganar(m, 12, 5, true);  // a hint taken: not counted
  m.plataforma.Solucion({1, 2, 3, 4}, 10);
  m.juego.Aplicar({Accion::Nuevo});
  m.juego.Aplicar({Accion::VerSolucion});  // the solution seen, and closed again: not counted
  m.juego.Aplicar({Accion::CerrarVentanaFichas});
  m.Jugar({1, 2, 3, 4});
  EXPECT_EQ(modales(), 2);  // each counted win that enters shows the best times at once
  const TipoPartida tipo{4, 10, 10, false};
  EXPECT_EQ(m.P().mejoresTiempos.De(tipo),
            (std::vector<TiempoGanado>{
                {40, 2, "2026-12-07"}, {40, 3, "2026-12-07"}, {45, 1, "2026-12-07"}}));
  for (int i = 0; i < 10; ++i) {
    Ganar(m, 5 + i, 1);
  }
  Ganar(m, 60, 1);  // slower than the ten best: kept out, and nothing shows
  EXPECT_EQ(modales(), 12);
  EXPECT_EQ(m.P().mejoresTiempos.De(tipo).back().segundos, 14);
  m.juego.Aplicar({Accion::MoverIntentos, 12});  // another kind of game keeps its own times
  m.juego.Aplicar({Accion::AceptarOpciones});
  EXPECT_TRUE(m.P().mejoresTiempos.De(m.juego.Tipo()).empty());
  m.juego.Aplicar({Accion::VerMejoresTiempos});
  EXPECT_EQ(m.P().puestoNuevo, -1);
  otra.juego.Aplicar({Accion::VerMejoresTiempos});  // the file as it is now
  EXPECT_EQ(otra.P().mejoresTiempos.De(tipo), m.P().mejoresTiempos.De(tipo));
  EXPECT_EQ(otra.P().mejoresTiempos.De(tipo).front().segundos, 5);
}

TEST(MejoresTiempos, LinesThatAreNotTimesAreSkipped) {
  MejoresTiempos t;
  ASSERT_TRUE(
      t.Leer("# comment\n4 10 10 no 37 5 2026-12-07\n4 10 10 no 30 5 2026-12-08\r\n"
             "4 3 10 no 1 1 2026-12-07\n4 10 10 tal 1 1 2026-12-07\n4 10 10 no -1 1 "
             "2026-12-07\n4 10 10 no 1 11 2026-12-07\n4 10 10 no 1 1 2026-13-07\n"
             "4 10 10 no 1 1\n4 10 10 si 1x 1 2026-12-07\n11 26 20 si 1 1 2026-12-07\n"
             "4 27 20 si 1 1 2026-12-07\n\n3 26 20 si 9 20 2026-01-31\n5 5 1 no 12 1 2026-12-07"));
  EXPECT_EQ(t.De({4, 10, 10, false}),
            (std::vector<TiempoGanado>{{30, 5, "2026-12-08"}, {37, 5, "2026-12-07"}}));
  // The options allow as many pieces as positions, and a single try.
  EXPECT_EQ(t.De({5, 5, 1, false}), (std::vector<TiempoGanado>{{12, 1, "2026-12-07"}}));
  const std::string kept = t.Formatear();
  EXPECT_EQ(std::count(kept.begin(), kept.end(), '\n'), 5);  // a heading and four times
  MejoresTiempos copia;
  ASSERT_TRUE(copia.Leer(kept));
  EXPECT_EQ(copia.Formatear(), kept);
  EXPECT_FALSE(t.Leer(std::string("4 10 10 no 1 1 2026-12-07\n\0", 27)));
  EXPECT_EQ(TipoPartida().Titulo(), "4 casillas · 10 fichas · 10 intentos · sin repetidas");
}

TEST(MejoresTiempos, ADamagedFileIsMovedAsideAndAnUnwritableOneLeavesTheGamePlaying) {
  for (const std::string& dano : {std::string(300 * 1024, 'x'), std::string("4 10\0 10", 8)}) {
    Mesa m;
    m.plataforma.datos = m.carpeta.ruta.string();
    const fs::path archivo = m.carpeta.ruta / "mejores-tiempos.txt";
    std::ofstream(archivo, std::ios::binary) << dano;
    std::ofstream(m.carpeta.ruta / "mejores-tiempos.txt.dañado") << "older";
    m.Arrancar({1, 2, 3, 4});
    Ganar(m, 20, 1);
    std::ifstream aparte(m.carpeta.ruta / "mejores-tiempos.txt.dañado.1", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(aparte), {}), dano);
    EXPECT_EQ(m.P().mejoresTiempos.De({4, 10, 10, false}).size(), 1u);
    EXPECT_TRUE(fs::exists(archivo));  // a new file for the new times
  }
  Mesa m;
  m.plataforma.datos = (m.carpeta.ruta / "un-archivo").string();
  std::ofstream(m.plataforma.datos) << "not a folder";
  m.Arrancar({1, 2, 3, 4});
  Ganar(m, 20, 1);  // the game plays on, and its best times say what was lost
  EXPECT_EQ(m.P().mejoresTiempos.Perdida(), (TiempoGanado{20, 1, "2026-12-07"}));
  EXPECT_TRUE(m.P().mejoresTiempos.De({4, 10, 10, false}).empty());
  m.juego.Aplicar({Accion::VerMejoresTiempos});
  EXPECT_FALSE(m.P().mejoresTiempos.Perdida());
}

// Copies winning at once keep every time; one holding the lock too long is never waited for.
TEST(MejoresTiempos, CopiesWinningTogetherKeepEveryTime) {
  CarpetaTemporal carpeta;
  const fs::path archivo = carpeta.ruta / "mejores-tiempos.txt";
  for (int c = 0; c < 4; ++c) {
    if (fork() == 0) {  // each its own kind of game, so that the ten best keep every time
      MejoresTiempos t;
      for (int s = 0; s < 10; ++s) {
        t.Anotar(archivo, {4, 10, 11 + c, false}, {s, 1, "2026-12-07"});
      }
      _exit(0);
    }
  }
  while (wait(nullptr) > 0) {
  }
  const int cerrojo = open((archivo.string() + ".cerrojo").c_str(), O_RDONLY);
  ASSERT_EQ(flock(cerrojo, LOCK_EX), 0);
  const auto antes = std::chrono::steady_clock::now();
  MejoresTiempos t;
  EXPECT_TRUE(t.Anotar(archivo, {}, {1, 1, "2026-12-07"}) == -1 && t.Perdida());
  EXPECT_GE(std::chrono::steady_clock::now() - antes, MejoresTiempos::kEsperaCerrojo);
  const std::string todos = t.Formatear();
  EXPECT_EQ(std::count(todos.begin(), todos.end(), '\n'), 41);  // a heading, forty times
  close(cerrojo);  // as a copy that ends, however it ends
  EXPECT_TRUE(t.Anotar(archivo, {}, {1, 1, "2026-12-07"}) == 0 && !t.Perdida());
}

TEST(Pista, CountsThePossibleCodesOnlyWhileAGameIsPlayed) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  m.plataforma.Variado();
  m.juego.Aplicar({Accion::PedirPista});
  EXPECT_EQ(m.plataforma.UltimoMensaje(), "Quedan 5040 códigos posibles.\rPor ejemplo:");
  m.Jugar({1, 2, 3, 5});
  m.Jugar({1, 2, 4, 3});
  m.Jugar({1, 2, 3, 6});
  m.juego.Aplicar({Accion::PedirPista});
  EXPECT_EQ(m.plataforma.UltimoMensaje(), "Solo queda un código posible.\rPor ejemplo:");
  ASSERT_EQ(m.plataforma.mensajes.back().fichas.size(), 4u);
  EXPECT_EQ(m.plataforma.mensajes.back().fichas[3].rotulo, "3");  // drawn as the palette's
  EXPECT_EQ(m.plataforma.mensajes.back().fichas[3].fondo, m.V().paleta[4].fondo);
  m.Jugar({1, 2, 3, 4});
  const std::size_t vistos = m.plataforma.mensajes.size();
  m.juego.Aplicar({Accion::PedirPista});  // won: no hint
  EXPECT_EQ(m.plataforma.mensajes.size(), vistos);
  m.juego.Aplicar(
      {Accion::MoverCasillas, 6});  // ten pieces on six positions with repeats: every code fits
  m.juego.Aplicar({Accion::ElegirRepetidos, 0});
  m.juego.Aplicar({Accion::AceptarOpciones});
  m.juego.Aplicar({Accion::PedirPista});
  EXPECT_EQ(m.plataforma.UltimoMensaje(), "Quedan 1.000.000 códigos posibles.\rPor ejemplo:");
}

// Six rows of the largest game with repeats take the count half a second or more (up to its cap
// in a sanitized build): the busy pointer shows while it runs, and goes when it ends. A short
// count never shows it.
TEST(Pista, ShowsTheBusyPointerOnlyWhileALongCountRuns) {
  Mesa m;
  m.Arrancar({12, 10, 18, 22, 17, 11, 13, 19, 21, 13}, "0,1,0,10,20,26");
  m.plataforma.Variado();
  m.Jugar({25, 16, 16, 11, 15, 23, 15, 23, 8, 10});
  m.juego.Aplicar({Accion::PedirPista});
  EXPECT_TRUE(m.plataforma.ocupado.empty());
  // Among the hardest positions to count: over half a second on the machine it was found on.
  m.Jugar({15, 6, 18, 12, 18, 1, 25, 14, 7, 22});
  m.Jugar({9, 6, 21, 4, 1, 17, 23, 13, 25, 26});
  m.Jugar({7, 10, 13, 18, 7, 7, 25, 4, 4, 3});
  m.Jugar({12, 26, 24, 7, 12, 9, 25, 12, 10, 19});
  m.Jugar({10, 10, 5, 12, 13, 25, 10, 6, 10, 2});
  m.Jugar({20, 12, 5, 13, 18, 26, 11, 12, 4, 15});
  m.juego.Aplicar({Accion::PedirPista});
  EXPECT_EQ(m.plataforma.ocupado, (std::vector<bool>{true, false}));
}

}  // namespace
}  // namespace quorbel::prueba
