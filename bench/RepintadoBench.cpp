// One full repaint of the main window for the largest game, into an offscreen image.
#include "Ayudante.h"

namespace quorbel::prueba {

class RepintadoBench : public QObject {
  Q_OBJECT

 private slots:
  void fullRepaintOfTheLargestGame() {
    Ajustes a;  // the largest game: 10 positions, 20 attempts, 26 plain letters
    a.SeleccionarColores(1);
    a.SeleccionarJugarCon(0);
    a.SetCasillas(10);
    a.SetIntentos(20);
    a.SetFichas(26);
    Programa p({}, &a);
    Juego& juego = p.app->juego();
    // A board worth drawing: nineteen scored rows with their marks and texts.
    for (int fila = 1; fila < 20; ++fila) {
      juego.Aplicar({Accion::VerTexto});
      for (int i = 1; i <= 10; ++i) {
        juego.Aplicar({Accion::PulsarFicha, i + fila % 5, kBotonIzquierdo});
      }
      juego.Aplicar({Accion::Enviar});
    }
    QCOMPARE(juego.principal().puntuaciones.Cuenta() - 1, 19);
    QWidget& ventana = p.app->principal();
    QImage imagen(ventana.size(), QImage::Format_ARGB32_Premultiplied);
    QBENCHMARK {
      ventana.render(&imagen);
    }
    const QPoint celda =
        p.vista()->mapTo(&ventana, Rectangulo(juego.principal().casillas[200]).center());
    QCOMPARE(imagen.pixelColor(celda + QPoint(6, 0)), QColor(255, 192, 255));
  }
};

}  // namespace quorbel::prueba

QTEST_MAIN(quorbel::prueba::RepintadoBench)
#include "RepintadoBench.moc"
