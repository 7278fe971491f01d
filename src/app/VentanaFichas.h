#pragma once

#include <QWidget>

namespace quorbel {

class Aplicacion;
class VistaTablero;

// The small window: one row of square cells, showing the solution or the pieces to take
// back.
class VentanaFichas : public QWidget {
  Q_OBJECT
 public:
  VentanaFichas(Aplicacion& app, QWidget* principal);

  void Sincronizar();
  // Hides the window because the game asks for it, not because the player closed it.
  void Ocultar();
  // Hides the window and makes it modal, as the picker, or not, as the solution view.
  void HacerModal(bool modal);
  VistaTablero* vista() const { return vista_; }

 signals:
  void oculta();

 protected:
  void changeEvent(QEvent* evento) override;
  void hideEvent(QHideEvent* evento) override;
  void keyPressEvent(QKeyEvent* evento) override;

 private:
  void Colocar();
  void Seleccionar(int celda);

  Aplicacion& app_;
  QWidget* principal_;
  VistaTablero* vista_;
  bool ocultandoPorElJuego_ = false;
  int seleccion_ = 0;  // the picker's cell that Return takes back
};

}  // namespace quorbel
