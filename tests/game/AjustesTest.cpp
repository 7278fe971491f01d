// The settings: their interlocks, the file that keeps them, and every kind of bad file.
#include <unistd.h>

#include <chrono>
#include <fstream>

#include "Mesa.h"

namespace quorbel::prueba {
namespace {

namespace fs = std::filesystem;

std::string Leer(const fs::path& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

void Escribir(const fs::path& ruta, const std::string& datos) {
  std::ofstream(ruta, std::ios::binary) << datos;
}

const std::string kDefecto = "1\r\n0\r\n1\r\n\"4\"\r\n\"10\"\r\n\"10\"\r\n";

TEST(Ajustes, PiecesFollowPositionsColoursAndKind) {
  // Either order of choosing reaches the same limit; empty pieces bring colours back.
  const int casos[][4] = {{0, 0, 13, 0}, {0, 1, 26, 1}, {1, 0, 10, 0},
                          {1, 1, 10, 1}, {2, 0, 13, 0}, {2, 1, 13, 0}};
  for (auto [jugar, colores, limite, quedan] : casos) {
    Ajustes a, b;
    a.SeleccionarColores(colores);
    a.SeleccionarJugarCon(jugar);
    b.SeleccionarJugarCon(jugar);
    b.SeleccionarColores(colores);
    a.SetFichas(30);
    EXPECT_EQ(std::pair(a.Fichas(), a.IndiceColores()), std::pair(limite, quedan));
    EXPECT_EQ(b.LimiteFichas(), limite);
    a.SetFichas(0);
    EXPECT_EQ(a.Fichas(), 4);
  }
  Ajustes a;
  a.SetFichas(5);
  a.SetCasillas(7);  // raising the positions raises the pieces along
  a.SetCasillas(3);  // lowering them leaves the pieces
  EXPECT_EQ(a.Fichas(), 7);
  a.SeleccionarRepetidos(2);  // indexes outside a group select nothing
  a.SeleccionarJugarCon(3);
  a.SeleccionarColores(-1);
  EXPECT_EQ(archivo_ajustes::Formatear(a), "1\r\n0\r\n1\r\n\"3\"\r\n\"10\"\r\n\"7\"\r\n");
}

TEST(ArchivoAjustes, ReadingStopsAtTheFirstBadFieldAndKeepsWhatCameBefore) {
  const struct {
    const char* nombre;
    std::string datos;
    bool completa;  // all six fields read
    std::array<int, 6> valores;
  } casos[] = {
      {"one line with commas", "0, 1, 0, \"5\", \"12\", \"20\"", true, {0, 1, 0, 5, 12, 20}},
      {"unquoted, LF only", "0\n0\n0\n5\n12\n13\n", true, {0, 0, 0, 5, 12, 13}},
      {"CR without LF", "0\r1\r0\r\"6\"\r\"7\"\r\"26\"\r", true, {0, 1, 0, 6, 7, 26}},
      {"blanks", " \t1\r\n  0\r\n\t1\r\n  \"4\"\r\n 3 \r\n\"9\"", true, {1, 0, 1, 4, 3, 9}},
      {"byte-order mark", "\xEF\xBB\xBF" + kDefecto, true, {1, 0, 1, 4, 10, 10}},
      {"halves to even", "1\n0\n1\n\"4.5\"\n\"2.5\"\n\"9.5\"", true, {1, 0, 1, 4, 2, 10}},
      {"3.5 rounds up, signs", "1\n0\n1\n\"3.5\"\n\"+10\"\n\"10.\"", true, {1, 0, 1, 4, 10, 10}},
      {"leading numbers", "0abc\n1x\n.9e0\n4\n10\n10", true, {0, 1, 1, 4, 10, 10}},
      {"option without a number is 0", "x\n0\n1\n4\n10\n10", true, {0, 0, 1, 4, 10, 10}},
      {"after the quote", "1\n0\n1\n\"5\"xx\n\"10\"\n\"10\"", true, {1, 0, 1, 5, 10, 10}},
      {"anything after six fields", kDefecto + "basura\r\n", true, {1, 0, 1, 4, 10, 10}},
      {"empty pieces bring colours back", "1\n1\n2\n4\n10\n13", true, {1, 0, 2, 4, 10, 13}},
      {"empty file", "", false, {1, 0, 1, 4, 10, 10}},
      {"only spaces", "     \t  ", false, {1, 0, 1, 4, 10, 10}},
      {"three lines", "0\r\n1\r\n0\r\n", false, {0, 1, 0, 4, 10, 10}},
      {"line 1 reads 2", "2\n1\n0\n5\n5\n5", false, {1, 0, 1, 4, 10, 10}},
      {"line 2 reads 2", "1\n2\n0\n5\n5\n5", false, {1, 0, 1, 4, 10, 10}},
      {"line 3 reads -1", "0\n1\n-1\n5\n5\n5", false, {0, 1, 1, 4, 10, 10}},
      {"pieces below positions", "1\n0\n1\n\"8\"\n\"5\"\n\"7\"", false, {1, 0, 1, 8, 5, 10}},
      {"pieces above the limit", "1\n0\n1\n\"4\"\n\"5\"\n\"11\"", false, {1, 0, 1, 4, 5, 10}},
      {"missing closing quote", "1\n0\n1\n\"5\n\"10\"\n\"10\"", false, {1, 0, 1, 4, 10, 10}},
      {"a sign and no digit", "1\n0\n1\n+\n10\n10", false, {1, 0, 1, 4, 10, 10}},
      {"a point and no digit", "1\n0\n1\n\"4\"\n.\n10", false, {1, 0, 1, 4, 10, 10}},
      {"would wrap to 4 in 16 bits", "1\n0\n1\n\"65540\"\n10", false, {1, 0, 1, 4, 10, 10}},
      {"exponents", "1\n0\n1\n\"50e-1\"\n\"2e+1\"\n\"1e3\"", false, {1, 0, 1, 5, 20, 10}},
      {"huge exponent", "1e999\n0", false, {1, 0, 1, 4, 10, 10}},
      {"empty quoted value", "1\n0\n1\n\"\"\n10\n10", false, {1, 0, 1, 4, 10, 10}},
      {"NUL bytes", std::string("1\r\n0\0\r\n1\r\n", 10), false, {1, 0, 1, 4, 10, 10}},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nombre);
    Ajustes a;
    EXPECT_EQ(archivo_ajustes::CargarDesde(c.datos, a), c.completa);
    EXPECT_EQ((std::array{a.IndiceRepetidos(), a.IndiceColores(), a.IndiceJugarCon(), a.Casillas(),
                          a.Intentos(), a.Fichas()}),
              c.valores);
    EXPECT_EQ(a.LimiteFichas(), a.LimiteSegunTabla());
  }
}

TEST(ArchivoAjustes, AFileThatCannotBeReadIsRewrittenCompleteAndSilently) {
  std::string ruido(10 * 1024 * 1024, '\0');
  std::generate(ruido.begin(), ruido.end(), std::mt19937(99));
  // No file, three lines, noise, a large file that starts well, and a good file, kept.
  for (auto [datos, escrito] : {std::pair{std::string(), kDefecto},
                                {"0\r\n1\r\n0\r\n", "0\r\n1\r\n0\r\n\"4\"\r\n\"10\"\r\n\"10\"\r\n"},
                                {ruido, kDefecto},
                                {kDefecto + std::string(70000, ' '), kDefecto},
                                {"1\n1\n2\n4\n10\n13", "1\n1\n2\n4\n10\n13"}}) {
    Mesa m;
    if (!datos.empty()) {
      Escribir(m.ini, datos);
    }
    m.plataforma.Variado();
    const auto inicio = std::chrono::steady_clock::now();
    m.juego.Aplicar({Accion::Arrancar});
    EXPECT_LT(std::chrono::steady_clock::now() - inicio, std::chrono::milliseconds(300));
    EXPECT_TRUE(m.plataforma.mensajes.empty());
    EXPECT_EQ(Leer(m.ini), escrito);
    EXPECT_EQ(m.P().NumCasillas, m.P().ajustes.Casillas());
    // Replaced whole, readable by all, with no temporary file left beside it.
    EXPECT_EQ(fs::status(m.ini).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::others_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(m.carpeta.ruta), fs::directory_iterator()), 1);
  }
}

TEST(ArchivoAjustes, UnwritablePlacesLeaveTheSettingsInForce) {
  Mesa m;
  const fs::path& carpeta = m.carpeta.ruta;
  fs::create_directory(m.ini);  // a folder where the file should be: the game plays on
  m.plataforma.Variado();
  m.juego.Aplicar({Accion::Arrancar});
  m.juego.Aplicar({Accion::MoverCasillas, 6});
  m.juego.Aplicar({Accion::AceptarOpciones});
  EXPECT_TRUE(m.P().NumCasillas == 6 && fs::is_directory(m.ini));
  EXPECT_EQ(std::distance(fs::directory_iterator(carpeta), fs::directory_iterator()), 1);
  // A missing folder, and a read-only one: the old file stays and nothing is left behind.
  EXPECT_FALSE(archivo_ajustes::Guardar(carpeta / "no" / "Quorbel.ini", Ajustes()));
  const fs::path soloLectura = carpeta / "solo-lectura";
  fs::create_directory(soloLectura);
  Escribir(soloLectura / "Quorbel.ini", "viejo");
  fs::permissions(soloLectura, fs::perms::owner_read | fs::perms::owner_exec);
  if (::access(soloLectura.c_str(), W_OK) != 0) {  // root writes anywhere
    EXPECT_FALSE(archivo_ajustes::Guardar(soloLectura / "Quorbel.ini", Ajustes()));
    EXPECT_EQ(Leer(soloLectura / "Quorbel.ini"), "viejo");
  }
}

}  // namespace
}  // namespace quorbel::prueba
