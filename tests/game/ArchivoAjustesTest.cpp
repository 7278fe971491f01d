// The settings file: its exact bytes, how it is read, and every kind of bad file.
#include <unistd.h>

#include <fstream>
#include <random>

#include "Mesa.h"

namespace quorbel::prueba {
namespace {

namespace fs = std::filesystem;
using archivo_ajustes::CargarDesde;

std::string Leer(const fs::path& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

void Escribir(const fs::path& ruta, const std::string& datos) {
  std::ofstream(ruta, std::ios::binary) << datos;
}

bool Valido(const Ajustes& a) {
  return a.Casillas() >= 3 && a.Casillas() <= 10 && a.Intentos() >= 1 && a.Intentos() <= 20 &&
         a.Fichas() >= a.Casillas() && a.Fichas() <= a.LimiteFichas() &&
         a.LimiteFichas() == a.LimiteSegunTabla() &&
         !(a.Jugar() == JugarCon::Vacio && !a.Colores());
}

const std::string kDefecto = "1\r\n0\r\n1\r\n\"4\"\r\n\"10\"\r\n\"10\"\r\n";

TEST(ArchivoAjustes, DefaultFileIsTwentySixBytes) {
  const std::string esperado = {0x31, 0x0D, 0x0A, 0x30, 0x0D, 0x0A, 0x31, 0x0D, 0x0A,
                                0x22, 0x34, 0x22, 0x0D, 0x0A, 0x22, 0x31, 0x30, 0x22,
                                0x0D, 0x0A, 0x22, 0x31, 0x30, 0x22, 0x0D, 0x0A};
  EXPECT_EQ(archivo_ajustes::Formatear(Ajustes()), esperado);
  Mesa m;
  m.plataforma.Solucion({1, 2, 3, 4}, 10);
  m.juego.Arrancar();  // first start: no file
  EXPECT_EQ(Leer(m.ini), esperado);
  EXPECT_EQ(m.juego.partida().ajustes, Ajustes());
}

TEST(ArchivoAjustes, EveryValidCombinationSurvivesARoundTrip) {
  CarpetaTemporal carpeta;
  const fs::path ini = carpeta.ruta() / "Quorbel.ini";
  int combinaciones = 0;
  for (int repetidos = 0; repetidos < 2; ++repetidos) {
    for (int jugar = 0; jugar < 3; ++jugar) {
      for (int colores = 0; colores < 2; ++colores) {
        for (int casillas = 3; casillas <= 10; ++casillas) {
          for (int intentos : {1, 2, 10, 19, 20}) {
            Ajustes a;
            a.SeleccionarRepetidos(repetidos);
            a.SeleccionarJugarCon(jugar);
            a.SeleccionarColores(colores);
            a.SetCasillas(casillas);
            a.SetIntentos(intentos);
            for (int fichas = a.MinFichas(); fichas <= a.LimiteFichas(); ++fichas) {
              a.SetFichas(fichas);
              ASSERT_TRUE(archivo_ajustes::Guardar(ini, a));
              Ajustes leidos;
              ASSERT_TRUE(archivo_ajustes::Cargar(ini, leidos)) << archivo_ajustes::Formatear(a);
              ASSERT_EQ(leidos, a) << archivo_ajustes::Formatear(a);
              ++combinaciones;
            }
          }
        }
      }
    }
  }
  EXPECT_GT(combinaciones, 1000);
}

TEST(ArchivoAjustes, LettersWithoutColoursKeepTwentySixPieces) {
  const Ajustes a = HacerAjustes(4, 10, 26, JugarCon::Letras, false);
  EXPECT_EQ(archivo_ajustes::Formatear(a), "1\r\n1\r\n0\r\n\"4\"\r\n\"10\"\r\n\"26\"\r\n");
  Ajustes b;
  EXPECT_TRUE(CargarDesde(archivo_ajustes::Formatear(a), b));
  EXPECT_EQ(b.Fichas(), 26);
}

struct Lectura {
  const char* nombre;
  std::string datos;
  bool completa;  // all six fields read
  int repetidos, colores, jugar, casillas, intentos, fichas;
};

TEST(ArchivoAjustes, ReadingStopsAtTheFirstBadFieldAndKeepsWhatCameBefore) {
  const Lectura casos[] = {
      {"defaults", kDefecto, true, 1, 0, 1, 4, 10, 10},
      {"one line with commas", "0, 1, 0, \"5\", \"12\", \"20\"", true, 0, 1, 0, 5, 12, 20},
      {"unquoted numbers, LF only", "0\n0\n0\n5\n12\n13\n", true, 0, 0, 0, 5, 12, 13},
      {"CR without LF", "0\r1\r0\r\"6\"\r\"7\"\r\"26\"\r", true, 0, 1, 0, 6, 7, 26},
      {"spaces and tabs before fields", " \t1\r\n  0\r\n\t1\r\n  \"4\"\r\n\"3\"\r\n\"9\"", true, 1,
       0, 1, 4, 3, 9},
      {"byte-order mark", "\xEF\xBB\xBF" + kDefecto, true, 1, 0, 1, 4, 10, 10},
      {"halves to even", "1\r\n0\r\n1\r\n\"4.5\"\r\n\"2.5\"\r\n\"9.5\"\r\n", true, 1, 0, 1, 4, 2,
       10},
      {"3.5 rounds up", "1\r\n0\r\n1\r\n\"3.5\"\r\n\"10\"\r\n\"10\"\r\n", true, 1, 0, 1, 4, 10, 10},
      {"leading number of an option line", "0abc\r\n1x\r\n1\r\n\"4\"\r\n\"10\"\r\n\"10\"", true, 0,
       1, 1, 4, 10, 10},
      {"option line without a number counts as 0", "x\r\n0\r\n1\r\n\"4\"\r\n\"10\"\r\n\"10\"", true,
       0, 0, 1, 4, 10, 10},
      {"text after the closing quote", "1\r\n0\r\n1\r\n\"5\"xx\r\n\"10\"\r\n\"10\"", true, 1, 0, 1,
       5, 10, 10},
      {"anything after six fields", kDefecto + "garbage\r\n", true, 1, 0, 1, 4, 10, 10},
      {"empty file", "", false, 1, 0, 1, 4, 10, 10},
      {"only spaces", "     \t  ", false, 1, 0, 1, 4, 10, 10},
      {"three lines", "0\r\n1\r\n0\r\n", false, 0, 1, 0, 4, 10, 10},
      {"line 1 reads 2", "2\r\n1\r\n0\r\n\"5\"\r\n\"5\"\r\n\"5\"", false, 1, 0, 1, 4, 10, 10},
      {"negative option", "-1\r\n1\r\n0", false, 1, 0, 1, 4, 10, 10},
      {"pieces below positions", "1\r\n0\r\n1\r\n\"8\"\r\n\"5\"\r\n\"7\"", false, 1, 0, 1, 8, 5,
       10},
      {"pieces above the limit", "1\r\n0\r\n1\r\n\"4\"\r\n\"5\"\r\n\"11\"", false, 1, 0, 1, 4, 5,
       10},
      {"no colours, empty pieces: colours come back", "1\r\n1\r\n2\r\n\"4\"\r\n\"10\"\r\n\"13\"",
       true, 1, 0, 2, 4, 10, 13},
      {"missing closing quote", "1\r\n0\r\n1\r\n\"5\r\n\"10\"\r\n\"10\"", false, 1, 0, 1, 4, 10,
       10},
      {"negative positions", "1\r\n0\r\n1\r\n\"-4\"\r\n\"10\"\r\n\"10\"", false, 1, 0, 1, 4, 10,
       10},
      {"too large for 16 bits", "1\r\n0\r\n1\r\n\"70000\"\r\n\"10\"", false, 1, 0, 1, 4, 10, 10},
      {"wraps to 4 in 16 bits", "1\r\n0\r\n1\r\n\"65540\"\r\n\"10\"", false, 1, 0, 1, 4, 10, 10},
      {"exponent", "1\r\n0\r\n1\r\n\"1e3\"\r\n\"10\"", false, 1, 0, 1, 4, 10, 10},
      {"huge exponent", "1e999\r\n0", false, 1, 0, 1, 4, 10, 10},
      {"letters for attempts", "1\r\n0\r\n1\r\n\"4\"\r\n\"diez\"\r\n\"10\"", false, 1, 0, 1, 4, 10,
       10},
      {"empty quoted value", "1\r\n0\r\n1\r\n\"\"\r\n\"10\"\r\n\"10\"", false, 1, 0, 1, 4, 10, 10},
      {"NUL bytes", std::string("1\r\n0\0\r\n1\r\n", 10), false, 1, 0, 1, 4, 10, 10},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nombre);
    Ajustes a;
    EXPECT_EQ(CargarDesde(c.datos, a), c.completa);
    EXPECT_EQ(a.IndiceRepetidos(), c.repetidos);
    EXPECT_EQ(a.IndiceColores(), c.colores);
    EXPECT_EQ(a.IndiceJugarCon(), c.jugar);
    EXPECT_EQ(a.Casillas(), c.casillas);
    EXPECT_EQ(a.Intentos(), c.intentos);
    EXPECT_EQ(a.Fichas(), c.fichas);
    EXPECT_TRUE(Valido(a));
  }
}

TEST(ArchivoAjustes, BadFileAtStartUpIsRewrittenCompleteAndSilently) {
  std::mt19937 azar(99);
  std::string ruido(10 * 1024 * 1024, '\0');
  for (char& c : ruido) {
    c = static_cast<char>(azar());
  }
  const std::pair<const char*, std::string> casos[] = {
      {"three lines", "0\r\n1\r\n0\r\n"},
      {"line 1 reads 2", "2\r\n1\r\n0\r\n\"5\"\r\n\"5\"\r\n\"5\""},
      {"pieces below positions", "1\r\n0\r\n1\r\n\"8\"\r\n\"5\"\r\n\"7\""},
      {"ten megabytes of noise", ruido},
      {"a large file that starts well", kDefecto + std::string(200000, ' ')},
  };
  for (const auto& [nombre, datos] : casos) {
    SCOPED_TRACE(nombre);
    Mesa m;
    Escribir(m.ini, datos);
    m.plataforma.Variado(200);
    const auto inicio = std::chrono::steady_clock::now();
    m.juego.Arrancar();
    EXPECT_LT(std::chrono::steady_clock::now() - inicio, std::chrono::milliseconds(200));
    EXPECT_TRUE(m.plataforma.mensajes.empty());
    EXPECT_TRUE(Valido(m.juego.partida().ajustes));
    Ajustes releidos;
    EXPECT_TRUE(archivo_ajustes::Cargar(m.ini, releidos));
    EXPECT_EQ(releidos, m.juego.partida().ajustes);
    EXPECT_EQ(Leer(m.ini), archivo_ajustes::Formatear(m.juego.partida().ajustes));
  }
}

TEST(ArchivoAjustes, ThreeLinesKeepTheirChoicesAndDefaultTheRest) {
  Mesa m;
  Escribir(m.ini, "0\r\n1\r\n0\r\n");
  m.plataforma.Solucion({1, 2, 3, 4}, 10);
  m.juego.Arrancar();
  EXPECT_EQ(Leer(m.ini), "0\r\n1\r\n0\r\n\"4\"\r\n\"10\"\r\n\"10\"\r\n");
  EXPECT_EQ(m.juego.partida().principal.paleta[1].rotulo, "A");
}

TEST(ArchivoAjustes, GoodFileIsNotRewritten) {
  Mesa m;
  Escribir(m.ini, "1\r\n1\r\n2\r\n\"4\"\r\n\"10\"\r\n\"13\"\r\n");
  m.plataforma.Variado(50);
  m.juego.Arrancar();
  EXPECT_TRUE(m.juego.partida().ajustes.Colores());  // empty pieces are always coloured
  EXPECT_EQ(m.juego.partida().NumFichas, 13);
  EXPECT_EQ(Leer(m.ini), "1\r\n1\r\n2\r\n\"4\"\r\n\"10\"\r\n\"13\"\r\n");
}

TEST(ArchivoAjustes, UnwritablePlacesLeaveTheSettingsInForce) {
  CarpetaTemporal carpeta;
  // A folder where the file should be.
  const fs::path carpetaIni = carpeta.ruta() / "Quorbel.ini";
  fs::create_directory(carpetaIni);
  PlataformaFalsa plataforma;
  plataforma.Variado(50);
  Juego juego(plataforma, carpetaIni);
  juego.Arrancar();
  EXPECT_EQ(juego.partida().ajustes, Ajustes());
  EXPECT_TRUE(fs::is_directory(carpetaIni));
  juego.MoverCasillas(6);
  EXPECT_FALSE(archivo_ajustes::Guardar(carpetaIni, juego.partida().ajustes));
  EXPECT_EQ(juego.partida().ajustes.Casillas(), 6);
  EXPECT_EQ(std::distance(fs::directory_iterator(carpeta.ruta()), fs::directory_iterator()), 1);

  // A folder that does not exist, and a read-only one where the user cannot write: the old
  // file stays as it was and no stray file is left behind.
  EXPECT_FALSE(archivo_ajustes::Guardar(carpeta.ruta() / "no-existe" / "Quorbel.ini",
                                        juego.partida().ajustes));
  const fs::path soloLectura = carpeta.ruta() / "solo-lectura";
  fs::create_directory(soloLectura);
  Escribir(soloLectura / "Quorbel.ini", kDefecto);
  fs::permissions(soloLectura, fs::perms::owner_read | fs::perms::owner_exec);
  if (::access(soloLectura.c_str(), W_OK) != 0) {  // root writes anywhere
    EXPECT_FALSE(archivo_ajustes::Guardar(soloLectura / "Quorbel.ini", juego.partida().ajustes));
    EXPECT_EQ(Leer(soloLectura / "Quorbel.ini"), kDefecto);
  }
}

TEST(ArchivoAjustes, ReplacingLeavesNoTemporaryFile) {
  CarpetaTemporal carpeta;
  const fs::path ini = carpeta.ruta() / "Quorbel.ini";
  for (int i = 3; i <= 10; ++i) {
    Ajustes a;
    a.SetCasillas(i);
    ASSERT_TRUE(archivo_ajustes::Guardar(ini, a));
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(carpeta.ruta()), fs::directory_iterator()), 1);
  EXPECT_EQ(fs::status(ini).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                fs::perms::others_read);
}

}  // namespace
}  // namespace quorbel::prueba
