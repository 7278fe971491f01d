#pragma once

#include <QColor>
#include <QPainter>
#include <QPixmap>
#include <QRect>

#include "Registro.h"

namespace quorbel {

// 15 twips to a pixel, as on a 96-dpi screen.
inline int Px(double twips) {
  return static_cast<int>(std::lround(twips / 15.0));
}

inline QColor AQColor(Color c) {
  return QColor(c.Red(), c.Green(), c.Blue());
}

// The pixels an element covers; neighbours with fractional twips still touch.
inline QRect Rectangulo(const Elemento& e) {
  const int x0 = Px(e.izquierda);
  const int y0 = Px(e.arriba);
  return QRect(x0, y0, Px(e.izquierda + e.ancho) - x0, Px(e.arriba + e.alto) - y0);
}

// Paints one element of a window record.
void Dibujar(QPainter& pintor, const Elemento& e);

// The program's icon: a small board with coloured pieces.
QPixmap DibujarIcono(int lado);
// The logo of the about box.
QPixmap DibujarLogo(QSize tamano);

}  // namespace quorbel
