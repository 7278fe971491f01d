#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <cstring>

#include "Aplicacion.h"
#include "Version.h"

namespace {

constexpr const char* kUso =
    "Uso: quorbel [--help | --version]\n"
    "\n"
    "Quorbel es un juego de tablero para una persona: el ordenador esconde una fila de\n"
    "fichas y tú la descubres llenando las filas del tablero, un intento cada una.\n"
    "\n"
    "  -h, --help     muestra esta ayuda y termina\n"
    "  -v, --version  muestra la versión y termina\n"
    "\n"
    "Lo elegido en Juego → Opciones se guarda en Quorbel.ini, en la carpeta desde la que\n"
    "se inicia el programa: la orden instalada lo inicia en $XDG_CONFIG_HOME/Quorbel\n"
    "(~/.config/Quorbel). Los mejores tiempos se guardan en\n"
    "$XDG_DATA_HOME/Quorbel/mejores-tiempos.txt (~/.local/share/Quorbel).\n";

bool Es(const char* argumento, const char* corto, const char* largo) {
  return std::strcmp(argumento, corto) == 0 || std::strcmp(argumento, largo) == 0;
}

// Answers the command line before any window system is reached, so that --help and
// --version work on a terminal without a display. Returns the exit status when the program
// is to end here, or -1 when the game is to be played. The first option decides.
int Responder(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    if (Es(argv[i], "-h", "--help")) {
      std::fputs(kUso, stdout);
      return 0;
    }
    if (Es(argv[i], "-v", "--version")) {
      std::puts("quorbel " QUORBEL_VERSION);
      return 0;
    }
    // A desktop session that restores the game starts it with "-session ID"; Qt takes it.
    if (Es(argv[i], "-session", "--session") && i + 1 < argc) {
      ++i;
      continue;
    }
    std::fprintf(stderr,
                 "quorbel: argumento no válido: «%s»\n"
                 "Prueba «quorbel --help» para ver las opciones.\n",
                 argv[i]);
    return 2;
  }
  return -1;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (const int estado = Responder(argc, argv); estado >= 0) {
    return estado;
  }

  QApplication programa(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quorbel"));
  QApplication::setApplicationVersion(QStringLiteral(QUORBEL_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("org.example.Quorbel"));

  // Standard buttons in Spanish: "Aceptar", "Cancelar".
  QTranslator traductor;
  if (traductor.load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&traductor);
  }

  quorbel::Aplicacion app;
  app.Iniciar();
  return QApplication::exec();
}
