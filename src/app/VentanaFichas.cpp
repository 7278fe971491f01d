#include "VentanaFichas.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "Aplicacion.h"
#include "Dibujos.h"
#include "VistaTablero.h"

namespace quorbel {

namespace {
// What the window frame and caption bar take of the window's outer size, in twips.
constexpr double kMarcoAncho = 90;
constexpr double kMarcoAlto = 390;
}  // namespace

VentanaFichas::VentanaFichas(Aplicacion& app, QWidget* principal)
    : QWidget(principal, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                             Qt::MSWindowsFixedSizeDialogHint),
      app_(app),
      principal_(principal) {
  setObjectName(QStringLiteral("Form3"));
  vista_ = new VistaTablero(
      [this](std::vector<Pieza>& piezas) {
        const Matriz& celdas = app_.juego().partida().ventanaFichas.celdas;
        for (int i = 0; i < celdas.Cuenta(); ++i) {
          piezas.push_back({&celdas[i], Objetivo::CeldaFichas, i});
        }
      },
      [this] { return app_.juego().partida().ventanaFichas.fondo; }, this);
  connect(vista_, &VistaTablero::pulsado, this, [this](Objetivo, int i, int) {
    app_.Despachar([i](Juego& j) { j.ElegirRecuperada(i); });
  });
}

void VentanaFichas::Sincronizar() {
  const RegistroFichas& f = app_.juego().partida().ventanaFichas;
  setWindowTitle(QString::fromStdString(f.titulo));
  // The outer size asked for, but never cutting off a cell that stands inside it.
  int ancho = Px(f.ancho - kMarcoAncho);
  int alto = Px(f.alto - kMarcoAlto);
  const int anchoPedido = ancho;
  for (int i = 0; i < f.celdas.Cuenta(); ++i) {
    const QRect r = Rectangulo(f.celdas[i]);
    if (f.celdas[i].visible && r.left() < anchoPedido) {
      ancho = std::max(ancho, r.right() + 1 + Px(kMarcoAncho));
      alto = std::max(alto, r.bottom() + 1 + Px(kMarcoAncho));
    }
  }
  if (size() != QSize(ancho, alto)) {
    setFixedSize(ancho, alto);
    vista_->setFixedSize(ancho, alto);
  }
  if (f.visible && !isVisible()) {
    Colocar();
    show();
  } else if (!f.visible && isVisible()) {
    Ocultar();
  }
  vista_->update();
}

// Beside the main window, to its right when the screen has room.
void VentanaFichas::Colocar() {
  const QRect junto = principal_->frameGeometry();
  QPoint punto(junto.right() + 12, junto.top());
  if (const QScreen* pantalla = QGuiApplication::primaryScreen()) {
    const QRect area = pantalla->availableGeometry();
    if (punto.x() + width() > area.right()) {
      punto.setX(std::max(area.left(), junto.left() - width() - 12));
    }
  }
  move(punto);
}

void VentanaFichas::Ocultar() {
  ocultandoPorElJuego_ = true;
  hide();
  ocultandoPorElJuego_ = false;
}

// However the window went away (its close button, the window manager, the platform), the
// game hears of it. Were it told only of close events, a window taken away by any other
// route would still be open for the game, and the next event would show it again.
void VentanaFichas::hideEvent(QHideEvent* evento) {
  QWidget::hideEvent(evento);
  if (!ocultandoPorElJuego_ && app_.juego().partida().ventanaFichas.visible) {
    app_.Despachar([](Juego& j) { j.CerrarVentanaFichas(); });
  }
  emit oculta();
}

}  // namespace quorbel
