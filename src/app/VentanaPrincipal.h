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

// The main window: the palette, the board, the clock and the menus.
class VentanaPrincipal : public QMainWindow {
  Q_OBJECT
 public:
  explicit VentanaPrincipal(Aplicacion& app);

  void Sincronizar();
  VistaTablero* vista() const { return vista_; }
  QMenu* menuQuitar() const { return menuQuitar_; }
  QPushButton* ok() const { return ok_; }
  QTimer* temporizador() const { return temporizador_; }

 protected:
  void closeEvent(QCloseEvent* evento) override;

 private:
  QAction* Item(QMenu* menu, const char* nombre, const QString& texto, void (*manejador)(Juego&));

  Aplicacion& app_;
  VistaTablero* vista_;
  QPushButton* ok_;
  QTimer* temporizador_;
  QMenu* menuQuitar_;
  QAction* verSimbolos_ = nullptr;
  QAction* verTexto_ = nullptr;
  int tablerosColocados_ = 0;
};

}  // namespace quorbel
