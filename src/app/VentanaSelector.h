#pragma once

#include <QWidget>

namespace quorbel {

class Aplicacion;
class VistaTablero;

// Form3: one row of square cells, showing the solution or the pieces to take back.
class VentanaSelector : public QWidget {
  Q_OBJECT
 public:
  VentanaSelector(Aplicacion& app, QWidget* principal);

  void Sincronizar();
  VistaTablero* vista() const { return vista_; }

 signals:
  void oculta();

 protected:
  void closeEvent(QCloseEvent* evento) override;
  void hideEvent(QHideEvent* evento) override;

 private:
  void Colocar();

  Aplicacion& app_;
  QWidget* principal_;
  VistaTablero* vista_;
};

}  // namespace quorbel
