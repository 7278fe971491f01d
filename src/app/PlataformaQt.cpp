#include "PlataformaQt.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QStandardPaths>
#include <QUrl>

#include "AcercaDe.h"
#include "Aplicacion.h"
#include "DialogoOpciones.h"
#include "Dibujos.h"
#include "VentanaFichas.h"
#include "VentanaPrincipal.h"
#include "VentanaTiempos.h"

namespace quorbel {

PlataformaQt::PlataformaQt(Aplicacion& app) : app_(app) {
  reloj_.start();
}

void PlataformaQt::Sembrar() {
  generador_.seed(static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()));
}

double PlataformaQt::Aleatorio() {
  if (!aleatoriosGuionados.empty()) {
    const double r = aleatoriosGuionados.front();
    aleatoriosGuionados.pop_front();
    return r;
  }
  return std::uniform_real_distribution<double>(0.0, 1.0)(generador_);
}

double PlataformaQt::Segundos() {
  return static_cast<double>(reloj_.nsecsElapsed()) / 1e9;
}

Respuesta PlataformaQt::Mensaje(const std::string& texto, Icono icono, Botones botones) {
  return Caja(texto, icono, botones, {});
}

void PlataformaQt::MensajeConFichas(const std::string& texto, const std::vector<Elemento>& fichas) {
  Caja(texto, Icono::Informacion, Botones::Ok, fichas);
}

Respuesta PlataformaQt::Caja(const std::string& texto, Icono icono, Botones botones,
                             const std::vector<Elemento>& fichas) {
  app_.Sincronizar();  // the player sees the board as it stands when the box appears
  const QMessageBox::Icon icon = icono == Icono::Informacion   ? QMessageBox::Information
                                 : icono == Icono::Exclamacion ? QMessageBox::Warning
                                                               : QMessageBox::Question;
  QString cuerpo = QString::fromStdString(texto);
  cuerpo.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  QWidget* padre = QApplication::activeWindow();
  if (!padre && app_.principal().isVisible()) {
    padre = &app_.principal();
  }
  QMessageBox caja(icon, QStringLiteral("Quorbel"), cuerpo,
                   botones == Botones::Ok ? QMessageBox::Ok : QMessageBox::Ok | QMessageBox::Cancel,
                   padre);
  caja.setObjectName(QStringLiteral("Mensaje"));
  caja.setDefaultButton(QMessageBox::Ok);
  if (botones == Botones::OkCancelar) {
    caja.setEscapeButton(QMessageBox::Cancel);
  }
  if (!fichas.empty()) {
    // The pieces below the text, side by side as on the palette.
    QPixmap dibujo(Px(375) * static_cast<int>(fichas.size()), Px(375));
    dibujo.fill(Qt::transparent);
    QPainter pintor(&dibujo);
    for (std::size_t i = 0; i < fichas.size(); ++i) {
      Elemento ficha = fichas[i];
      ficha.izquierda = 375.0 * static_cast<double>(i);
      ficha.arriba = 0;
      Dibujar(pintor, ficha);
    }
    pintor.end();
    auto* piezas = new QLabel(&caja);
    piezas->setObjectName(QStringLiteral("Fichas"));
    piezas->setPixmap(dibujo);
    // Right under the box's text, in the same column.
    auto* rejilla = qobject_cast<QGridLayout*>(caja.layout());
    QLabel* texto = caja.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    int fila = 0, columna = 1, filas = 1, columnas = 1;
    if (rejilla && texto) {
      rejilla->getItemPosition(rejilla->indexOf(texto), &fila, &columna, &filas, &columnas);
      rejilla->addWidget(piezas, fila + filas, columna);
    }
  }
  const bool ok = caja.exec() == QMessageBox::Ok;
  DevolverTeclado();
  return ok ? Respuesta::Ok : Respuesta::Cancelar;
}

// A window manager gives the main window the keyboard back when a modal window closes; the
// program asks for it too, so that typing plays on without one.
void PlataformaQt::DevolverTeclado() {
  if (app_.principal().isVisible() && !QApplication::activeModalWidget()) {
    app_.principal().activateWindow();
  }
}

void PlataformaQt::MostrarModal(Ventana ventana) {
  MostrarVentana(ventana);
  DevolverTeclado();
}

void PlataformaQt::MostrarVentana(Ventana ventana) {
  switch (ventana) {
    case Ventana::Fichas: {
      VentanaFichas& fichas = app_.ventanaFichas();
      fichas.HacerModal(true);
      app_.Sincronizar();
      if (fichas.isVisible()) {
        QEventLoop bucle;
        QObject::connect(&fichas, &VentanaFichas::oculta, &bucle, &QEventLoop::quit);
        bucle.exec();
      }
      fichas.HacerModal(false);
      break;
    }
    case Ventana::Opciones:
      app_.Sincronizar();
      app_.opciones().Mostrar();
      break;
    case Ventana::MejoresTiempos: {
      app_.Sincronizar();
      VentanaTiempos tiempos(app_.juego().partida(), app_.juego().Tipo(), &app_.principal());
      tiempos.exec();
      break;
    }
    case Ventana::AcercaDe: {
      app_.Sincronizar();
      AcercaDe caja(app_, app_.principal().isVisible() ? &app_.principal() : nullptr);
      caja.exec();
      break;
    }
  }
}

void PlataformaQt::TraerAlFrente(Ventana ventana) {
  if (ventana == Ventana::Fichas) {
    app_.ventanaFichas().raise();
    app_.ventanaFichas().activateWindow();
  }
}

void PlataformaQt::MostrarMenuQuitar() {
  app_.Sincronizar();
  app_.principal().menuQuitar()->exec(app_.principal().PuntoMenuQuitar());
}

std::string PlataformaQt::CarpetaDatos() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
}

std::string PlataformaQt::Hoy() {
  return QDate::currentDate().toString(Qt::ISODate).toStdString();
}

std::string PlataformaQt::DirectorioPrograma() {
  return QCoreApplication::applicationDirPath().toStdString();
}

std::string PlataformaQt::DirectorioDocumentacion() {
  return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/") +
                         QStringLiteral(QUORBEL_DOCUMENTOS))
      .toStdString();
}

void PlataformaQt::Abrir(const std::string& documento) {
  const QString texto = QString::fromStdString(documento);
  if (abrirGuion) {
    abrirGuion(texto);
    return;
  }
  const bool direccion =
      texto.startsWith(QLatin1String("mailto:")) || texto.startsWith(QLatin1String("http://"));
  QDesktopServices::openUrl(direccion ? QUrl(texto) : QUrl::fromLocalFile(texto));
}

// The busy pointer over every window of the game. The count that needs it runs without returning
// to the event loop, so the window system is told at once.
void PlataformaQt::Ocupado(bool ocupado) {
  if (ocupado) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QGuiApplication::restoreOverrideCursor();
  }
}

}  // namespace quorbel
