// Whole games, the aids and the dialogs played from the keyboard alone.
#include <QMenuBar>
#include <QScrollBar>
#include <QToolTip>

#include "Ayudante.h"

namespace quorbel::prueba {

class TecladoTest : public QObject {
  Q_OBJECT

  static void Teclas(QWidget* w, const QString& teclas, Qt::KeyboardModifiers mods = {}) {
    for (QChar c : teclas) {
      QTest::keyClick(w, static_cast<Qt::Key>(c.toUpper().unicode()), mods);
    }
  }

 private slots:
  void aWholeGameByKeys() {
    Ajustes letras;  // thirteen letters, typed in either case
    archivo_ajustes::CargarDesde("1,0,0,4,10,13", letras);
    Programa p({AzarDeFicha(1, 13), AzarDeFicha(2, 13), AzarDeFicha(3, 13), AzarDeFicha(4, 13)},
               &letras);
    const QString fila = QStringLiteral("abCD");
    QTRY_COMPARE(QApplication::focusWidget(), p.vista());  // typing plays at once
    int pintadas = 0;  // Alt held underlines the menus' access keys at once
    Contador contador(p.app->principal().menuBar(), QEvent::Paint, pintadas);
    QTest::keyPress(p.vista(), Qt::Key_Alt);
    QTRY_VERIFY(pintadas > 0);
    Responder(nullptr);
    QTest::keyClick(p.vista(), Qt::Key_S, Qt::AltModifier);  // "&Solución", then Escape
    QTest::keyRelease(p.vista(), Qt::Key_Alt);
    QVERIFY(p.app->ventanaFichas().isVisible());
    QTest::keyClick(p.vista(), Qt::Key_Escape);
    QVERIFY(!p.app->ventanaFichas().isVisible());
    Teclas(p.vista(), fila.right(3) + fila.left(1));
    QTest::keyClick(p.vista(), Qt::Key_Return);  // a row scored, no win
    QCOMPARE(p.P().FilaActual, 2);
    Teclas(p.vista(), fila.left(2) + QStringLiteral("Z"));  // not a piece: nothing happens
    QTest::keyClick(p.vista(), Qt::Key_Return);             // "OK" is off
    QCOMPARE(p.P().FilaActual, 2);
    QTest::keyClick(p.vista(), Qt::Key_End);
    QTest::keyClick(p.vista(), Qt::Key_Left);
    Teclas(p.vista(), fila.mid(2, 1) + fila.right(1));
    QString texto;
    Responder(&texto);
    QTest::keyClick(p.vista(), Qt::Key_Enter);
    QCOMPARE(texto, QStringLiteral("Felicidades! Lo has resuelto!"));
    QVERIFY(!QApplication::activeModalWidget());  // the solution was seen: no best time
  }

  void aidsByKeys() {
    Ajustes vacio;  // pieces without captions take 1-9, 0, A, B, C
    archivo_ajustes::CargarDesde("1,0,2,4,10,13", vacio);
    Programa p({AzarDeFicha(1, 13), AzarDeFicha(2, 13), AzarDeFicha(3, 13), AzarDeFicha(4, 13)},
               &vacio);
    for (int i = 0; i < 3; ++i) {  // red, taken away by a second press, back by a third
      QTest::keyClick(p.vista(), Qt::Key_Space);
    }
    QVERIFY(p.V().cursor.visible && p.V().cursor.borde == colores::kRojoClaro);
    QTest::keyClick(p.vista(), Qt::Key_Right);  // placing again: black
    QTest::keyClick(p.vista(), Qt::Key_Space);  // the cursor turns red: the next piece is fixed
    Teclas(p.vista(), QStringLiteral("0"));
    QVERIFY(p.P().Tablero()[2] == 10 && p.P().FijaEnColumna[2] == 10);
    Teclas(p.vista(), QStringLiteral("c"));  // at the lowest free position
    QCOMPARE(p.P().Tablero()[1], 13);
    auto desechar = [](QWidget* menu) { QTest::keyClick(menu, Qt::Key_D); };  // "&Desechar"
    AlAbrirse<QMenu>(desechar);
    QTest::keyClick(p.vista(), Qt::Key_7, Qt::ShiftModifier);
    QVERIFY(!p.V().paleta[7].visible);
    Teclas(p.vista(), QStringLiteral("7"));  // a discarded piece's key does nothing
    QCOMPARE(p.P().Tablero()[3], 0);
    AlAbrirse<QMenu>(desechar);
    QTest::keyClick(p.vista(), Qt::Key_8, Qt::ShiftModifier);
    // The picker takes the arrows and Return, or a piece's key.
    AlAbrirse([](QWidget* w) {
      QTest::keyClick(w, Qt::Key_Right);
      QTest::keyClick(w, Qt::Key_Return);
    });
    p.Accion("MnuRecupera")->trigger();
    QVERIFY(p.V().paleta[8].visible && !p.V().paleta[7].visible);
    AlAbrirse([](QWidget* w) { QTest::keyClick(w, Qt::Key_7); });
    p.Accion("MnuRecupera")->trigger();
    QVERIFY(p.V().paleta[7].visible);
    // "Deshacer" (Ctrl+Z), the last item of "Juego", takes the recovery back, then the rest.
    QAction* deshacer = p.app->principal().findChild<QMenu*>("MnuJuego")->actions().last();
    QVERIFY(deshacer->text() == "&Deshacer" && deshacer->shortcut() == QKeySequence("Ctrl+Z"));
    deshacer->trigger();
    QVERIFY(!p.V().paleta[7].visible && p.V().paleta[8].visible);
    for (int i = 0; i < 5; ++i) {
      deshacer->trigger();
    }
    QVERIFY(p.P().Tablero() == std::vector<int>(5, 0) && !deshacer->isEnabled());
    // Each piece names its key.
    QCOMPARE(p.vista()->ayuda({&p.V().paleta[10], Objetivo::Ficha, 10}),
             QStringLiteral("Tecla: 0"));
  }

  void optionsDialogInReadingOrder() {
    Programa p;
    QStringList orden;
    AlAbrirse([&](QWidget*) {
      QTRY_VERIFY(QApplication::focusWidget());  // a busy machine gives the focus late
      for (int i = 0; i < 7; ++i) {              // one stop for each group of options
        orden << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      }
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);   // back on the first slider
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // "OK"
    });
    p.Accion("MnuOpcion")->trigger();
    QCOMPARE(orden, (QStringList{"HScroll1", "HScroll2", "HScroll3", "Option3(0)", "Option2(0)",
                                 "Option1(0)", "Command1"}));
    QCOMPARE(p.P().NumCasillas, 5);
  }
};

}  // namespace quorbel::prueba

QTEST_MAIN(quorbel::prueba::TecladoTest)
#include "TecladoTest.moc"
