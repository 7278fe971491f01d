// One full repaint of the main window for the largest game, into an offscreen image.
#include "Ayudante.h"

namespace quorbel::prueba {

class RepintadoBench : public QObject {
  Q_OBJECT

 private slots:
  void fullRepaintOfTheLargestGame() {
    const Ajustes a = AjustesMayores();
    Programa p({}, &a);
    // A board worth drawing: nineteen scored rows with their marks and texts.
    for (int fila = 1; fila < 20; ++fila) {
      p.juego().VerTexto();
      for (int i = 1; i <= 10; ++i) {
        p.juego().PulsarFicha(i + fila % 5, kBotonIzquierdo);
      }
      p.juego().Enviar();
    }
    QCOMPARE(p.juego().partida().principal.puntuaciones.Cuenta() - 1, 19);
    QWidget& ventana = p.app->principal();
    QImage imagen(ventana.size(), QImage::Format_ARGB32_Premultiplied);
    QBENCHMARK {
      ventana.render(&imagen);
    }
    const QPoint celda = p.vista()->mapTo(
        &ventana, Rectangulo(p.juego().partida().principal.casillas[200]).center());
    QCOMPARE(imagen.pixelColor(celda + QPoint(6, 0)), QColor(255, 192, 255));
  }
};

}  // namespace quorbel::prueba

QTEST_MAIN(quorbel::prueba::RepintadoBench)
#include "RepintadoBench.moc"
