#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "Registro.h"

namespace quorbel {

// What a press or a move on an element reaches in the game.
enum class Objetivo { Ninguno, Casilla, Ficha, CeldaFichas };

struct Dibujable {
  const Elemento* elemento;
  Objetivo objetivo = Objetivo::Ninguno;
  int indice = 0;
};

// Paints a window record in stacking order and turns mouse presses and moves into events on
// its cells and pieces. Frames, marks, crosses and rings let the mouse through.
class VistaTablero : public QWidget {
  Q_OBJECT
 public:
  using Recolector = std::function<void(std::vector<Dibujable>&)>;
  VistaTablero(Recolector recoger, std::function<Color()> fondo, QWidget* padre = nullptr);

  // The element under a point of the widget, among those that take the mouse.
  Dibujable Bajo(QPoint punto) const;
  // The tooltip of an element, or nothing.
  std::function<QString(const Dibujable&)> ayuda;
  // A dotted frame around an element chosen with the keyboard; an empty rectangle hides it.
  void Resaltar(QRect rectangulo);

 signals:
  void pulsado(quorbel::Objetivo objetivo, int indice, int boton);
  void movido(quorbel::Objetivo objetivo, int indice);

 protected:
  void paintEvent(QPaintEvent* evento) override;
  void mousePressEvent(QMouseEvent* evento) override;
  void mouseMoveEvent(QMouseEvent* evento) override;
  bool event(QEvent* evento) override;

 private:
  std::vector<Dibujable> Visibles() const;
  Recolector recoger_;
  std::function<Color()> fondo_;
  QRect resaltado_;
};

}  // namespace quorbel
