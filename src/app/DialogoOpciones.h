#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QRadioButton;
class QScrollBar;
class QPushButton;

namespace quorbel {

class Aplicacion;

// The options dialog: the six settings. Every change of a control is at once a change of the
// settings in force; the controls then show the settings as the interlocks left them.
class DialogoOpciones : public QDialog {
  Q_OBJECT
 public:
  DialogoOpciones(Aplicacion& app, QWidget* padre);

  // Shows the dialog modally; returns once it is hidden.
  void Mostrar();
  void Sincronizar();

 public slots:
  void reject() override;

 protected:
  void showEvent(QShowEvent* evento) override;
  void changeEvent(QEvent* evento) override;

 private:
  void Refrescar();

  Aplicacion& app_;
  std::array<QScrollBar*, 3> barras_{};
  std::array<QLabel*, 3> lecturas_{};
  std::array<QRadioButton*, 2> repetidos_{};
  std::array<QRadioButton*, 2> colores_{};
  std::array<QRadioButton*, 3> jugarCon_{};
  QPushButton* ok_ = nullptr;
};

}  // namespace quorbel
