// The main window with real widgets and real mouse events.
#include <QMenuBar>

#include "Ayudante.h"

namespace quorbel::prueba {

class VentanaPrincipalTest : public QObject {
  Q_OBJECT

 private:
  static QImage Captura(Programa& p, const QString& nombre) {
    QImage imagen = p.app->principal().grab().toImage();
    imagen.save(QCoreApplication::applicationDirPath() + QLatin1Char('/') + nombre);
    return imagen;
  }
  static QPoint EnVentana(Programa& p, const Elemento& e) {
    return p.vista()->mapTo(&p.app->principal(), Rectangulo(e).center());
  }

 private slots:
  void menusCarryTheirCaptions() {
    Programa p;
    VentanaPrincipal& w = p.app->principal();
    QCOMPARE(w.windowTitle(), QStringLiteral("Quorbel 1.0"));
    QStringList barra;
    for (QAction* a : w.menuBar()->actions()) {
      barra << a->text();
    }
    QCOMPARE(barra, (QStringList{"Juego", "Resultados", "Recuperar", "Solución", "Ayuda"}));
    const std::pair<const char*, const char*> items[] = {
        {"MnuNew", "Nuevo"},       {"MnuOpcion", "Opciones"},  {"MnuCambiar", "Cambiar color"},
        {"MnuSimbol", "Símbolos"}, {"MnuTexto", "Texto"},      {"MnuRecupera", "Recuperar"},
        {"MnuSoluc", "Solución"},  {"MnuDescart", "Desechar"}, {"MnuNoFijar", "No Fijar"},
        {"MnuHelp", "Como Jugar"}, {"MnuInfo", "Acerca de..."}};
    for (const auto& [nombre, texto] : items) {
      QAction* a = p.Accion(nombre);
      QVERIFY2(a, nombre);
      QCOMPARE(a->text(), QString::fromUtf8(texto));
    }
    // Scores start as marks: "Símbolos" is the mode in force.
    QVERIFY(!p.Accion("MnuSimbol")->isEnabled());
    QVERIFY(p.Accion("MnuTexto")->isEnabled());
    QCOMPARE(w.menuQuitar()->title(), QStringLiteral("Quitar"));
    QVERIFY(!w.menuBar()->actions().contains(w.menuQuitar()->menuAction()));
  }

  void defaultWindowShowsTheBoard() {
    Programa p;
    VentanaPrincipal& w = p.app->principal();
    QVERIFY(w.isVisible());
    QCOMPARE(p.vista()->size(), QSize(400, (720 + 3000 + 120) / 15));
    const QImage imagen = Captura(p, QStringLiteral("principal-defecto.png"));
    const RegistroPrincipal& f = p.juego().partida().principal;
    QCOMPARE(imagen.pixelColor(EnVentana(p, f.casillas[2])), QColor(255, 192, 255));
    QCOMPARE(imagen.pixelColor(EnVentana(p, f.casillas[40]) + QPoint(8, 0)), QColor(255, 192, 255));
    // A piece's corner, away from its caption, shows its colour.
    const QPoint esquina = p.vista()->mapTo(&w, Rectangulo(f.paleta[2]).topLeft() + QPoint(7, 7));
    QCOMPARE(imagen.pixelColor(esquina), QColor(0, 255, 0));
    QCOMPARE(imagen.pixelColor(EnVentana(p, f.reloj) + QPoint(-20, 0)), QColor(0, 0, 0));
    QVERIFY(!w.ok()->isEnabled());
  }

  void largestGameFitsItsWindow() {
    const Ajustes a = AjustesMayores();
    Programa p({}, &a);
    QCOMPARE(p.juego().partida().principal.casillas.Cuenta() - 1, 200);
    QCOMPARE(p.vista()->size(), QSize(400, (1080 + 6000 + 120) / 15));
    const QImage imagen = Captura(p, QStringLiteral("principal-mayor.png"));
    const RegistroPrincipal& f = p.juego().partida().principal;
    QCOMPARE(imagen.pixelColor(EnVentana(p, f.casillas[200]) + QPoint(6, 0)),
             QColor(255, 192, 255));
    const QPoint z =
        p.vista()->mapTo(&p.app->principal(), Rectangulo(f.paleta[26]).topLeft() + QPoint(3, 3));
    QCOMPARE(imagen.pixelColor(z), AQColor(colores::kCaraSistema));
  }

