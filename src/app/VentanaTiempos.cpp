#include "VentanaTiempos.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "Aplicacion.h"

namespace quorbel {

namespace {

QString Tiempo(int segundos) {
  return QStringLiteral("%1:%2").arg(segundos / 60).arg(segundos % 60, 2, 10, QLatin1Char('0'));
}

// Stored as YYYY-MM-DD, read as the player writes days: DD/MM/YYYY.
QString Dia(const std::string& fecha) {
  const QString f = QString::fromStdString(fecha);
  return f.mid(8, 2) + QLatin1Char('/') + f.mid(5, 2) + QLatin1Char('/') + f.left(4);
}

}  // namespace

VentanaTiempos::VentanaTiempos(const Estado& partida, const TipoPartida& tipo, QWidget* padre)
    : QDialog(padre, kBotonesDialogo) {
  setObjectName(QStringLiteral("MejoresTiempos"));
  setWindowTitle(QStringLiteral("Mejores tiempos"));
  auto* columna = new QVBoxLayout(this);
  auto* titulo = new QLabel(QString::fromStdString(tipo.Titulo()), this);
  titulo->setObjectName(QStringLiteral("Tipo"));
  QFont negrita = titulo->font();
  negrita.setBold(true);
  titulo->setFont(negrita);
  columna->addWidget(titulo);
  if (const std::optional<TiempoGanado>& perdida = partida.mejoresTiempos.Perdida()) {
    // Said instead of showing the time among the kept ones, which are the file's.
    auto* aviso = new QLabel(QStringLiteral("No se ha podido guardar tu tiempo: %1 en %2 %3.")
                                 .arg(Tiempo(perdida->segundos))
                                 .arg(perdida->filas)
                                 .arg(perdida->filas == 1 ? "fila" : "filas"),
                             this);
    aviso->setObjectName(QStringLiteral("NoGuardado"));
    aviso->setStyleSheet(QStringLiteral("color: #c00000;"));
    columna->addWidget(aviso);
  }

  const std::vector<TiempoGanado>& tiempos = partida.mejoresTiempos.De(tipo);
  if (tiempos.empty()) {
    columna->addWidget(
        new QLabel(QStringLiteral("Todavía no hay tiempos para este tipo de partida."), this));
  } else {
    auto* tabla = new QGridLayout;
    tabla->setSpacing(0);
    auto casilla = [&](const QString& texto, int fila, int columna) {
      auto* celda = new QLabel(texto, this);
      celda->setContentsMargins(8, 2, 8, 2);
      tabla->addWidget(celda, fila, columna);
      return celda;
    };
    const QStringList cabecera = {QStringLiteral("Puesto"), QStringLiteral("Tiempo"),
                                  QStringLiteral("Filas"), QStringLiteral("Fecha")};
    for (int c = 0; c < cabecera.size(); ++c) {
      casilla(cabecera[c], 0, c)->setFont(negrita);
    }
    for (int i = 0; i < static_cast<int>(tiempos.size()); ++i) {
      const TiempoGanado& m = tiempos[static_cast<std::size_t>(i)];
      const QStringList celdas = {QString::number(i + 1), Tiempo(m.segundos),
                                  QString::number(m.filas), Dia(m.fecha)};
      for (int c = 0; c < celdas.size(); ++c) {
        QLabel* celda = casilla(celdas[c], i + 1, c);
        celda->setObjectName(QStringLiteral("Puesto%1").arg(i + 1));
        if (i == partida.puestoNuevo) {  // the time just won
          celda->setFont(negrita);
          celda->setStyleSheet(QStringLiteral("background: #ffff80;"));
        }
      }
    }
    columna->addLayout(tabla);
  }
  auto* cerrar = new QPushButton(QStringLiteral("Cerrar"), this);
  cerrar->setObjectName(QStringLiteral("Cerrar"));
  cerrar->setDefault(true);
  connect(cerrar, &QPushButton::clicked, this, &QDialog::accept);
  columna->addWidget(cerrar, 0, Qt::AlignRight);
  setFixedSize(sizeHint());
}

}  // namespace quorbel
