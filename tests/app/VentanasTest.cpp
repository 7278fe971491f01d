// The main window and the small window, with real widgets and real mouse events.
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStandardPaths>

#include "Ayudante.h"

namespace quorbel::prueba {

class VentanasTest : public QObject {
  Q_OBJECT

 private slots:
  void aGameWithTheMouse() {
    Ajustes dos;
    dos.SetIntentos(2);
    Programa p({AzarDeFicha(3), AzarDeFicha(1), AzarDeFicha(4), AzarDeFicha(2)}, &dos);
    VentanaPrincipal& w = p.app->principal();
    const RegistroPrincipal& v = p.V();
    QTest::mouseMove(p.vista(), Rectangulo(v.paleta[7]).center());  // the hover frame follows
    QCOMPARE(v.marcoPaleta.izquierda, v.paleta[7].izquierda);
    int pintadas = 0;  // every event shows its outcome at once
    Contador contador(p.vista(), QEvent::Paint, pintadas);
    p.Pulsar(v.casillas[2], Qt::RightButton);  // a right press turns the cursor red
    QCOMPARE(v.cursor.borde, colores::kRojoClaro);
    QTRY_VERIFY(pintadas > 0);
    p.Pulsar(v.casillas[1]);
    p.Fila({5, 6, 7, 8});
    QVERIFY(w.temporizador()->isActive() && !w.ok()->isEnabled());
    p.Fila({1, 2, 3, 4});  // the last row missed: the solution shows
    VentanaFichas& s = p.app->ventanaFichas();
    QVERIFY(ComoLaReferencia(&s, QStringLiteral("solucion-perdida")));
    QVERIFY(s.objectName() == QStringLiteral("Form3") &&
            Botones(&s) == QStringLiteral("propios X"));
    QCOMPARE(s.frameGeometry().top(), w.frameGeometry().top());  // beside the board
    QTRY_VERIFY(!w.temporizador()->isActive());                  // stopped at its next tick
    p.app->plataforma().aleatoriosGuionados = {AzarDeFicha(1), AzarDeFicha(2), AzarDeFicha(3),
                                               AzarDeFicha(4)};
    p.Accion("MnuNew")->trigger();  // nothing to ask: a new deal hides the solution
    QVERIFY(!p.app->ventanaFichas().isVisible());
    QString texto;
    Responder(&texto);
    QStringList tiempos;  // a first win enters the best times, which show at once
    const auto leer = [&](QWidget* w) {
      for (QLabel* l : w->findChildren<QLabel*>()) {
        tiempos << l->objectName() + (l->font().bold() ? "*=" : "=") + l->text();
      }
      QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("Cerrar")), Qt::LeftButton);
    };
    AlAbrirse(leer);
    p.Fila({1, 2, 3, 4});
    QCOMPARE(texto, QStringLiteral("Felicidades! Lo has resuelto!"));
    QVERIFY2(tiempos.contains(
                 QStringLiteral("Tipo*=4 casillas · 10 fichas · 2 intentos · sin repetidas")) &&
                 tiempos.contains(QStringLiteral("Puesto1*=1")),
             qPrintable(tiempos.join(QLatin1Char(','))));
    // A time that cannot be kept is said so, never shown as kept.
    const QString datos = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QVERIFY(QDir(datos).removeRecursively() && QFile(datos).open(QIODevice::WriteOnly));
    p.app->plataforma().aleatoriosGuionados = {AzarDeFicha(1), AzarDeFicha(2), AzarDeFicha(3),
                                               AzarDeFicha(4)};
    p.Accion("MnuNew")->trigger();
    tiempos.clear();
    Responder(nullptr);
    AlAbrirse(leer);
    p.Fila({1, 2, 3, 4});
    const QString visto = tiempos.join(QLatin1Char(','));  // the title, the line, no times
    QVERIFY2(visto.contains(QRegularExpression(",NoGuardado=No se ha podido guardar tu tiempo: "
                                               "0:0\\d en 1 fila\\.,=Todavía no hay tiempos")),
             qPrintable(visto));
    Responder(nullptr);
    p.Accion("MnuSoluc")->trigger();
    w.close();  // closing the program closes the small window too
    QVERIFY(!p.app->ventanaFichas().isVisible());
  }

  void aidsWithTheMouse() {
    Programa p({AzarDeFicha(1), AzarDeFicha(2), AzarDeFicha(3), AzarDeFicha(4)});
    p.Pulsar(p.V().casillas[2], Qt::RightButton);
    p.Fila({2, 5, 6, 7});  // piece 2 fixed at position 2, down the board
    p.Fila({3, 9, 10});
    p.Quitar(5, "MnuDescart");
    QString texto;
    Responder(&texto);
    p.Quitar(2, "MnuDescart");
    QCOMPARE(texto, QStringLiteral("Esa ficha está fijada."));
    QVERIFY(ComoLaReferencia(&p.app->principal(), QStringLiteral("ayudas")));
    AlAbrirse([&](QWidget* w) {  // the picker is modal; a press on its cell takes the piece back
      QVERIFY(w == &p.app->ventanaFichas() && w->isModal());
      QVERIFY(ComoLaReferencia(w, QStringLiteral("recuperar")));
      QTest::mouseClick(p.app->ventanaFichas().vista(), Qt::LeftButton, {},
                        Rectangulo(p.F().celdas[0]).center());
    });
    p.Accion("MnuRecupera")->trigger();
    QVERIFY(p.V().paleta[5].visible && !p.app->ventanaFichas().isVisible());
    p.Quitar(2, "MnuNoFijar");
    QCOMPARE(p.V().casillas[14].rotulo, std::string(""));
    // The picker closed through its frame, even over the solution, recovers nothing.
    p.Quitar(9, "MnuDescart");
    Responder(nullptr);
    p.Accion("MnuSoluc")->trigger();
    AlAbrirse([](QWidget* w) { w->close(); });
    p.Accion("MnuRecupera")->trigger();
    QVERIFY(!p.V().paleta[9].visible && !p.app->ventanaFichas().isModal());
    p.Accion("MnuTexto")->trigger();
    p.Accion("MnuCambiar")->trigger();
    QVERIFY(!p.Accion("MnuTexto")->isEnabled() && p.Accion("MnuSimbol")->isEnabled());
    QVERIFY(ComoLaReferencia(&p.app->principal(), QStringLiteral("sencillas-texto")));
  }

  void hintAndBestTimesFromTheMenu() {
    Programa p({AzarDeFicha(1), AzarDeFicha(2), AzarDeFicha(3), AzarDeFicha(4)});
    AlAbrirse([](QWidget* w) {  // no times yet
      QVERIFY(ComoLaReferencia(w, QStringLiteral("tiempos-vacios")));
      QCOMPARE(Botones(w), QStringLiteral("propios X"));
      w->close();
    });
    p.Accion("MnuTiempos")->trigger();
    p.Fila({1, 2, 3, 5});
    p.Fila({1, 2, 4, 3});
    p.Fila({1, 2, 3, 6});  // one code left: the hint's example is the solution
    QVERIFY(p.Accion("MnuPista")->isEnabled());
    AlAbrirse<QMessageBox>([](QWidget* caja) {
      QVERIFY(ComoLaReferencia(caja, QStringLiteral("pista")));
      static_cast<QMessageBox*>(caja)->accept();
    });
    p.Accion("MnuPista")->trigger();
    Responder(nullptr);
    p.Fila({1, 2, 3, 4});  // won with a hint: no best time
    QVERIFY(!QApplication::activeModalWidget() && !p.Accion("MnuPista")->isEnabled());
  }

  // The small window closes when the player closes it, even at once, or when the window system
  // takes it away; minimised and restored with the main window, as window managers do with its
  // dialogs, it stays open. The next event changes neither.
  void theSmallWindowClosesOnlyWhenClosed() {
    Programa p;
    VentanaFichas& s = p.app->ventanaFichas();
    enum Via { Marco, Sistema, Minimizada };
    for (Via via : {Marco, Sistema, Minimizada}) {
      Responder(nullptr);
      p.Accion("MnuSoluc")->trigger();
      QVERIFY(s.isVisible());
      if (via == Marco) {
        s.windowHandle()->close();
      } else if (via == Sistema) {
        s.hide();  // without a close event
      } else {
        for (Qt::WindowState estado : {Qt::WindowMinimized, Qt::WindowNoState}) {
          p.app->principal().setWindowState(estado);
          s.setWindowState(estado);
        }
      }
      const bool abierta = via == Minimizada;
      QTRY_COMPARE(s.isVisible(), abierta);  // a window manager answers in its own time
      QTest::mouseMove(p.vista(), Rectangulo(p.V().paleta[3]).center());
      QVERIFY(s.isVisible() == abierta && p.F().visible == abierta);
    }
  }

  // The solution stands beside the board, on the side the screen has room on, and leaves it
  // the keyboard, even when a window manager hands it over; the picker keeps it, to be
  // answered, in a window of its own.
  void theKeyboardStaysWithTheBoardBesideTheSolution() {
    Programa p({AzarDeFicha(1), AzarDeFicha(2), AzarDeFicha(3), AzarDeFicha(4)});
    VentanaFichas& s = p.app->ventanaFichas();
    VentanaPrincipal& w = p.app->principal();  // near the screen's right edge: the left side
    w.move(QGuiApplication::primaryScreen()->availableGeometry().right() - w.width(), w.y());
    Responder(nullptr);
    p.Accion("MnuSoluc")->trigger();
    QVERIFY(s.frameGeometry().right() < w.frameGeometry().left());
    int activada = 0;
    Contador contador(&s, QEvent::WindowActivate, activada);
    s.activateWindow();
    QTRY_VERIFY(activada > 0);
    QTRY_VERIFY(p.app->principal().isActiveWindow());
    p.Ficha(6);
    p.Quitar(5, "MnuDescart");
    const WId solucion = s.winId();
    bool activa = false;
    WId selector = 0;
    AlAbrirse([&](QWidget* w) {
      QTest::qWait(20);
      activa = w->isActiveWindow();
      selector = w->winId();
      w->close();
    });
    p.Accion("MnuRecupera")->trigger();
    QVERIFY(activa && selector != solucion);
  }

  void menusAndTheLookOfTheBoards() {
    Programa p;
    QVERIFY(ComoLaReferencia(&p.app->principal(), QStringLiteral("principal-defecto")));
    QCOMPARE(Botones(&p.app->principal()), QStringLiteral("propios _ X"));
    // The largest board, 26 plain letters; thirteen pieces in one row; empty pieces.
    for (auto [linea, nombre] : {std::pair{"1,1,0,10,20,26", "principal-mayor"},
                                 {"0,0,0,3,1,13", "principal-trece"},
                                 {"1,0,2,7,5,13", "principal-vacias"}}) {
      Ajustes a;
      archivo_ajustes::CargarDesde(linea, a);
      Programa q({}, &a);
      QVERIFY2(ComoLaReferencia(&q.app->principal(), QString::fromLatin1(nombre)), nombre);
    }
    QStringList items;
    for (QAction* a : p.app->principal().findChildren<QAction*>()) {
      items << a->objectName() + QLatin1Char('=') + a->text();
    }
    for (const char* item : {"MnuNew=&Nuevo", "MnuOpcion=&Opciones", "MnuCambiar=&Cambiar color",
                             "MnuSimbol=&Símbolos", "MnuTexto=&Texto", "MnuRecupera=R&ecuperar",
                             "MnuSoluc=&Solución", "MnuDescart=&Desechar", "MnuNoFijar=&No Fijar",
                             "MnuHelp=Como &Jugar", "MnuInfo=&Acerca de..."}) {
      QVERIFY2(items.contains(QString::fromUtf8(item)), item);
    }
    QVERIFY(!p.app->principal().menuBar()->actions().contains(
        p.app->principal().menuQuitar()->menuAction()));
  }
};

}  // namespace quorbel::prueba

QTEST_MAIN(quorbel::prueba::VentanasTest)
#include "VentanasTest.moc"
