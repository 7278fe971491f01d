// The options dialog with its real widgets, and the settings file it writes.
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>

#include "Ayudante.h"
#include "DialogoOpciones.h"

namespace quorbel::prueba {

class DialogoOpcionesTest : public QObject {
  Q_OBJECT

 private:
  // Opens "Opciones" and runs `jugar` inside the dialog while it is shown.
  static void ConDialogo(Programa& p, std::function<void(QDialog*)> jugar) {
    bool abierto = false;
    AlAbrirse([&](QWidget* w) {
      auto* d = qobject_cast<QDialog*>(w);
      QVERIFY2(d && d->objectName() == QStringLiteral("Form2"), "the options dialog");
      abierto = true;
      jugar(d);
      if (d->isVisible()) {
        d->close();
      }
    });
    p.Accion("MnuOpcion")->trigger();
    QVERIFY(abierto);
  }
  template <typename T>
  static T* Hijo(QWidget* d, const char* nombre) {
    T* w = d->findChild<T*>(QString::fromLatin1(nombre));
    if (!w) {
      qFatal("missing %s", nombre);
    }
    return w;
  }
  static QString Lectura(QWidget* d, const char* nombre) { return Hijo<QLabel>(d, nombre)->text(); }
  static void Elegir(QWidget* d, const char* nombre) {
    QRadioButton* r = Hijo<QRadioButton>(d, nombre);
    QTest::mouseClick(r, Qt::LeftButton, {}, QPoint(6, r->height() / 2));
  }

 private slots:
  void layoutShowsEveryCaption() {
    Programa p;
    ConDialogo(p, [](QDialog* d) {
      QCOMPARE(d->windowTitle(), QStringLiteral("Opciones"));
      QCOMPARE(d->size(), QSize(282, 159));
      const std::pair<const char*, const char*> marcos[] = {
          {"Frame3", "Casillas"},   {"Frame4", "Intentos"}, {"Frame6", "Fichas"},
          {"Frame2", "Jugar con:"}, {"Frame5", "Colores:"}, {"Frame1", "Repetidos:"}};
      for (const auto& [nombre, titulo] : marcos) {
        QCOMPARE(Hijo<QGroupBox>(d, nombre)->title(), QString::fromUtf8(titulo));
      }
      // Every option's caption fits inside its frame.
      for (QRadioButton* r : d->findChildren<QRadioButton*>()) {
        QVERIFY2(r->width() >= r->sizeHint().width(), qPrintable(r->text()));
        QVERIFY(r->geometry().right() < r->parentWidget()->width());
      }
      QCOMPARE(Lectura(d, "Label1"), QStringLiteral("4"));
      QCOMPARE(Lectura(d, "Label2"), QStringLiteral("10"));
      QCOMPARE(Lectura(d, "Label3"), QStringLiteral("10"));
      QVERIFY(Hijo<QRadioButton>(d, "Option1(1)")->isChecked());
      QVERIFY(Hijo<QRadioButton>(d, "Option2(0)")->isChecked());
      QVERIFY(Hijo<QRadioButton>(d, "Option3(1)")->isChecked());
      d->grab().save(QCoreApplication::applicationDirPath() + QStringLiteral("/opciones.png"));
    });
  }

  void interlocksThroughTheWidgets() {
    Programa p;
    ConDialogo(p, [&p](QDialog* d) {
      QScrollBar* casillas = Hijo<QScrollBar>(d, "HScroll1");
      QScrollBar* fichas = Hijo<QScrollBar>(d, "HScroll3");
      // Ten positions with numbers: pieces exactly 10.
      casillas->setValue(10);
      QCOMPARE(fichas->minimum(), 10);
      QCOMPARE(fichas->maximum(), 10);
      QCOMPARE(Lectura(d, "Label3"), QStringLiteral("10"));
      // 4 -> 7 positions with 5 pieces raises the pieces to 7.
      casillas->setValue(4);
      fichas->setValue(5);
      QCOMPARE(Lectura(d, "Label3"), QStringLiteral("5"));
      QTest::mouseClick(casillas, Qt::LeftButton, {},
                        QPoint(casillas->width() - 3, casillas->height() / 2));
      QCOMPARE(casillas->value(), 5);
      casillas->setValue(7);
      QCOMPARE(Lectura(d, "Label1"), QStringLiteral("7"));
      QCOMPARE(Lectura(d, "Label3"), QStringLiteral("7"));
      QCOMPARE(p.juego().partida().ajustes.Fichas(), 7);
      // Letters without colours allow 26; numbers pull 20 down to 10, colours to 13.
      Elegir(d, "Option3(0)");
      Elegir(d, "Option2(1)");
      QCOMPARE(fichas->maximum(), 26);
      fichas->setValue(20);
      Elegir(d, "Option3(1)");
      QCOMPARE(Lectura(d, "Label3"), QStringLiteral("10"));
      Elegir(d, "Option3(0)");
      fichas->setValue(20);
      Elegir(d, "Option2(0)");
      QCOMPARE(Lectura(d, "Label3"), QStringLiteral("13"));
      // Empty pieces need colours: "No." does not stay chosen.
      Elegir(d, "Option3(2)");
      Elegir(d, "Option2(1)");
      QVERIFY(Hijo<QRadioButton>(d, "Option2(0)")->isChecked());
      QCOMPARE(fichas->maximum(), 13);
      Elegir(d, "Option3(0)");
      Elegir(d, "Option2(1)");
      Elegir(d, "Option3(2)");
      QVERIFY(Hijo<QRadioButton>(d, "Option2(0)")->isChecked());
      QCOMPARE(p.juego().partida().ajustes.Colores(), true);
    });
  }