  void lostGamePlayedWithTheMouse() {
    // Solution 3 1 4 2 out of 10; two attempts.
    Ajustes a;
    a.SetIntentos(2);
    Programa p({Pieza(3, 10), Pieza(1, 10), Pieza(4, 10), Pieza(2, 10)}, &a);
    Juego& j = p.juego();
    QCOMPARE(j.partida().Solucion, (std::vector<int>{0, 3, 1, 4, 2}));
    p.Ficha(5);
    QVERIFY(j.partida().RelojEnMarcha);
    QVERIFY(p.app->principal().temporizador()->isActive());
    p.Ficha(6);
    p.Ficha(7);
    p.Ficha(8);
    QVERIFY(p.app->principal().ok()->isEnabled());
    QTest::mouseClick(p.app->principal().ok(), Qt::LeftButton);
    QCOMPARE(j.partida().FilaActual, 2);
    p.Fila({1, 2, 3, 4});
    QVERIFY(!j.partida().RelojEnMarcha);
    VentanaFichas& s = p.app->ventanaFichas();
    QVERIFY(s.isVisible());
    QCOMPARE(s.windowTitle(), QStringLiteral("Fallaste. La solución es..."));
    QCOMPARE(s.width(), (3435 - 90) / 15);
    const QImage imagen = s.grab().toImage();
    imagen.save(QCoreApplication::applicationDirPath() + QStringLiteral("/selector-perdida.png"));
    const RegistroFichas& f3 = j.partida().ventanaFichas;
    for (int i = 0; i < 4; ++i) {
      const QPoint esquina = Rectangulo(f3.celdas[i]).topLeft() + QPoint(3, 3);
      QCOMPARE(imagen.pixelColor(esquina),
               AQColor(j.partida().principal.paleta[j.partida().Solucion[i + 1]].fondo));
    }
    // The clock stops at its next tick.
    QTRY_VERIFY(!p.app->principal().temporizador()->isActive());
    QCOMPARE(j.partida().principal.reloj.rotulo, std::string("0"));
    // Closing the small window through its frame hides it.
    s.close();
    QVERIFY(!j.partida().ventanaFichas.visible);
  }

  void wonGamePlayedWithTheMouse() {
    Programa p({Pieza(1, 10), Pieza(2, 10), Pieza(3, 10), Pieza(4, 10)});
    Juego& j = p.juego();
    p.Fila({10, 9, 8, 7});
    QCOMPARE(j.partida().principal.puntuaciones.Cuenta(), 2);
    QVERIFY(j.partida().principal.muertos.Cuenta() == 1 &&
            j.partida().principal.tocados.Cuenta() == 1);
    QString texto;
    Responder(&texto);
    p.Fila({1, 2, 3, 4});
    QCOMPARE(texto, QStringLiteral("Felicidades! Lo has resuelto!"));
    QCOMPARE(j.partida().principal.puntuaciones.Cuenta(), 2);  // the winning row has no score
    p.Celda(p.juego().partida().NumCasillas * 2 + 1);
    p.Ficha(5);
    QCOMPARE(j.partida().principal.casillas[9].rotulo, std::string(""));
    QVERIFY(!j.partida().RelojEnMarcha);
  }

  void newGameAsksWhileAGameIsUnderWay() {
    Programa p({Pieza(1, 10), Pieza(2, 10), Pieza(3, 10), Pieza(4, 10), Pieza(5, 10), Pieza(6, 10),
                Pieza(7, 10), Pieza(8, 10)});
    p.Ficha(9);
    QString texto;
    Responder(&texto, QMessageBox::Cancel);
    p.Accion("MnuNew")->trigger();
    QCOMPARE(texto, QStringLiteral("Quieres comenzar una nueva partida?"));
    QCOMPARE(p.juego().partida().principal.casillas[1].rotulo, std::string("8"));
    Responder(&texto, QMessageBox::Ok);
    p.Accion("MnuNew")->trigger();
    QCOMPARE(p.juego().partida().principal.casillas[1].rotulo, std::string(""));
    QCOMPARE(p.juego().partida().Solucion, (std::vector<int>{0, 5, 6, 7, 8}));
  }

  void contextMenuOpensOnARightPressOnAPiece() {
    Programa p;
    bool abierto = false;
    AlAbrirse([&abierto](QWidget* w) {
      abierto = qobject_cast<QMenu*>(w) != nullptr;
      w->close();
    });
    p.Ficha(6, Qt::RightButton);
    QVERIFY(abierto);
    QCOMPARE(p.juego().partida().FichaActual, 6);
  }

  void theSmallWindowStaysClosedHoweverItWasClosed() {
    Programa p;
    VentanaFichas& s = p.app->ventanaFichas();
    // Its frame's close button, at once after it appears.
    Responder(nullptr);
    p.Accion("MnuSoluc")->trigger();
    QVERIFY(s.isVisible());
    s.windowHandle()->close();
    QVERIFY(!s.isVisible());
    QVERIFY(!p.juego().partida().ventanaFichas.visible);
    // Taken away by the window system without a close event: the next event must not bring
    // it back.
    Responder(nullptr);
    p.Accion("MnuSoluc")->trigger();
    QVERIFY(s.isVisible());
    s.hide();
    QTest::mouseMove(p.vista(), Rectangulo(p.juego().partida().principal.paleta[3]).center());
    QVERIFY(!s.isVisible());
    QVERIFY(!p.juego().partida().ventanaFichas.visible);
  }

  void closingTheMainWindowHidesTheSmallOne() {
    Programa p;
    Responder(nullptr);
    p.Accion("MnuSoluc")->trigger();
    QVERIFY(p.app->ventanaFichas().isVisible());
    p.app->principal().close();
    QVERIFY(!p.app->ventanaFichas().isVisible());
  }
};

}  // namespace quorbel::prueba

QTEST_MAIN(quorbel::prueba::VentanaPrincipalTest)
#include "VentanaPrincipalTest.moc"
