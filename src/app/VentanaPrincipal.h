#pragma once

#include <QMainWindow>

class QAction;
class QMenu;
class QPushButton;
class QTimer;

namespace quorbel {

class Aplicacion;
class Juego;
class VistaTablero;

// Form1: the palette, the board, the clock and the menus.
class VentanaPrincipal : public QMainWindow {
  Q_OBJECT
 public:
  explicit VentanaPrincipal(Aplicacion& app);

  void Sincronizar();
  VistaTablero* vista() const { return vista_; }
  QMenu* menuQuitar() const { return menuQuitar_; }
  QPushButton* command1() const { return command1_; }
  QTimer* timer1() const { return timer1_; }

 protected:
  void closeEvent(QCloseEvent* evento) override;

 private:
  QAction* Item(QMenu* menu, const char* nombre, const QString& texto, void (*manejador)(Juego&));

  Aplicacion& app_;
  VistaTablero* vista_;
  QPushButton* command1_;
  QTimer* timer1_;
  QMenu* menuQuitar_;
  QAction* mnuSimbol_ = nullptr;
  QAction* mnuTexto_ = nullptr;
  double topAplicado_ = -1;
};

}  // namespace quorbel
