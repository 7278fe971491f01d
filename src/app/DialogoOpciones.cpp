#include "DialogoOpciones.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "Aplicacion.h"
#include "Dibujos.h"

namespace quorbel {

namespace {

void Colocar(QWidget* w, double left, double top, double width, double height) {
  w->setGeometry(Px(left), Px(top), Px(width), Px(height));
}

QGroupBox* Marco(QWidget* padre, const char* nombre, const QString& titulo, double left, double top,
                 double width, double height) {
  auto* marco = new QGroupBox(titulo, padre);
  marco->setObjectName(QString::fromLatin1(nombre));
  Colocar(marco, left, top, width, height);
  return marco;
}

// An option button at its place, widened when its caption would not fit.
QRadioButton* Opcion(QGroupBox* marco, const QString& nombre, const QString& texto, double top,
                     double width) {
  auto* opcion = new QRadioButton(texto, marco);
  opcion->setObjectName(nombre);
  Colocar(opcion, 240, top, width, 255);
  const int necesita = opcion->x() + opcion->sizeHint().width() + 4;
  if (necesita > marco->width()) {
    marco->resize(necesita, marco->height());
  }
  opcion->resize(std::max(opcion->sizeHint().width(), opcion->width()), opcion->height());
  return opcion;
}

}  // namespace

DialogoOpciones::DialogoOpciones(Aplicacion& app, QWidget* padre)
    : QDialog(padre, kBotonesDialogo), app_(app) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("Opciones"));
  setModal(true);
  QFont fuente = font();
  fuente.setPixelSize(11);
  setFont(fuente);
  setFixedSize(Px(4230), Px(2385));

  struct Deslizador {
    const char* marco;
    const char* titulo;
    double left;
    const char* lectura;
    const char* barra;
  };
  const Deslizador deslizadores[3] = {
      {"Frame3", "Casillas", 120, "Label1", "HScroll1"},
      {"Frame4", "Intentos", 1320, "Label2", "HScroll2"},
      {"Frame6", "Fichas", 2520, "Label3", "HScroll3"},
  };
  for (std::size_t i = 0; i < 3; ++i) {
    const Deslizador& d = deslizadores[i];
    QGroupBox* marco = Marco(this, d.marco, QString::fromLatin1(d.titulo), d.left, 120, 975, 975);
    auto* lectura = new QLabel(marco);
    lectura->setObjectName(QString::fromLatin1(d.lectura));
    lectura->setAlignment(Qt::AlignCenter);
    lectura->setFrameShape(QFrame::Box);
    lectura->setAutoFillBackground(true);
    QPalette paleta = lectura->palette();
    paleta.setColor(QPalette::Window, Qt::white);
    paleta.setColor(QPalette::WindowText, Qt::black);
    lectura->setPalette(paleta);
    Colocar(lectura, 240, 240, 495, 255);
    auto* barra = new QScrollBar(Qt::Horizontal, marco);
    barra->setObjectName(QString::fromLatin1(d.barra));
    barra->setSingleStep(1);
    barra->setPageStep(1);
    barra->setFocusPolicy(Qt::StrongFocus);  // the arrows move it, Right to more
    barra->setInvertedControls(false);
    Colocar(barra, 240, 600, 495, 255);
    lecturas_[i] = lectura;
    barras_[i] = barra;
  }
  connect(barras_[0], &QScrollBar::valueChanged, this, [this](int v) {
    app_.Despachar({Accion::MoverCasillas, v});
  });
  connect(barras_[1], &QScrollBar::valueChanged, this, [this](int v) {
    app_.Despachar({Accion::MoverIntentos, v});
  });
  connect(barras_[2], &QScrollBar::valueChanged, this, [this](int v) {
    app_.Despachar({Accion::MoverFichas, v});
  });

  QGroupBox* jugar = Marco(this, "Frame2", QStringLiteral("Jugar con:"), 120, 1200, 1335, 1095);
  jugarCon_[0] = Opcion(jugar, QStringLiteral("Option3(0)"), QStringLiteral("Letras."), 240, 855);
  jugarCon_[1] = Opcion(jugar, QStringLiteral("Option3(1)"), QStringLiteral("Números."), 480, 975);
  jugarCon_[2] = Opcion(jugar, QStringLiteral("Option3(2)"), QStringLiteral("Vacío."), 720, 855);
  QGroupBox* colores = Marco(this, "Frame5", QStringLiteral("Colores:"), 1680, 1320, 1095, 975);
  colores_[0] = Opcion(colores, QStringLiteral("Option2(0)"), QStringLiteral("Si."), 240, 735);
  colores_[1] = Opcion(colores, QStringLiteral("Option2(1)"), QStringLiteral("No."), 600, 615);
  QGroupBox* repetidos = Marco(this, "Frame1", QStringLiteral("Repetidos:"), 3000, 1320, 1095, 975);
  repetidos_[0] = Opcion(repetidos, QStringLiteral("Option1(0)"), QStringLiteral("Si."), 240, 735);
  repetidos_[1] = Opcion(repetidos, QStringLiteral("Option1(1)"), QStringLiteral("No."), 600, 615);
  for (int i = 0; i < 3; ++i) {
    connect(jugarCon_[static_cast<std::size_t>(i)], &QRadioButton::clicked, this, [this, i] {
      app_.Despachar({Accion::ElegirJugarCon, i});
    });
  }
  for (int i = 0; i < 2; ++i) {
    connect(colores_[static_cast<std::size_t>(i)], &QRadioButton::clicked, this, [this, i] {
      app_.Despachar({Accion::ElegirColores, i});
    });
    connect(repetidos_[static_cast<std::size_t>(i)], &QRadioButton::clicked, this, [this, i] {
      app_.Despachar({Accion::ElegirRepetidos, i});
    });
  }

  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setObjectName(QStringLiteral("Command1"));
  ok_->setDefault(true);
  Colocar(ok_, 3720, 240, 375, 855);
  connect(ok_, &QPushButton::clicked, this, [this] { app_.Despachar({Accion::AceptarOpciones}); });

  // The keyboard goes through the dialog as it reads: the sliders left to right, the option
  // groups, then "OK".
  QWidget* orden[] = {barras_[0],    barras_[1],    barras_[2],  jugarCon_[0],
                      jugarCon_[1],  jugarCon_[2],  colores_[0], colores_[1],
                      repetidos_[0], repetidos_[1], ok_};
  for (std::size_t i = 1; i < std::size(orden); ++i) {
    setTabOrder(orden[i - 1], orden[i]);
  }
}

