#include "VentanaFichas.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "Aplicacion.h"
#include "Dibujos.h"
#include "EstiloTeclas.h"
#include "Teclado.h"
#include "VistaTablero.h"

namespace quorbel {

namespace {
// What the window frame and caption bar take of the window's outer size, in twips.
constexpr double kMarcoAncho = 90;
constexpr double kMarcoAlto = 390;
}  // namespace

VentanaFichas::VentanaFichas(Aplicacion& app, QWidget* principal)
    : QWidget(principal, kBotonesDialogo), app_(app), principal_(principal) {
  setObjectName(QStringLiteral("Form3"));
  setFocusPolicy(Qt::StrongFocus);
  vista_ = new VistaTablero(
      [this](std::vector<Dibujable>& piezas) {
        const Matriz& celdas = app_.juego().ventanaFichas().celdas;
        for (int i = 0; i < celdas.Cuenta(); ++i) {
          piezas.push_back({&celdas[i], Objetivo::CeldaFichas, i});
        }
      },
      [this] { return app_.juego().ventanaFichas().fondo; }, this);
  connect(vista_, &VistaTablero::pulsado, this, [this](Objetivo, int i, int) {
    app_.Despachar({Accion::ElegirRecuperada, i});
  });
}

void VentanaFichas::Sincronizar() {
  const RegistroFichas& f = app_.juego().ventanaFichas();
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
    // The solution stands beside the board without taking the keyboard from it; the picker
    // takes it, to be answered.
    setAttribute(Qt::WA_ShowWithoutActivating,
                 app_.juego().partida().vistaFichas != VistaFichas::Recuperar);
    seleccion_ = 0;
    vista_->Resaltar(QRect());  // the keyboard's choice shows once the arrows are used
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

void VentanaFichas::Seleccionar(int celda) {
  const Matriz& celdas = app_.juego().ventanaFichas().celdas;
  if (celda < celdas.Cuenta() && celdas[celda].visible) {
    seleccion_ = celda;
  }
  vista_->Resaltar(Rectangulo(celdas[seleccion_]));
}

// In the picker a piece's key, or the arrows and Return, take a piece back as a press on it
// would; Escape closes the window as its frame would.
void VentanaFichas::keyPressEvent(QKeyEvent* evento) {
  const Estado& p = app_.juego().partida();
  int elegida = -1;
  if (evento->key() == Qt::Key_Escape) {
    close();
    return;
  }
  if (p.vistaFichas != VistaFichas::Recuperar) {
    QWidget::keyPressEvent(evento);
    return;
  }
  if (evento->key() == Qt::Key_Left || evento->key() == Qt::Key_Right) {
    Seleccionar(std::max(0, seleccion_ + (evento->key() == Qt::Key_Left ? -1 : 1)));
    return;
  }
  if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
    elegida = seleccion_;
  }
  const int ficha = FichaDeTecla(p.jugar, p.NumFichas, CaracterDeTecla(*evento));
  const auto& fichas = p.fichasEnVentana;
  if (const auto i = std::find(fichas.begin(), fichas.end(), ficha);
      ficha > 0 && i != fichas.end()) {
    elegida = static_cast<int>(i - fichas.begin());
  }
  if (elegida < 0) {
    QWidget::keyPressEvent(evento);
    return;
  }
  app_.Despachar({Accion::ElegirRecuperada, elegida});
}

void VentanaFichas::Ocultar() {
  ocultandoPorElJuego_ = true;
  hide();
  ocultandoPorElJuego_ = false;
}

// A window's modality only changes while it is hidden, and the window manager reads it only
// when the window first shows: an open solution view turning into the picker gives up its
// window to a new one, lest the window manager, still withdrawing the old one, miss it.
void VentanaFichas::HacerModal(bool modal) {
  const bool abierta = isVisible();
  Ocultar();
  if (abierta && modal) {
    destroy();
  }
  setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
}

// The solution only shows. Should the window manager hand it the keyboard all the same, the
// main window takes it back, so that typing and the menus' keys go on playing.
void VentanaFichas::changeEvent(QEvent* evento) {
  QWidget::changeEvent(evento);
  if (evento->type() == QEvent::ActivationChange && isActiveWindow() &&
      testAttribute(Qt::WA_ShowWithoutActivating)) {
    QTimer::singleShot(0, principal_, [this] {
      if (isActiveWindow()) {
        principal_->activateWindow();
      }
    });
  }
}

// However the window went away (its close button, the window manager, the platform), the
// game hears of it. Were it told only of close events, a window taken away by any other
// route would still be open for the game, and the next event would show it again. A hide the
// window system sends on its own is no close: the window was minimised, alone or with the
// main window as many window managers do with a window's dialogs, and comes back when it is
// restored; the solution view stays open and the picker keeps waiting for its answer.
void VentanaFichas::hideEvent(QHideEvent* evento) {
  QWidget::hideEvent(evento);
  if (evento->spontaneous()) {
    return;
  }
  if (!ocultandoPorElJuego_ && app_.juego().partida().ventanaFichasVisible) {
    app_.Despachar({Accion::CerrarVentanaFichas});
  }
  emit oculta();
}

}  // namespace quorbel
