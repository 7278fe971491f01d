#include "VentanaPrincipal.h"

#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include "Aplicacion.h"
#include "Dibujos.h"
#include "Teclado.h"
#include "Teclas.h"
#include "VentanaFichas.h"
#include "VistaTablero.h"

namespace quorbel {

namespace {

void Recoger(const RegistroPrincipal& f, std::vector<Pieza>& piezas) {
  for (const Elemento* e : {&f.fondoTablero, &f.fondoPaleta, &f.reloj, &f.marcoPaleta, &f.cursor}) {
    piezas.push_back({e});
  }
  auto matriz = [&](const Matriz& m, Objetivo objetivo) {
    for (int i = 1; i < m.Cuenta(); ++i) {
      piezas.push_back({&m[i], objetivo, i});
    }
  };
  matriz(f.casillas, Objetivo::Casilla);
  matriz(f.paleta, Objetivo::Ficha);
  for (const Matriz* m : {&f.puntuaciones, &f.muertos, &f.tocados, &f.cruces, &f.anillos}) {
    matriz(*m, Objetivo::Ninguno);
  }
}

}  // namespace

VentanaPrincipal::VentanaPrincipal(Aplicacion& app)
    : QMainWindow(nullptr, kBotonesPrincipal), app_(app) {
  setObjectName(QStringLiteral("Form1"));
  const Juego& juego = app_.juego();
  vista_ = new VistaTablero(
      [this](std::vector<Pieza>& p) { Recoger(app_.juego().partida().principal, p); },
      [&juego] { return juego.partida().principal.fondo; }, this);
  vista_->setObjectName(QStringLiteral("Tablero"));
  // The board keeps the keyboard, so that typing always plays.
  vista_->setFocusPolicy(Qt::StrongFocus);
  vista_->setFocus();
  vista_->installEventFilter(this);
  vista_->ayuda = [this](const Pieza& p) {
    const Partida& partida = app_.juego().partida();
    const std::string tecla = TeclaDeFicha(partida.ajustes.Jugar(), p.indice);
    return p.objetivo == Objetivo::Ficha && !tecla.empty()
               ? QStringLiteral("Tecla: ") + QString::fromStdString(tecla)
               : QString();
  };
  setCentralWidget(vista_);
  connect(vista_, &VistaTablero::pulsado, this, [this](Objetivo objetivo, int i, int boton) {
    app_.Despachar([&](Juego& j) {
      if (objetivo == Objetivo::Casilla) {
        j.PulsarCasilla(i, boton);
      } else if (objetivo == Objetivo::Ficha) {
        j.PulsarFicha(i, boton);
      }
    });
  });
  connect(vista_, &VistaTablero::movido, this, [this](Objetivo objetivo, int i) {
    if (objetivo == Objetivo::Ficha) {
      app_.Despachar([&](Juego& j) { j.PasarSobreFicha(i); });
    }
  });

  ok_ = new QPushButton(QStringLiteral("OK"), vista_);
  ok_->setObjectName(QStringLiteral("Command1"));
  ok_->setGeometry(Px(5040), Px(120), Px(855), Px(375));
  ok_->setFocusPolicy(Qt::NoFocus);  // Return belongs to the board
  connect(ok_, &QPushButton::clicked, this,
          [this] { app_.Despachar([](Juego& j) { j.Enviar(); }); });

  temporizador_ = new QTimer(this);
  temporizador_->setObjectName(QStringLiteral("Timer1"));
  connect(temporizador_, &QTimer::timeout, this,
          [this] { app_.Despachar([](Juego& j) { j.Tic(); }); });

  QMenuBar* barra = menuBar();
  QMenu* juegoMenu = barra->addMenu(QStringLiteral("&Juego"));
  juegoMenu->setObjectName(QStringLiteral("MnuJuego"));
  Item(juegoMenu, "MnuNew", QStringLiteral("&Nuevo"), [](Juego& j) {
    j.Nuevo();
  })->setShortcut(QKeySequence::New);
  Item(juegoMenu, "MnuOpcion", QStringLiteral("&Opciones"), [](Juego& j) { j.AbrirOpciones(); });
  Item(juegoMenu, "MnuCambiar", QStringLiteral("&Cambiar color"),
       [](Juego& j) { j.CambiarColor(); });
  juegoMenu->addSeparator();
  pista_ = Item(juegoMenu, "MnuPista", QStringLiteral("&Pista"), [](Juego& j) { j.PedirPista(); });
  pista_->setShortcut(QKeySequence(QStringLiteral("Ctrl+H")));
  Item(juegoMenu, "MnuTiempos", QStringLiteral("&Mejores tiempos"),
       [](Juego& j) { j.VerMejoresTiempos(); });
  QMenu* resultados = barra->addMenu(QStringLiteral("&Resultados"));
  resultados->setObjectName(QStringLiteral("MnuAcierto"));
  verSimbolos_ =
      Item(resultados, "MnuSimbol", QStringLiteral("&Símbolos"), [](Juego& j) { j.VerSimbolos(); });
  verTexto_ =
      Item(resultados, "MnuTexto", QStringLiteral("&Texto"), [](Juego& j) { j.VerTexto(); });
  QAction* recupera = barra->addAction(QStringLiteral("R&ecuperar"));
  recupera->setObjectName(QStringLiteral("MnuRecupera"));
  connect(recupera, &QAction::triggered, this,
          [this] { app_.Despachar([](Juego& j) { j.Recuperar(); }); });
  QAction* soluc = barra->addAction(QStringLiteral("&Solución"));
  soluc->setObjectName(QStringLiteral("MnuSoluc"));
  connect(soluc, &QAction::triggered, this,
          [this] { app_.Despachar([](Juego& j) { j.VerSolucion(); }); });

  // "Quitar" never shows in the menu bar: it is the palette's context menu.
  menuQuitar_ = new QMenu(QStringLiteral("Quitar"), this);
  menuQuitar_->setObjectName(QStringLiteral("MnuQuit"));
  Item(menuQuitar_, "MnuDescart", QStringLiteral("&Desechar"), [](Juego& j) { j.Desechar(); });
  Item(menuQuitar_, "MnuNoFijar", QStringLiteral("&No Fijar"), [](Juego& j) { j.NoFijar(); });

  QMenu* ayuda = barra->addMenu(QStringLiteral("&Ayuda"));
  ayuda->setObjectName(QStringLiteral("MnuHelpp"));
  Item(ayuda, "MnuHelp", QStringLiteral("Como &Jugar"), [](Juego& j) {
    j.ComoJugar();
  })->setShortcut(QKeySequence::HelpContents);
  Item(ayuda, "MnuInfo", QStringLiteral("&Acerca de..."), [](Juego& j) { j.VerAcercaDe(); });
}

bool VentanaPrincipal::eventFilter(QObject* objeto, QEvent* evento) {
  if (objeto == vista_ && evento->type() == QEvent::KeyPress &&
      Tecla(*static_cast<QKeyEvent*>(evento))) {
    return true;
  }
  return QMainWindow::eventFilter(objeto, evento);
}

// A key does what the equivalent press of the mouse does, through the same handler.
bool VentanaPrincipal::Tecla(const QKeyEvent& evento) {
  const Partida& p = app_.juego().partida();
  const int actual = p.CasillaActual;
  const int primera = (p.FilaActual - 1) * p.NumCasillas + 1;
  auto pulsarCasilla = [this](int casilla, int boton) {
    app_.Despachar([=](Juego& j) { j.PulsarCasilla(casilla, boton); });
  };
  switch (evento.key()) {
    case Qt::Key_Left:
      pulsarCasilla(actual - 1, kBotonIzquierdo);
      return true;
    case Qt::Key_Right:
      pulsarCasilla(actual + 1, kBotonIzquierdo);
      return true;
    case Qt::Key_Home:
      pulsarCasilla(primera, kBotonIzquierdo);
      return true;
    case Qt::Key_End:
      pulsarCasilla(primera + p.NumCasillas - 1, kBotonIzquierdo);
      return true;
    case Qt::Key_Space:
      pulsarCasilla(actual, kBotonDerecho);
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (ok_->isEnabled()) {
        ok_->click();
      }
      return true;
    case Qt::Key_Escape:
      app_.ventanaFichas().close();
      return true;
    default:
      break;
  }
  const int ficha = FichaDeTecla(p.ajustes.Jugar(), p.NumFichas, CaracterDeTecla(evento));
  if (ficha == 0 || !p.principal.paleta[ficha].visible ||
      (evento.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier))) {
    return false;  // a discarded piece, or a key the game does not use
  }
  const bool menu = evento.modifiers() & Qt::ShiftModifier;
  fichaDelMenu_ = menu ? ficha : 0;
  app_.Despachar([=](Juego& j) { j.PulsarFicha(ficha, menu ? kBotonDerecho : kBotonIzquierdo); });
  fichaDelMenu_ = 0;
  return true;
}

