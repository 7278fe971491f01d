#include "Aplicacion.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>

#include "DialogoOpciones.h"
#include "Dibujos.h"
#include "EstiloTeclas.h"
#include "PlataformaQt.h"
#include "VentanaFichas.h"
#include "VentanaPrincipal.h"

namespace quorbel {

Aplicacion::Aplicacion(std::filesystem::path rutaAjustes)
    : plataforma_(std::make_unique<PlataformaQt>(*this)),
      juego_(std::make_unique<Juego>(*plataforma_, std::move(rutaAjustes))) {
  // The menus' access keys show only while they are used: one style for the whole program,
  // set before its first window.
  if (!qobject_cast<EstiloTeclas*>(QApplication::style())) {
    QApplication::setStyle(new EstiloTeclas);
  }
  // Every window of the game, message boxes included, carries its icon.
  QApplication::setWindowIcon(QIcon(DibujarIcono(32)));
  principal_ = std::make_unique<VentanaPrincipal>(*this);
  ventanaFichas_ = new VentanaFichas(*this, principal_.get());
  opciones_ = new DialogoOpciones(*this, principal_.get());
}

Aplicacion::~Aplicacion() = default;

void Aplicacion::Iniciar() {
  Despachar({Accion::Arrancar});
  // Centred across the screen the first time; set-ups then only move it up or down.
  if (const QScreen* pantalla = QGuiApplication::primaryScreen()) {
    const QRect area = pantalla->availableGeometry();
    principal_->move(area.x() + (area.width() - principal_->width()) / 2, principal_->y());
  }
  principal_->show();
  principal_->activateWindow();  // the board takes the keyboard
}

void Aplicacion::Despachar(const Movimiento& movimiento) {
  juego_->Aplicar(movimiento);
  Sincronizar();
}

void Aplicacion::Sincronizar() {
  juego_->Dibujar();
  principal_->Sincronizar();
  ventanaFichas_->Sincronizar();
  opciones_->Sincronizar();
}

}  // namespace quorbel
