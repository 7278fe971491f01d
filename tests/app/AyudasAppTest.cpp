// Player aids, the about box and the appearance menus, through the real windows.
#include <QMouseEvent>

#include "AcercaDe.h"
#include "Ayudante.h"

namespace quorbel::prueba {

// The pointer moving over a widget, as the window system reports it.
void Mover(QWidget* w, QPoint punto = {}) {
  if (punto.isNull()) {
    punto = w->rect().center();
  }
  QMouseEvent evento(QEvent::MouseMove, punto, w->mapToGlobal(punto), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
  QApplication::sendEvent(w, &evento);
}

class AyudasAppTest : public QObject {
  Q_OBJECT

 private slots:
  void fixDiscardAndRecoverWithTheMouse() {
    Programa p({Pieza(1, 10), Pieza(2, 10), Pieza(3, 10), Pieza(4, 10)});
    Juego& j = p.juego();
    p.Celda(2, Qt::RightButton);
    QCOMPARE(j.partida().principal.cursor.borde, colores::kRojoClaro);
    p.Ficha(2);  // fixed at position 2
    QCOMPARE(j.partida().principal.casillas[6].rotulo, std::string("1"));
    QCOMPARE(j.partida().principal.anillos.Cuenta() - 1, 10);
    p.Ficha(5);
    p.Ficha(6);
    p.Ficha(7);
    QTest::mouseClick(p.app->principal().ok(), Qt::LeftButton);
    QCOMPARE(j.partida().FilaActual, 2);

    p.Quitar(5, "MnuDescart");
    QVERIFY(!j.partida().principal.paleta[5].visible);
    QCOMPARE(j.partida().principal.cruces.Cuenta() - 1, 1);
    QString texto;
    Responder(&texto);
    p.Quitar(2, "MnuDescart");
    QCOMPARE(texto, QStringLiteral("Esa ficha está fijada."));

    // The picker opens modally; a click on its only cell takes the piece back.
    bool elegida = false;
    AlAbrirse([&](QWidget* w) {
      QCOMPARE(w->objectName(), QStringLiteral("Form3"));
      QCOMPARE(w->windowTitle(), QStringLiteral("Recuperar:"));
      w->grab().save(QCoreApplication::applicationDirPath() + QStringLiteral("/recuperar.png"));
      auto* s = static_cast<VentanaFichas*>(w);
      QTest::mouseClick(s->vista(), Qt::LeftButton, {},
                        Rectangulo(j.partida().ventanaFichas.celdas[0]).center());
      elegida = true;
    });
    p.Accion("MnuRecupera")->trigger();
    QVERIFY(elegida);
    QVERIFY(j.partida().principal.paleta[5].visible);
    QVERIFY(!p.app->ventanaFichas().isVisible());
    p.app->principal().grab().save(QCoreApplication::applicationDirPath() +
                                   QStringLiteral("/ayudas.png"));

    p.Quitar(2, "MnuNoFijar");
    QCOMPARE(j.partida().principal.casillas[10].rotulo, std::string(""));
  }

  void closingThePickerRecoversNothing() {
    Programa p;
    p.Ficha(1);
    p.Quitar(9, "MnuDescart");
    // With the solution on show, the same window turns into the modal picker.
    Responder(nullptr);
    p.Accion("MnuSoluc")->trigger();
    QVERIFY(p.app->ventanaFichas().isVisible());
    bool modal = false;
    AlAbrirse([&](QWidget* w) {
      modal = w == &p.app->ventanaFichas() && w->isModal();
      w->close();
    });
    p.Accion("MnuRecupera")->trigger();
    QVERIFY(modal);
    QVERIFY(!p.juego().partida().principal.paleta[9].visible);
    QVERIFY(!p.app->ventanaFichas().isVisible());
    QVERIFY(!p.app->ventanaFichas().isModal());
  }

  void colourAndScoreMenus() {
    Programa p({Pieza(1, 10), Pieza(2, 10), Pieza(3, 10), Pieza(4, 10)});
    Juego& j = p.juego();
    p.Fila({1, 3, 5, 6});
    p.Accion("MnuTexto")->trigger();
    QVERIFY(j.partida().principal.puntuaciones[1].visible);
    QVERIFY(!p.Accion("MnuTexto")->isEnabled());
    QVERIFY(p.Accion("MnuSimbol")->isEnabled());
    p.Accion("MnuCambiar")->trigger();
    QCOMPARE(j.partida().principal.paleta[1].fondo, colores::kGrisClaro);
    QCOMPARE(j.partida().principal.casillas[1].fondo, colores::kGrisClaro);
    p.app->principal().grab().save(QCoreApplication::applicationDirPath() +
                                   QStringLiteral("/sencillas-texto.png"));
    p.Accion("MnuSimbol")->trigger();
    QVERIFY(!j.partida().principal.puntuaciones[1].visible);
    QVERIFY(j.partida().principal.muertos[1].visible);
  }

  void aboutBoxLinksAndClosing() {
    Programa p;
    QStringList abiertos;
    p.app->plataforma().abrirGuion = [&](const QString& d) { abiertos << d; };
    bool comprobado = false;
    AlAbrirse([&](QWidget* w) {
      auto* caja = qobject_cast<AcercaDe*>(w);
      QVERIFY(caja);
      QCOMPARE(caja->findChild<QLabel*>(QStringLiteral("lblTitulo"))->text(),
               p.app->principal().windowTitle());
      caja->grab().save(QCoreApplication::applicationDirPath() + QStringLiteral("/acerca.png"));
      auto* mail = caja->findChild<QLabel*>(QStringLiteral("lblMail"));
      auto* url = caja->findChild<QLabel*>(QStringLiteral("lblURL"));
      auto* texWeb = caja->findChild<QLabel*>(QStringLiteral("lblTexWeb"));
      QCOMPARE(mail->cursor().shape(), Qt::PointingHandCursor);
      QTest::mouseClick(mail, Qt::LeftButton);
      QTest::mouseClick(url, Qt::LeftButton);
      QVERIFY(caja->isVisible());
      Mover(url);
      QVERIFY(url->font().underline() && !mail->font().underline());
      Mover(texWeb);  // other labels change nothing
      QVERIFY(url->font().underline());
      Mover(mail);
      QVERIFY(mail->font().underline() && !url->font().underline());
      Mover(caja, QPoint(3, 3));
      QVERIFY(!mail->font().underline() && !url->font().underline());
      QTest::mouseClick(caja->findChild<QLabel*>(QStringLiteral("lblCreadoPor")), Qt::LeftButton);
      QVERIFY(!caja->isVisible());
      comprobado = true;
    });
    p.Accion("MnuInfo")->trigger();
    QVERIFY(comprobado);
    QCOMPARE(abiertos, (QStringList{QStringLiteral("mailto:quorbel@example.org"),
                                    QStringLiteral("http://www.example.org")}));
    bool cerrada = false;
    AlAbrirse([&](QWidget* w) {
      QTest::keyClick(w, Qt::Key_Q);
      cerrada = !w->isVisible();
    });
    p.Accion("MnuInfo")->trigger();
    QVERIFY(cerrada);
  }
};

}  // namespace quorbel::prueba

QTEST_MAIN(quorbel::prueba::AyudasAppTest)
#include "AyudasAppTest.moc"
