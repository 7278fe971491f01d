#pragma once

#include <QProxyStyle>

class QKeyEvent;

namespace quorbel {

// The character a key names for the game, a digit or a capital letter, whatever Shift makes of
// it on the player's keyboard; 0 when it names none.
char CaracterDeTecla(const QKeyEvent& evento);

// The program's look: the desktop's own style, with the access keys of the menus underlined
// only while Alt is held or the menus are used from the keyboard, so that their captions
// otherwise read exactly as they are written.
class EstiloTeclas : public QProxyStyle {
  Q_OBJECT

 public:
  EstiloTeclas();
  int styleHint(StyleHint pista, const QStyleOption* opcion, const QWidget* widget,
                QStyleHintReturn* devuelto) const override;

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  bool subrayar_ = false;
};

}  // namespace quorbel