  void okSavesAndDealsANewGame() {
    Programa p({Pieza(1, 10), Pieza(2, 10), Pieza(3, 10), Pieza(4, 10)});
    const QString ini = p.carpeta.filePath(QStringLiteral("Quorbel.ini"));
    QFile::remove(ini);
    p.app->plataforma().aleatoriosGuionados = {Pieza(9, 10), Pieza(8, 10), Pieza(7, 10),
                                               Pieza(6, 10)};
    ConDialogo(
        p, [](QDialog* d) { QTest::mouseClick(Hijo<QPushButton>(d, "Command1"), Qt::LeftButton); });
    QVERIFY(QFile::exists(ini));
    QCOMPARE(p.juego().partida().Solucion, (std::vector<int>{0, 9, 8, 7, 6}));
    QVERIFY(!p.juego().partida().opcionesAbiertas);

    // Letters, 26 plain pieces: two palette rows and a taller window.
    const int altoAntes = p.app->principal().height();
    ConDialogo(p, [](QDialog* d) {
      Elegir(d, "Option3(0)");
      Elegir(d, "Option2(1)");
      Hijo<QScrollBar>(d, "HScroll3")->setValue(26);
      QTest::mouseClick(Hijo<QPushButton>(d, "Command1"), Qt::LeftButton);
    });
    QCOMPARE(p.juego().partida().principal.paleta.Cuenta() - 1, 26);
    QCOMPARE(p.app->principal().height(), altoAntes + 360 / 15);
    QFile f(ini);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("1\r\n1\r\n0\r\n\"4\"\r\n\"10\"\r\n\"26\"\r\n"));
  }

  void settingsSurviveARestart() {
    Programa p;
    ConDialogo(p, [](QDialog* d) {
      Hijo<QScrollBar>(d, "HScroll1")->setValue(6);
      Hijo<QScrollBar>(d, "HScroll2")->setValue(15);
      Elegir(d, "Option3(2)");
      Hijo<QScrollBar>(d, "HScroll3")->setValue(12);
      Elegir(d, "Option1(0)");
      QTest::mouseClick(Hijo<QPushButton>(d, "Command1"), Qt::LeftButton);
    });
    const Ajustes elegidos = p.juego().partida().ajustes;
    p.Reiniciar();
    QCOMPARE(p.juego().partida().ajustes, elegidos);
    QCOMPARE(p.juego().partida().NumCasillas, 6);
    QCOMPARE(p.juego().partida().principal.casillas.Cuenta() - 1, 6 * 15);
    QCOMPARE(p.juego().partida().principal.paleta.Cuenta() - 1, 12);
    ConDialogo(p, [](QDialog* d) {
      QCOMPARE(Lectura(d, "Label1"), QStringLiteral("6"));
      QCOMPARE(Lectura(d, "Label2"), QStringLiteral("15"));
      QCOMPARE(Lectura(d, "Label3"), QStringLiteral("12"));
      QVERIFY(Hijo<QRadioButton>(d, "Option3(2)")->isChecked());
      QVERIFY(Hijo<QRadioButton>(d, "Option1(0)")->isChecked());
    });
  }

  void everySetUpPutsTheWindowBackAtItsTop() {
    Programa p;
    VentanaPrincipal& w = p.app->principal();
    const int arriba = Px(2240);  // (9000 - 4520) / 2 twips
    QCOMPARE(w.y(), arriba);
    w.move(w.x(), arriba + 40);  // the player drags it down
    p.Accion("MnuNew")->trigger();
    QCOMPARE(w.y(), arriba);
    w.move(w.x(), arriba - 40);
    ConDialogo(
        p, [](QDialog* d) { QTest::mouseClick(Hijo<QPushButton>(d, "Command1"), Qt::LeftButton); });
    QCOMPARE(w.y(), arriba);
  }

  void closingKeepsTheSettingsInForce() {
    Programa p;
    ConDialogo(p, [](QDialog* d) {
      Hijo<QScrollBar>(d, "HScroll1")->setValue(9);
      Elegir(d, "Option1(0)");
    });
    QCOMPARE(p.juego().partida().ajustes, Ajustes());
    QCOMPARE(p.juego().partida().NumCasillas, 4);
  }

  void questionOnlyWithAPieceInTheFirstRow() {
    Programa p;
    bool sinPregunta = false;
    ConDialogo(p, [&](QDialog*) { sinPregunta = true; });
    QVERIFY(sinPregunta);

    p.Ficha(3);
    QVERIFY(p.app->principal().temporizador()->isActive());
    QString texto;
    Responder(&texto, QMessageBox::Cancel);
    p.Accion("MnuOpcion")->trigger();
    QCOMPARE(texto, QStringLiteral("Esto reiniciará la partida.\nQuieres continuar?"));
    QVERIFY(p.juego().partida().RelojEnMarcha);
    QVERIFY(p.app->principal().temporizador()->isActive());
    QCOMPARE(p.juego().partida().principal.casillas[1].rotulo, std::string("2"));

    // Answered OK: the dialog opens and stops the clock at once.
    Responder(nullptr, QMessageBox::Ok);
    bool parado = false;
    ConDialogo(p, [&](QDialog*) {
      parado = !p.juego().partida().RelojEnMarcha &&
               !p.app->principal().temporizador()->isActive() &&
               p.juego().partida().principal.reloj.rotulo == "0";
    });
    QVERIFY(parado);
  }
};

}  // namespace quorbel::prueba

QTEST_MAIN(quorbel::prueba::DialogoOpcionesTest)
#include "DialogoOpcionesTest.moc"
