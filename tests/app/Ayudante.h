#pragma once

// What the window tests share: the program started in a folder of its own, real mouse events
// on its elements, answers to the modal windows it opens, and reference pictures.
#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include "Aplicacion.h"
#include "ArchivoAjustes.h"
#include "Dibujos.h"
#include "PlataformaQt.h"
#include "VentanaFichas.h"
#include "VentanaPrincipal.h"
#include "VistaTablero.h"

namespace quorbel::prueba {

// Runs `accion` inside the next modal window or popup menu of type T that opens within two
// seconds; a window that never opens leaves nothing waiting to answer a later one.
template <typename T = QWidget>
inline void AlAbrirse(std::function<void(QWidget*)> accion) {
  auto* reloj = new QTimer;
  reloj->setInterval(5);
  QObject::connect(reloj, &QTimer::timeout, [reloj, accion, vueltas = 0]() mutable {
    QWidget* w = QApplication::activePopupWidget();
    w = w ? w : QApplication::activeModalWidget();
    const bool abierta = w && w->isVisible() && qobject_cast<T*>(w);
    if (abierta || ++vueltas > 400) {
      reloj->stop();
      reloj->deleteLater();
    }
    if (abierta) {
      accion(w);
    }
  });
  reloj->start();
}

// Counts the events of a kind that a widget receives.
struct Contador : QObject {
  Contador(QObject* objeto, QEvent::Type tipo, int& cuenta) : tipo_(tipo), cuenta_(cuenta) {
    objeto->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* evento) override {
    cuenta_ += evento->type() == tipo_;
    return false;
  }
  QEvent::Type tipo_;
  int& cuenta_;
};

// Clicks a message box's button until the box closes. A window manager can size the box on
// its own for a moment before the box's size holds, leaving the button no height: the click
// misses it, and the box would wait for good.
inline void PulsarHastaCerrar(QMessageBox* caja, QMessageBox::StandardButton boton) {
  QPointer<QMessageBox> abierta = caja;
  QTest::mouseClick(caja->button(boton), Qt::LeftButton);
  if (abierta && abierta->isVisible()) {
    QTimer::singleShot(5, abierta, [abierta, boton] { PulsarHastaCerrar(abierta, boton); });
  }
}

// Answers the next message box with the given button, recording its text.
inline void Responder(QString* texto, QMessageBox::StandardButton boton = QMessageBox::Ok) {
  AlAbrirse<QMessageBox>([texto, boton](QWidget* w) {
    auto* caja = static_cast<QMessageBox*>(w);
    if (texto) {
      *texto = caja->text();
    }
    PulsarHastaCerrar(caja, boton);
  });
}

// The title-bar buttons a window asks for. The main window can be minimised but never
// maximised; the smaller windows only closed. Without CustomizeWindowHint a window manager
// would offer every button whatever the rest asks.
inline QString Botones(const QWidget* w) {
  const Qt::WindowFlags f = w->windowFlags();
  return QString(f.testFlag(Qt::CustomizeWindowHint) ? "propios" : "todos") +
         (f.testFlag(Qt::WindowMinimizeButtonHint) ? " _" : "") +
         (f.testFlag(Qt::WindowMaximizeButtonHint) ? " []" : "") +
         (f.testFlag(Qt::WindowCloseButtonHint) ? " X" : "");
}

// The picture a widget shows matches the reference one in tests/app/imagenes.
// QUORBEL_NUEVAS_IMAGENES=1 writes the references anew after a wanted change of look.
inline bool ComoLaReferencia(QWidget* w, const QString& nombre) {
  const QImage imagen = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QString ruta = QStringLiteral(QUORBEL_IMAGENES "/") + nombre + QStringLiteral(".png");
  if (qEnvironmentVariableIsSet("QUORBEL_NUEVAS_IMAGENES")) {
    return imagen.save(ruta);
  }
  if (imagen == QImage(ruta).convertToFormat(QImage::Format_RGB32)) {
    return true;
  }
  imagen.save(QDir::temp().filePath(nombre + QStringLiteral("-visto.png")));  // to compare
  return false;
}

// The program started in a folder of its own, past its about box, with a known solution.
struct Programa {
  QTemporaryDir carpeta;
  std::unique_ptr<Aplicacion> app;

  explicit Programa(std::initializer_list<double> azar = {}, const Ajustes* ajustes = nullptr) {
    static QTranslator traductor;  // Spanish standard buttons, as the program loads them
    if (traductor.isEmpty() && traductor.load(QStringLiteral("qtbase_es"),
                                              QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      QApplication::installTranslator(&traductor);
    }
    if (ajustes) {
      archivo_ajustes::Guardar(Ini(), *ajustes);
    }
    qputenv("XDG_DATA_HOME", carpeta.path().toUtf8());  // the best times, kept apart too
    Reiniciar(azar);
  }
  std::filesystem::path Ini() const {
    return std::filesystem::path(carpeta.path().toStdString()) / "Quorbel.ini";
  }

  // Ends the program and starts it again in the same folder.
  void Reiniciar(std::initializer_list<double> azar = {}) {
    app.reset();
    app = std::make_unique<Aplicacion>(Ini());
    app->plataforma().aleatoriosGuionados.assign(azar.begin(), azar.end());
    AlAbrirse([](QWidget* acerca) { QTest::mouseClick(acerca, Qt::LeftButton, {}, {5, 5}); });
    app->Iniciar();
  }

  const Estado& P() { return app->juego().partida(); }
  const RegistroPrincipal& V() { return app->juego().principal(); }
  const RegistroFichas& F() { return app->juego().ventanaFichas(); }
  VistaTablero* vista() { return app->principal().vista(); }
  QAction* Accion(const char* nombre) { return app->principal().findChild<QAction*>(nombre); }

  // A real press of the mouse on an element of the main window.
  void Pulsar(const Elemento& e, Qt::MouseButton boton = Qt::LeftButton) {
    QTest::mousePress(vista(), boton, {}, Rectangulo(e).center());
    QTest::mouseRelease(vista(), boton, {}, Rectangulo(e).center());
  }
  void Ficha(int p, Qt::MouseButton boton = Qt::LeftButton) { Pulsar(V().paleta[p], boton); }
  // Fills the current row piece by piece and clicks "OK".
  void Fila(std::initializer_list<int> piezas) {
    for (int p : piezas) {
      Ficha(p);
    }
    QTest::mouseClick(app->principal().ok(), Qt::LeftButton);
  }
  // Chooses an item of a piece's context menu.
  void Quitar(int p, const char* item) {
    AlAbrirse<QMenu>([item](QWidget* w) {
      auto* menu = static_cast<QMenu*>(w);
      QAction* accion = menu->findChild<QAction*>(QString::fromLatin1(item));
      QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(accion).center());
    });
    Ficha(p, Qt::RightButton);
  }
};

// The random number that draws piece `p` out of `fichas`.
inline double AzarDeFicha(int p, int fichas = 10) {
  return (p - 0.5) / fichas;
}

}  // namespace quorbel::prueba
