#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "Aplicacion.h"

int main(int argc, char* argv[]) {
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
