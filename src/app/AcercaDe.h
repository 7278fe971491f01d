#pragma once

#include <QDialog>
#include <QLabel>

namespace quorbel {

class Aplicacion;

// The about box. A click anywhere but on the two addresses, or a typed
// character, closes it; the addresses open in the desktop's mail program and browser.
class AcercaDe : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* kCorreo = "quorbel@example.org";
  static constexpr const char* kWeb = "www.example.org";

  AcercaDe(Aplicacion& app, QWidget* padre);

 protected:
  void mousePressEvent(QMouseEvent* evento) override;
  void mouseMoveEvent(QMouseEvent* evento) override;
  void keyPressEvent(QKeyEvent* evento) override;
  void paintEvent(QPaintEvent* evento) override;

 private:
  void Subrayar(QLabel* enlace);

  Aplicacion& app_;
  QLabel* enlaceCorreo_;
  QLabel* enlaceWeb_;
};

// A label that opens an address when clicked and reports the pointer passing over it.
class Enlace : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;

 signals:
  void pulsado();
  void encima();

 protected:
  void mousePressEvent(QMouseEvent* evento) override;
  void mouseMoveEvent(QMouseEvent* evento) override;
};

}  // namespace quorbel
