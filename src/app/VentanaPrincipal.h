#pragma once

#include <QMainWindow>

#include "Movimiento.h"

class QAction;
class QKeyEvent;
class QMenu;
class QPushButton;
class QTimer;

namespace quorbel {

class Aplicacion;
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
  // Where the palette's context menu opens: at the piece when a key opened it, else at the
  // pointer.
  QPoint PuntoMenuQuitar();

 protected:
  void closeEvent(QCloseEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  QAction* Item(QMenu* menu, const char* nombre, const QString& texto, Accion accion);
  bool LeerTecla(const QKeyEvent& evento);

  Aplicacion& app_;
  VistaTablero* vista_;
  QPushButton* ok_;
  QTimer* temporizador_;
  QMenu* menuQuitar_;
  QAction* verSimbolos_ = nullptr;
  QAction* verTexto_ = nullptr;
  QAction* pista_ = nullptr;
  QAction* deshacer_ = nullptr;
  int tablerosColocados_ = 0;
  int fichaDelMenu_ = 0;  // the piece whose context menu a key opened
};

}  // namespace quorbel
