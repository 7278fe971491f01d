#pragma once

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <functional>
#include <memory>

#include "Aplicacion.h"
#include "ArchivoAjustes.h"
#include "Dibujos.h"
#include "PlataformaQt.h"
#include "VentanaFichas.h"
#include "VentanaPrincipal.h"
#include "VistaTablero.h"

namespace quorbel::prueba {

// Runs `accion` on the next modal window or popup menu of type T that opens, from inside its
// loop.
template <typename T = QWidget>
inline void AlAbrirse(std::function<void(QWidget*)> accion) {
  auto* reloj = new QTimer;
  reloj->setInterval(5);
  QObject::connect(reloj, &QTimer::timeout, [reloj, accion] {
    QWidget* w = QApplication::activePopupWidget();
    if (!w) {
      w = QApplication::activeModalWidget();
    }
    if (w && w->isVisible() && qobject_cast<T*>(w)) {
      reloj->stop();
      reloj->deleteLater();
      accion(w);
    }
  });
  reloj->start();
}

// Answers the next message box with the given button and records its text.
inline void Responder(QString* texto, QMessageBox::StandardButton boton = QMessageBox::Ok) {
  AlAbrirse<QMessageBox>([texto, boton](QWidget* w) {
    auto* caja = qobject_cast<QMessageBox*>(w);
    QVERIFY2(caja, "a message box was expected");
    if (texto) {
      *texto = caja->text();
    }
    QTest::mouseClick(caja->button(boton), Qt::LeftButton);
  });
}

// Loads the Spanish standard buttons once, as the program does.
inline void CargarTraduccion() {
  static QTranslator traductor;
  static bool cargada =
      traductor.load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
      QApplication::installTranslator(&traductor);
  (void)cargada;
}

// The largest game: 10 positions, 20 attempts, 26 plain letters.
inline Ajustes AjustesMayores() {
  Ajustes a;
  a.SeleccionarColores(1);
  a.SeleccionarJugarCon(0);
  a.SetCasillas(10);
  a.SetIntentos(20);
  a.SetFichas(26);
  return a;
}

// The program started in a folder of its own, past its about box, with a known solution.
struct Programa {
  QTemporaryDir carpeta;
  std::unique_ptr<Aplicacion> app;

  explicit Programa(std::initializer_list<double> azar = {}, const Ajustes* ajustes = nullptr) {
    CargarTraduccion();
    const auto ini = std::filesystem::path(carpeta.path().toStdString()) / "Quorbel.ini";
    if (ajustes) {
      archivo_ajustes::Guardar(ini, *ajustes);
    }
    Reiniciar(azar);
  }

  // Ends the program and starts it again in the same folder.
  void Reiniciar(std::initializer_list<double> azar = {}) {
    app.reset();
    app = std::make_unique<Aplicacion>(std::filesystem::path(carpeta.path().toStdString()) /
                                       "Quorbel.ini");
    app->plataforma().aleatoriosGuionados.assign(azar.begin(), azar.end());
    AlAbrirse([](QWidget* acerca) { QTest::mouseClick(acerca, Qt::LeftButton, {}, {5, 5}); });
    app->Iniciar();
  }

  Juego& juego() { return app->juego(); }
  VistaTablero* vista() { return app->principal().vista(); }

  // Presses an element of the main window with a real mouse event.
  void Pulsar(const Elemento& e, Qt::MouseButton boton = Qt::LeftButton) {
    QTest::mousePress(vista(), boton, {}, Rectangulo(e).center());
    QTest::mouseRelease(vista(), boton, {}, Rectangulo(e).center());
  }
  void Celda(int k, Qt::MouseButton boton = Qt::LeftButton) {
    Pulsar(juego().partida().principal.casillas[k], boton);
  }
  void Ficha(int p, Qt::MouseButton boton = Qt::LeftButton) {
    Pulsar(juego().partida().principal.paleta[p], boton);
  }
  // Fills the current row piece by piece and clicks "OK".
  void Fila(std::initializer_list<int> piezas) {
    for (int p : piezas) {
      Ficha(p);
    }
    QTest::mouseClick(app->principal().ok(), Qt::LeftButton);
  }
  // Chooses an item of the palette's context menu, opened with a right press on a piece.
  void Quitar(int p, const char* item) {
    AlAbrirse<QMenu>([item](QWidget* w) {
      auto* menu = qobject_cast<QMenu*>(w);
      QVERIFY2(menu, "the context menu was expected");
      QAction* accion = menu->findChild<QAction*>(QString::fromLatin1(item));
      QVERIFY(accion);
      QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(accion).center());
    });
    Ficha(p, Qt::RightButton);
  }
  QAction* Accion(const char* nombre) {
    return app->principal().findChild<QAction*>(QString::fromLatin1(nombre));
  }
};

// The random number that draws piece `p` out of `fichas`.
inline double Pieza(int p, int fichas) {
  return (p - 0.5) / fichas;
}

}  // namespace quorbel::prueba
