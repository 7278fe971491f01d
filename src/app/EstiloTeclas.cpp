#include "EstiloTeclas.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace quorbel {

char CaracterDeTecla(const QKeyEvent& evento) {
  const int tecla = evento.key();
  if (tecla >= Qt::Key_0 && tecla <= Qt::Key_9) {
    return static_cast<char>('0' + tecla - Qt::Key_0);
  }
  if (tecla >= Qt::Key_A && tecla <= Qt::Key_Z) {
    return static_cast<char>('A' + tecla - Qt::Key_A);
  }
  // With Shift the digit row gives symbols that differ from one keyboard to another; where the
  // key lies tells its digit (X11 key codes 10 to 19 are the keys "1" to "9" and "0").
  const quint32 codigo = evento.nativeScanCode();
  if (codigo >= 10 && codigo <= 19) {
    return static_cast<char>('0' + (codigo - 9) % 10);
  }
  return 0;
}

EstiloTeclas::EstiloTeclas() {
  qApp->installEventFilter(this);
}

int EstiloTeclas::styleHint(StyleHint pista, const QStyleOption* opcion, const QWidget* widget,
                            QStyleHintReturn* devuelto) const {
  if (pista == SH_UnderlineShortcut) {
    const bool barraConFoco = qobject_cast<const QMenuBar*>(widget) && widget->hasFocus();
    return subrayar_ || barraConFoco ? 1 : 0;
  }
  return QProxyStyle::styleHint(pista, opcion, widget, devuelto);
}

// Alt down shows the underlines; releasing it, or using the mouse, hides them again unless a
// menu opened from the keyboard is still in use.
bool EstiloTeclas::eventFilter(QObject* objeto, QEvent* evento) {
  const QEvent::Type tipo = evento->type();
  bool subrayar = subrayar_;
  if (tipo == QEvent::KeyPress || tipo == QEvent::KeyRelease) {
    const auto* tecla = static_cast<QKeyEvent*>(evento);
    if (tecla->key() == Qt::Key_Alt) {
      subrayar = tipo == QEvent::KeyPress || QApplication::activePopupWidget();
    } else if (tipo == QEvent::KeyPress && (tecla->modifiers() & Qt::AltModifier)) {
      subrayar = true;  // a menu opened with Alt and its letter
    }
  } else if (tipo == QEvent::MouseButtonPress) {
    subrayar = false;
  } else if (tipo == QEvent::Hide && qobject_cast<QMenu*>(objeto) &&
             !QApplication::activePopupWidget()) {
    subrayar = false;
  }
  if (subrayar != subrayar_) {
    subrayar_ = subrayar;
    for (QWidget* w : QApplication::allWidgets()) {
      if (qobject_cast<QMenuBar*>(w) || qobject_cast<QMenu*>(w)) {
        w->update();
      }
    }
  }
  return QProxyStyle::eventFilter(objeto, evento);
}

}  // namespace quorbel
