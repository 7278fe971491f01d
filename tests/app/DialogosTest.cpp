// The options dialog, the settings file it writes, and the about box, with real widgets.
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScrollBar>

#include "Ayudante.h"

namespace quorbel::prueba {

class DialogosTest : public QObject {
  Q_OBJECT

  // Opens "Opciones" and plays `jugar` inside the dialog; closes it through its frame after.
  static void ConDialogo(Programa& p, std::function<void(QWidget*)> jugar) {
    AlAbrirse([&](QWidget* d) {
      QVERIFY(d->objectName() == QStringLiteral("Form2") &&
              Botones(d) == QStringLiteral("propios X"));
      jugar(d);
      d->close();
    });
    p.Accion("MnuOpcion")->trigger();
  }
  template <typename T = QLabel>
  static T* Hijo(QWidget* d, const char* nombre) {
    return d->findChild<T*>(QString::fromLatin1(nombre));
  }
  static void Pulsar(QWidget* d, const char* nombre) {
    QWidget* w = Hijo<QWidget>(d, nombre);
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2));
  }

 private slots:
  void optionsThroughTheirWidgets() {
    Programa p;
    p.Pulsar(p.V().paleta[3]);  // a piece placed: the dialog asks first
    QString texto;
    Responder(&texto, QMessageBox::Cancel);
    p.Accion("MnuOpcion")->trigger();
    QCOMPARE(texto, QStringLiteral("Esto reiniciará la partida.\nQuieres continuar?"));
    Responder(nullptr);
    ConDialogo(p, [&p](QWidget* d) {
      QVERIFY(!p.app->principal().temporizador()->isActive());  // opening stops the clock
      QVERIFY(ComoLaReferencia(d, QStringLiteral("opciones")));
      Hijo<QScrollBar>(d, "HScroll3")->setValue(5);
      Hijo<QScrollBar>(d, "HScroll1")->setValue(7);  // raises the pieces along
      QCOMPARE(Hijo(d, "Label3")->text(), QStringLiteral("7"));
      Hijo<QScrollBar>(d, "HScroll2")->setValue(15);
      QCOMPARE(Hijo(d, "Label2")->text(), QStringLiteral("15"));
      Pulsar(d, "Option3(0)");  // letters without colours: up to 26
      Pulsar(d, "Option2(1)");
      Pulsar(d, "Option1(0)");
      QScrollBar* fichas = Hijo<QScrollBar>(d, "HScroll3");
      QTest::mouseClick(fichas, Qt::LeftButton, {}, QPoint(fichas->width() - 3, 5));
      QCOMPARE(fichas->maximum(), 26);
      QCOMPARE(Hijo(d, "Label3")->text(), QStringLiteral("8"));
      Pulsar(d, "Option3(2)");  // empty pieces bring colours back
      QVERIFY(Hijo<QRadioButton>(d, "Option2(0)")->isChecked());
      QCOMPARE(fichas->maximum(), 13);
    });
    QCOMPARE(p.P().ajustes, Ajustes());  // closed: the settings it was opened with
    QCOMPARE(p.V().casillas[1].rotulo, std::string("2"));
  }

  void okSavesDealsAndPlacesTheWindow() {
    Programa p;
    VentanaPrincipal& w = p.app->principal();
    w.move(w.x(), 300);  // dragged by the player: every set-up places it again
    p.Accion("MnuNew")->trigger();
    QCOMPARE(w.y(), Px(2240));
    ConDialogo(p, [](QWidget* d) {
      Hijo<QScrollBar>(d, "HScroll1")->setValue(6);
      Pulsar(d, "Option3(0)");
      Pulsar(d, "Option2(1)");
      Hijo<QScrollBar>(d, "HScroll3")->setValue(26);
      QTest::mouseClick(Hijo<QPushButton>(d, "Command1"), Qt::LeftButton);
    });
    QCOMPARE(w.y(), Px((9000 - 4880) / 2));  // two rows of pieces: a taller window
    QFile f(QString::fromStdString(p.Ini().string()));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("1\r\n1\r\n0\r\n\"6\"\r\n\"10\"\r\n\"26\"\r\n"));
    p.Reiniciar();  // and the settings survive a restart
    QCOMPARE(p.V().paleta.Cuenta() - 1, 26);
  }

  void aboutBoxLinksAndClosing() {
    Programa p;
    QStringList abiertos;
    p.app->plataforma().abrirGuion = [&](const QString& d) { abiertos << d; };
    auto mover = [](QWidget* w) {
      QMouseEvent e(QEvent::MouseMove, QPointF(3, 3), w->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                    Qt::NoButton, Qt::NoModifier);
      QApplication::sendEvent(w, &e);
    };
    AlAbrirse([&](QWidget* caja) {
      QVERIFY(ComoLaReferencia(caja, QStringLiteral("acerca")));
      QCOMPARE(Botones(caja), QStringLiteral("propios X"));
      QLabel *correo = Hijo(caja, "lblMail"), *web = Hijo(caja, "lblURL");
      QTest::mouseClick(correo, Qt::LeftButton);  // the links leave the box open
      QTest::mouseClick(web, Qt::LeftButton);
      mover(web);
      mover(Hijo(caja, "lblTexWeb"));  // other labels change nothing
      QVERIFY(web->font().underline() && !correo->font().underline());
      mover(correo);
      QVERIFY(correo->font().underline() && !web->font().underline());
      mover(caja);
      QVERIFY(!correo->font().underline() && caja->isVisible());
      QTest::mouseClick(Hijo(caja, "lblCreadoPor"), Qt::LeftButton);
    });
    p.Accion("MnuInfo")->trigger();
    QCOMPARE(abiertos, (QStringList{"mailto:quorbel@example.org", "http://www.example.org"}));
    AlAbrirse([](QWidget* caja) { QTest::keyClick(caja, Qt::Key_Q); });  // a key closes it too
    p.Accion("MnuInfo")->trigger();
    QVERIFY(!QApplication::activeModalWidget());
  }
};

}  // namespace quorbel::prueba

QTEST_MAIN(quorbel::prueba::DialogosTest)
#include "DialogosTest.moc"