void DialogoOpciones::Mostrar() {
  Refrescar();
  if (app_.juego().partida().opcionesAbiertas) {
    exec();
  }
}

void DialogoOpciones::Sincronizar() {
  if (!isVisible()) {
    return;
  }
  if (!app_.juego().partida().opcionesAbiertas) {
    hide();  // ends the modal showing
    return;
  }
  Refrescar();
}

void DialogoOpciones::Refrescar() {
  const Ajustes& a = app_.juego().partida().ajustes;
  const int valores[3][3] = {{Ajustes::kMinCasillas, Ajustes::kMaxCasillas, a.Casillas()},
                             {Ajustes::kMinIntentos, Ajustes::kMaxIntentos, a.Intentos()},
                             {a.MinFichas(), a.LimiteFichas(), a.Fichas()}};
  for (std::size_t i = 0; i < 3; ++i) {
    const QSignalBlocker bloqueo(barras_[i]);
    barras_[i]->setRange(valores[i][0], valores[i][1]);
    barras_[i]->setValue(valores[i][2]);
    lecturas_[i]->setText(QString::number(valores[i][2]));
  }
  auto marcar = [](auto& grupo, int elegido) {
    for (std::size_t i = 0; i < grupo.size(); ++i) {
      const QSignalBlocker bloqueo(grupo[i]);
      grupo[i]->setChecked(static_cast<int>(i) == elegido);
    }
  };
  marcar(repetidos_, a.IndiceRepetidos());
  marcar(colores_, a.IndiceColores());
  marcar(jugarCon_, a.IndiceJugarCon());
}

void DialogoOpciones::reject() {
  // Closed without "OK": the settings go back to those in force when it was opened.
  app_.Despachar({Accion::CerrarOpciones});
  if (isVisible()) {
    QDialog::reject();
  }
}

void DialogoOpciones::showEvent(QShowEvent* evento) {
  QDialog::showEvent(evento);
  app_.Despachar({Accion::ActivarOpciones});
}

void DialogoOpciones::changeEvent(QEvent* evento) {
  QDialog::changeEvent(evento);
  if (evento->type() == QEvent::ActivationChange && isActiveWindow()) {
    app_.Despachar({Accion::ActivarOpciones});
  }
}

}  // namespace quorbel
