#include "VistaTablero.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "Dibujos.h"

namespace quorbel {

VistaTablero::VistaTablero(Recolector recoger, std::function<Color()> fondo, QWidget* padre)
    : QWidget(padre), recoger_(std::move(recoger)), fondo_(std::move(fondo)) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

std::vector<Dibujable> VistaTablero::Visibles() const {
  std::vector<Dibujable> piezas;
  recoger_(piezas);
  std::erase_if(piezas, [](const Dibujable& p) { return !p.elemento->visible; });
  std::stable_sort(piezas.begin(), piezas.end(), [](const Dibujable& a, const Dibujable& b) {
    return a.elemento->z < b.elemento->z;
  });
  return piezas;
}

void VistaTablero::paintEvent(QPaintEvent*) {
  QPainter pintor(this);
  pintor.fillRect(rect(), AQColor(fondo_()));
  for (const Dibujable& p : Visibles()) {
    Dibujar(pintor, *p.elemento);
  }
  if (!resaltado_.isEmpty()) {
    pintor.setPen(QPen(Qt::black, 2, Qt::DotLine));
    pintor.drawRect(resaltado_.adjusted(2, 2, -2, -2));
  }
}

void VistaTablero::Resaltar(QRect rectangulo) {
  resaltado_ = rectangulo;
  update();
}

bool VistaTablero::event(QEvent* evento) {
  if (evento->type() == QEvent::ToolTip && ayuda) {
    auto* e = static_cast<QHelpEvent*>(evento);
    const Dibujable p = Bajo(e->pos());
    const QString texto = p.elemento ? ayuda(p) : QString();
    if (texto.isEmpty()) {
      QToolTip::hideText();
      evento->ignore();
    } else {
      QToolTip::showText(e->globalPos(), texto, this, Rectangulo(*p.elemento));
    }
    return true;
  }
  return QWidget::event(evento);
}

Dibujable VistaTablero::Bajo(QPoint punto) const {
  const std::vector<Dibujable> piezas = Visibles();
  // Only labels catch the mouse; the topmost one under the pointer takes it.
  for (auto it = piezas.rbegin(); it != piezas.rend(); ++it) {
    if (it->elemento->forma == Forma::Etiqueta && Rectangulo(*it->elemento).contains(punto)) {
      return *it;
    }
  }
  return Dibujable{nullptr};
}

namespace {
int Boton(Qt::MouseButton boton) {
  switch (boton) {
    case Qt::LeftButton:
      return 1;
    case Qt::RightButton:
      return 2;
    default:
      return 4;
  }
}
}  // namespace

void VistaTablero::mousePressEvent(QMouseEvent* evento) {
  const Dibujable p = Bajo(evento->position().toPoint());
  if (p.elemento && p.objetivo != Objetivo::Ninguno) {
    emit pulsado(p.objetivo, p.indice, Boton(evento->button()));
  }
}

void VistaTablero::mouseMoveEvent(QMouseEvent* evento) {
  const Dibujable p = Bajo(evento->position().toPoint());
  if (p.elemento && p.objetivo != Objetivo::Ninguno) {
    emit movido(p.objetivo, p.indice);
  }
}

}  // namespace quorbel
