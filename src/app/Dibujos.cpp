#include "Dibujos.h"

#include <QFont>
#include <QPainterPath>

#include <cmath>

namespace quorbel {

namespace {

QFont Fuente(const Elemento& e) {
  QFont fuente(QStringLiteral("DejaVu Sans"));
  fuente.setStyleHint(QFont::SansSerif);
  fuente.setPixelSize(static_cast<int>(std::lround(e.puntos * 96.0 / 72.0)));
  fuente.setBold(e.negrita);
  return fuente;
}

void DibujarEtiqueta(QPainter& pintor, const Elemento& e, const QRect& r) {
  pintor.fillRect(r, AQColor(e.fondo));
  if (e.conBorde) {
    pintor.setPen(QPen(Qt::black, 1));
    pintor.setBrush(Qt::NoBrush);
    pintor.drawRect(r.adjusted(0, 0, -1, -1));
  }
  if (!e.rotulo.empty()) {
    pintor.setFont(Fuente(e));
    pintor.setPen(AQColor(e.tinta));
    const int alineacion =
        Qt::AlignVCenter | (e.alineacion == Alineacion::Centro ? Qt::AlignHCenter : Qt::AlignLeft);
    pintor.drawText(r.adjusted(1, 0, -1, 0), alineacion | Qt::TextSingleLine,
                    QString::fromStdString(e.rotulo));
  }
}

}  // namespace

void Dibujar(QPainter& pintor, const Elemento& e) {
  const QRect r = Rectangulo(e);
  pintor.save();
  pintor.setClipRect(r);
  switch (e.forma) {
    case Forma::Etiqueta:
      DibujarEtiqueta(pintor, e, r);
      break;
    case Forma::Marco: {
      const double w = e.anchoBorde;
      pintor.setPen(QPen(AQColor(e.borde), w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
      pintor.setBrush(Qt::NoBrush);
      pintor.drawRect(QRectF(r).adjusted(w / 2, w / 2, -w / 2, -w / 2));
      break;
    }
    case Forma::Circulo:
    case Forma::Rectangulo:
      pintor.setRenderHint(QPainter::Antialiasing, e.forma == Forma::Circulo);
      pintor.setPen(QPen(Qt::black, 1));
      pintor.setBrush(AQColor(e.fondo));
      if (e.forma == Forma::Circulo) {
        pintor.drawEllipse(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5));
      } else {
        pintor.drawRect(r.adjusted(0, 0, -1, -1));
      }
      break;
    case Forma::Cruz:
    case Forma::Anillo: {
      // Drawn as lines, not pixels, so the picture stays crisp at any scale.
      pintor.setRenderHint(QPainter::Antialiasing);
      const double lado = std::min(r.width(), r.height());
      const QPointF centro = QRectF(r).center();
      const double grueso = lado * 0.16;
      pintor.setPen(QPen(Qt::black, grueso, Qt::SolidLine, Qt::RoundCap));
      pintor.setBrush(Qt::NoBrush);
      const double radio = lado * 0.34;
      if (e.forma == Forma::Cruz) {
        pintor.drawLine(centro + QPointF(-radio, -radio), centro + QPointF(radio, radio));
        pintor.drawLine(centro + QPointF(radio, -radio), centro + QPointF(-radio, radio));
      } else {
        pintor.drawEllipse(centro, radio, radio);
      }
      break;
    }
  }
  pintor.restore();
}

QPixmap DibujarIcono(int lado) {
  QPixmap icono(lado, lado);
  icono.fill(Qt::transparent);
  QPainter p(&icono);
  p.setRenderHint(QPainter::Antialiasing);
  const double u = lado / 32.0;
  p.setPen(QPen(QColor(0, 64, 0), u));
  p.setBrush(QColor(0, 128, 0));
  p.drawRoundedRect(QRectF(1 * u, 1 * u, 30 * u, 30 * u), 4 * u, 4 * u);
  const QColor piezas[4] = {QColor(255, 0, 0), QColor(255, 255, 0), QColor(0, 192, 192),
                            QColor(255, 0, 255)};
  for (int i = 0; i < 4; ++i) {
    const double x = 4.5 * u + (i % 2) * 12 * u;
    const double y = 4.5 * u + (i / 2) * 12 * u;
    p.setPen(QPen(Qt::black, 0.8 * u));
    p.setBrush(piezas[i]);
    p.drawEllipse(QRectF(x, y, 11 * u, 11 * u));
  }
  return icono;
}

QPixmap DibujarLogo(QSize tamano) {
  QPixmap logo(tamano);
  logo.fill(Qt::black);
  QPainter p(&logo);
  p.setRenderHint(QPainter::Antialiasing);
  const double w = tamano.width();
  const double h = tamano.height();
  // A board of four rows, the last one the hidden code under a cover.
  const QColor verde(0, 128, 0);
  p.setPen(QPen(QColor(0, 192, 0), 2));
  p.setBrush(verde);
  const QRectF tablero(w * 0.12, h * 0.08, w * 0.76, h * 0.62);
  p.drawRoundedRect(tablero, 10, 10);
  const int filas[3][4] = {{2, 4, 9, 1}, {4, 2, 6, 10}, {4, 7, 1, 6}};
  const double paso = tablero.width() / 5.0;
  const double radio = paso * 0.36;
  for (int f = 0; f < 3; ++f) {
    for (int c = 0; c < 4; ++c) {
      const ColorFicha& color = kTablaColores[filas[f][c] - 1];
      const QPointF centro(tablero.left() + paso * (c + 0.8), tablero.top() + paso * (f + 0.8));
      p.setPen(QPen(Qt::black, 1.5));
      p.setBrush(AQColor(color.fondo));
      p.drawEllipse(centro, radio, radio);
    }
    for (int m = 0; m < 2; ++m) {
      p.setPen(QPen(Qt::black, 1));
      p.setBrush(QColor(255, 255, 0));
      p.drawEllipse(QPointF(tablero.left() + paso * 4.5,
                            tablero.top() + paso * (f + 0.8) + (m - 0.5) * radio),
                    radio * 0.28, radio * 0.28);
    }
  }
  p.setBrush(QColor(64, 64, 64));
  p.setPen(QPen(QColor(192, 192, 192), 1.5));
  p.drawRoundedRect(
      QRectF(tablero.left() + paso * 0.3, tablero.top() + paso * 3.3, paso * 4.0, paso * 1.0), 6,
      6);
  QFont fuente(QStringLiteral("DejaVu Sans"));
  fuente.setBold(true);
  fuente.setPixelSize(static_cast<int>(h * 0.085));
  p.setFont(fuente);
  p.setPen(QColor(192, 192, 192));
  p.drawText(QRectF(tablero.left() + paso * 0.3, tablero.top() + paso * 3.3, paso * 4.0, paso),
             Qt::AlignCenter, QStringLiteral("? ? ? ?"));
  fuente.setPixelSize(static_cast<int>(h * 0.15));
  p.setFont(fuente);
  p.setPen(QColor(255, 255, 255));
  p.drawText(QRectF(0, h * 0.72, w, h * 0.26), Qt::AlignCenter, QStringLiteral("Quorbel"));
  return logo;
}

}  // namespace quorbel
