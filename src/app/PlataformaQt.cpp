#include "PlataformaQt.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QEventLoop>
#include <QMenu>
#include <QMessageBox>
#include <QUrl>

#include "AcercaDe.h"
#include "Aplicacion.h"
#include "DialogoOpciones.h"
#include "VentanaFichas.h"
#include "VentanaPrincipal.h"

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
      // A window's modality only changes while it is hidden: an open solution view is
      // hidden first and shown again as the modal picker.
      fichas.Ocultar();
      fichas.setWindowModality(Qt::ApplicationModal);
      app_.Sincronizar();
      if (fichas.isVisible()) {
        QEventLoop bucle;
        QObject::connect(&fichas, &VentanaFichas::oculta, &bucle, &QEventLoop::quit);
        bucle.exec();
      }
      fichas.Ocultar();
      fichas.setWindowModality(Qt::NonModal);
      break;
    }
    case Ventana::Opciones:
      app_.Sincronizar();
      app_.opciones().Mostrar();
      break;
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

std::string PlataformaQt::DirectorioPrograma() {
  return QCoreApplication::applicationDirPath().toStdString();
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

}  // namespace quorbel
