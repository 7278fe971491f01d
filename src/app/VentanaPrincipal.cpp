#include "VentanaPrincipal.h"

#include <QCloseEvent>
#include <QIcon>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include "Aplicacion.h"
#include "Dibujos.h"
#include "VistaTablero.h"

namespace quorbel {

namespace {

void Recoger(const Form1& f, std::vector<Pieza>& piezas) {
  for (const Elemento* e : {&f.Label1, &f.Label5, &f.Label6, &f.Shape1, &f.Shape2}) {
    piezas.push_back({e});
  }
  auto matriz = [&](const Matriz& m, Objetivo objetivo) {
    for (int i = 1; i < m.Count(); ++i) {
      piezas.push_back({&m[i], objetivo, i});
    }
  };
  matriz(f.Label2, Objetivo::Celda);
  matriz(f.Label4, Objetivo::Ficha);
  for (const Matriz* m : {&f.Label3, &f.Shape3, &f.Shape4, &f.Image1, &f.Image2}) {
    matriz(*m, Objetivo::Ninguno);
  }
}

}  // namespace

VentanaPrincipal::VentanaPrincipal(Aplicacion& app) : app_(app) {
  setObjectName(QStringLiteral("Form1"));
  setWindowIcon(QIcon(DibujarIcono(32)));
  const Juego& juego = app_.juego();
  vista_ = new VistaTablero([this](std::vector<Pieza>& p) { Recoger(app_.juego().form1, p); },
                            [&juego] { return juego.form1.fondo; }, this);
  vista_->setObjectName(QStringLiteral("Tablero"));
  setCentralWidget(vista_);
  connect(vista_, &VistaTablero::pulsado, this, [this](Objetivo objetivo, int i, int boton) {
    app_.Despachar([&](Juego& j) {
      if (objetivo == Objetivo::Celda) {
        j.Label2_MouseDown(i, boton);
      } else if (objetivo == Objetivo::Ficha) {
        j.Label4_MouseDown(i, boton);
      }
    });
  });
  connect(vista_, &VistaTablero::movido, this, [this](Objetivo objetivo, int i) {
    if (objetivo == Objetivo::Ficha) {
      app_.Despachar([&](Juego& j) { j.Label4_MouseMove(i); });
    }
  });

  command1_ = new QPushButton(QStringLiteral("OK"), vista_);
  command1_->setObjectName(QStringLiteral("Command1"));
  command1_->setGeometry(Px(5040), Px(120), Px(855), Px(375));
  command1_->setFocusPolicy(Qt::TabFocus);
  connect(command1_, &QPushButton::clicked, this,
          [this] { app_.Despachar([](Juego& j) { j.Command1_Click(); }); });

  timer1_ = new QTimer(this);
  timer1_->setObjectName(QStringLiteral("Timer1"));
  connect(timer1_, &QTimer::timeout, this,
          [this] { app_.Despachar([](Juego& j) { j.Timer1_Timer(); }); });

  QMenuBar* barra = menuBar();
  QMenu* juegoMenu = barra->addMenu(QStringLiteral("Juego"));
  juegoMenu->setObjectName(QStringLiteral("MnuJuego"));
  Item(juegoMenu, "MnuNew", QStringLiteral("Nuevo"), [](Juego& j) { j.MnuNew_Click(); });
  Item(juegoMenu, "MnuOpcion", QStringLiteral("Opciones"), [](Juego& j) { j.MnuOpcion_Click(); });
  Item(juegoMenu, "MnuCambiar", QStringLiteral("Cambiar color"),
       [](Juego& j) { j.MnuCambiar_Click(); });
  QMenu* resultados = barra->addMenu(QStringLiteral("Resultados"));
  resultados->setObjectName(QStringLiteral("MnuAcierto"));
  mnuSimbol_ = Item(resultados, "MnuSimbol", QStringLiteral("Símbolos"),
                    [](Juego& j) { j.MnuSimbol_Click(); });
  mnuTexto_ =
      Item(resultados, "MnuTexto", QStringLiteral("Texto"), [](Juego& j) { j.MnuTexto_Click(); });
  QAction* recupera = barra->addAction(QStringLiteral("Recuperar"));
  recupera->setObjectName(QStringLiteral("MnuRecupera"));
  connect(recupera, &QAction::triggered, this,
          [this] { app_.Despachar([](Juego& j) { j.MnuRecupera_Click(); }); });
  QAction* soluc = barra->addAction(QStringLiteral("Solución"));
  soluc->setObjectName(QStringLiteral("MnuSoluc"));
  connect(soluc, &QAction::triggered, this,
          [this] { app_.Despachar([](Juego& j) { j.MnuSoluc_Click(); }); });

  // "Quitar" never shows in the menu bar: it is the palette's context menu.
  menuQuitar_ = new QMenu(QStringLiteral("Quitar"), this);
  menuQuitar_->setObjectName(QStringLiteral("MnuQuit"));
  Item(menuQuitar_, "MnuDescart", QStringLiteral("Desechar"),
       [](Juego& j) { j.MnuDescart_Click(); });
  Item(menuQuitar_, "MnuNoFijar", QStringLiteral("No Fijar"),
       [](Juego& j) { j.MnuNoFijar_Click(); });

  QMenu* ayuda = barra->addMenu(QStringLiteral("Ayuda"));
  ayuda->setObjectName(QStringLiteral("MnuHelpp"));
  Item(ayuda, "MnuHelp", QStringLiteral("Como Jugar"), [](Juego& j) { j.MnuHelp_Click(); });
  Item(ayuda, "MnuInfo", QStringLiteral("Acerca de..."), [](Juego& j) { j.MnuInfo_Click(); });
}

QAction* VentanaPrincipal::Item(QMenu* menu, const char* nombre, const QString& texto,
                                void (*manejador)(Juego&)) {
  QAction* accion = menu->addAction(texto);
  accion->setObjectName(QString::fromLatin1(nombre));
  connect(accion, &QAction::triggered, this, [this, manejador] { app_.Despachar(manejador); });
  return accion;
}

void VentanaPrincipal::Sincronizar() {
  const Form1& f = app_.juego().form1;
  setWindowTitle(QString::fromStdString(f.caption));
  const QSize cliente(Px(Form1::kAnchoCliente), Px(f.AltoCliente()));
  if (vista_->size() != cliente) {
    vista_->setFixedSize(cliente);
    setFixedSize(cliente.width(), cliente.height() + menuBar()->sizeHint().height());
  }
  if (f.top != topAplicado_) {
    topAplicado_ = f.top;
    move(x(), Px(f.top));
  }
  command1_->setEnabled(f.Command1Enabled);
  mnuSimbol_->setEnabled(f.MnuSimbolEnabled);
  mnuTexto_->setEnabled(f.MnuTextoEnabled);
  if (f.Timer1Interval <= 0) {
    timer1_->stop();
  } else if (!timer1_->isActive() || timer1_->interval() != f.Timer1Interval) {
    timer1_->start(f.Timer1Interval);
  }
  vista_->update();
}

void VentanaPrincipal::closeEvent(QCloseEvent* evento) {
  app_.Despachar([](Juego& j) { j.Form_Unload(); });
  evento->accept();
}

}  // namespace quorbel