QPoint VentanaPrincipal::PuntoMenuQuitar() {
  const Matriz& paleta = app_.juego().partida().principal.paleta;
  if (!paleta.Existe(fichaDelMenu_)) {
    return QCursor::pos();
  }
  return vista_->mapToGlobal(Rectangulo(paleta[fichaDelMenu_]).bottomLeft());
}

QAction* VentanaPrincipal::Item(QMenu* menu, const char* nombre, const QString& texto,
                                void (*manejador)(Juego&)) {
  QAction* accion = menu->addAction(texto);
  accion->setObjectName(QString::fromLatin1(nombre));
  connect(accion, &QAction::triggered, this, [this, manejador] { app_.Despachar(manejador); });
  return accion;
}

void VentanaPrincipal::Sincronizar() {
  const RegistroPrincipal& f = app_.juego().partida().principal;
  setWindowTitle(QString::fromStdString(f.titulo));
  const QSize cliente(Px(RegistroPrincipal::kAnchoCliente), Px(f.AltoCliente()));
  if (vista_->size() != cliente) {
    vista_->setFixedSize(cliente);
    setFixedSize(cliente.width(), cliente.height() + menuBar()->sizeHint().height());
  }
  // Every new board puts the window back at the height it computed, even an unchanged one.
  if (f.tablerosConstruidos != tablerosColocados_) {
    tablerosColocados_ = f.tablerosConstruidos;
    move(x(), Px(f.arriba));
  }
  ok_->setEnabled(f.okHabilitado);
  verSimbolos_->setEnabled(f.simbolosHabilitado);
  verTexto_->setEnabled(f.textoHabilitado);
  pista_->setEnabled(app_.juego().FilaEnJuego());  // from the deal until won or lost
  if (f.intervaloReloj <= 0) {
    temporizador_->stop();
  } else if (!temporizador_->isActive() || temporizador_->interval() != f.intervaloReloj) {
    temporizador_->start(f.intervaloReloj);
  }
  vista_->update();
}

void VentanaPrincipal::closeEvent(QCloseEvent* evento) {
  app_.Despachar([](Juego& j) { j.Salir(); });
  evento->accept();
}

}  // namespace quorbel
