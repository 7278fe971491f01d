#include "VentanaPrincipal.h"

#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include "Aplicacion.h"
#include "Dibujos.h"
#include "EstiloTeclas.h"
#include "Teclado.h"
#include "VentanaFichas.h"
#include "VistaTablero.h"

namespace quorbel {

namespace {

void Recoger(const RegistroPrincipal& f, std::vector<Dibujable>& piezas) {
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
  vista_ =
      new VistaTablero([this](std::vector<Dibujable>& p) { Recoger(app_.juego().principal(), p); },
                       [this] { return app_.juego().principal().fondo; }, this);
  vista_->setObjectName(QStringLiteral("Tablero"));
  // The board keeps the keyboard, so that typing always plays.
  vista_->setFocusPolicy(Qt::StrongFocus);
  vista_->setFocus();
  vista_->installEventFilter(this);
  vista_->ayuda = [this](const Dibujable& p) {
    const std::string tecla = TeclaDeFicha(app_.juego().partida().jugar, p.indice);
    return p.objetivo == Objetivo::Ficha && !tecla.empty()
               ? QStringLiteral("Tecla: ") + QString::fromStdString(tecla)
               : QString();
  };
  setCentralWidget(vista_);
  connect(vista_, &VistaTablero::pulsado, this, [this](Objetivo objetivo, int i, int boton) {
    if (objetivo == Objetivo::Casilla || objetivo == Objetivo::Ficha) {
      app_.Despachar(
          {objetivo == Objetivo::Casilla ? Accion::PulsarCasilla : Accion::PulsarFicha, i, boton});
    }
  });
  connect(vista_, &VistaTablero::movido, this, [this](Objetivo objetivo, int i) {
    if (objetivo == Objetivo::Ficha) {
      app_.Despachar({Accion::PasarSobreFicha, i});
    }
  });

  ok_ = new QPushButton(QStringLiteral("OK"), vista_);
  ok_->setObjectName(QStringLiteral("Command1"));
  ok_->setGeometry(Px(5040), Px(120), Px(855), Px(375));
  ok_->setFocusPolicy(Qt::NoFocus);  // Return belongs to the board
  connect(ok_, &QPushButton::clicked, this, [this] { app_.Despachar({Accion::Enviar}); });

  temporizador_ = new QTimer(this);
  temporizador_->setObjectName(QStringLiteral("Timer1"));
  connect(temporizador_, &QTimer::timeout, this, [this] { app_.Despachar({Accion::Tic}); });

  QMenuBar* barra = menuBar();
  QMenu* juegoMenu = barra->addMenu(QStringLiteral("&Juego"));
  juegoMenu->setObjectName(QStringLiteral("MnuJuego"));
  Item(juegoMenu, "MnuNew", QStringLiteral("&Nuevo"), Accion::Nuevo)
      ->setShortcut(QKeySequence::New);
  Item(juegoMenu, "MnuOpcion", QStringLiteral("&Opciones"), Accion::AbrirOpciones);
  Item(juegoMenu, "MnuCambiar", QStringLiteral("&Cambiar color"), Accion::CambiarColor);
  juegoMenu->addSeparator();
  pista_ = Item(juegoMenu, "MnuPista", QStringLiteral("&Pista"), Accion::PedirPista);
  pista_->setShortcut(QKeySequence(QStringLiteral("Ctrl+H")));
  Item(juegoMenu, "MnuTiempos", QStringLiteral("&Mejores tiempos"), Accion::VerMejoresTiempos);
  // Takes back the current row's moves, one a press.
  deshacer_ = Item(juegoMenu, "MnuDeshacer", QStringLiteral("&Deshacer"), Accion::Deshacer);
  deshacer_->setShortcut(QKeySequence::Undo);
  QMenu* resultados = barra->addMenu(QStringLiteral("&Resultados"));
  resultados->setObjectName(QStringLiteral("MnuAcierto"));
  verSimbolos_ = Item(resultados, "MnuSimbol", QStringLiteral("&Símbolos"), Accion::VerSimbolos);
  verTexto_ = Item(resultados, "MnuTexto", QStringLiteral("&Texto"), Accion::VerTexto);
  QAction* recupera = barra->addAction(QStringLiteral("R&ecuperar"));
  recupera->setObjectName(QStringLiteral("MnuRecupera"));
  connect(recupera, &QAction::triggered, this, [this] { app_.Despachar({Accion::Recuperar}); });
  QAction* soluc = barra->addAction(QStringLiteral("&Solución"));
  soluc->setObjectName(QStringLiteral("MnuSoluc"));
  connect(soluc, &QAction::triggered, this, [this] { app_.Despachar({Accion::VerSolucion}); });

  // "Quitar" never shows in the menu bar: it is the palette's context menu.
  menuQuitar_ = new QMenu(QStringLiteral("Quitar"), this);
  menuQuitar_->setObjectName(QStringLiteral("MnuQuit"));
  Item(menuQuitar_, "MnuDescart", QStringLiteral("&Desechar"), Accion::Desechar);
  Item(menuQuitar_, "MnuNoFijar", QStringLiteral("&No Fijar"), Accion::NoFijar);

  QMenu* ayuda = barra->addMenu(QStringLiteral("&Ayuda"));
  ayuda->setObjectName(QStringLiteral("MnuHelpp"));
  Item(ayuda, "MnuHelp", QStringLiteral("Como &Jugar"), Accion::ComoJugar)
      ->setShortcut(QKeySequence::HelpContents);
  Item(ayuda, "MnuInfo", QStringLiteral("&Acerca de..."), Accion::VerAcercaDe);
}

bool VentanaPrincipal::eventFilter(QObject* objeto, QEvent* evento) {
  if (objeto == vista_ && evento->type() == QEvent::KeyPress &&
      LeerTecla(*static_cast<QKeyEvent*>(evento))) {
    return true;
  }
  return QMainWindow::eventFilter(objeto, evento);
}

// A key makes the move that the equivalent press of the mouse makes.
bool VentanaPrincipal::LeerTecla(const QKeyEvent& evento) {
  static const std::pair<int, Tecla> kTeclas[] = {
      {Qt::Key_Left, Tecla::Izquierda}, {Qt::Key_Right, Tecla::Derecha},
      {Qt::Key_Home, Tecla::Inicio},    {Qt::Key_End, Tecla::Fin},
      {Qt::Key_Space, Tecla::Espacio},  {Qt::Key_Return, Tecla::Intro},
      {Qt::Key_Enter, Tecla::Intro}};
  const Estado& e = app_.juego().partida();
  if (evento.key() == Qt::Key_Escape) {
    app_.ventanaFichas().close();
    return true;
  }
  for (const auto& [qt, tecla] : kTeclas) {
    if (evento.key() == qt) {
      if (const auto movimiento = MovimientoDeTecla(e, tecla)) {
        app_.Despachar(*movimiento);
      }
      return true;
    }
  }
  if (evento.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) {
    return false;  // a key the game does not use
  }
  const bool menu = evento.modifiers() & Qt::ShiftModifier;
  const auto movimiento = MovimientoDeTecla(e, Tecla::Caracter, CaracterDeTecla(evento), menu);
  if (!movimiento) {
    return false;
  }
  fichaDelMenu_ = menu ? movimiento->valor : 0;
  app_.Despachar(*movimiento);
  fichaDelMenu_ = 0;
  return true;
}

QPoint VentanaPrincipal::PuntoMenuQuitar() {
  const Matriz& paleta = app_.juego().principal().paleta;
  if (!paleta.Existe(fichaDelMenu_)) {
    return QCursor::pos();
  }
  return vista_->mapToGlobal(Rectangulo(paleta[fichaDelMenu_]).bottomLeft());
}

QAction* VentanaPrincipal::Item(QMenu* menu, const char* nombre, const QString& texto,
                                Accion accion) {
  QAction* item = menu->addAction(texto);
  item->setObjectName(QString::fromLatin1(nombre));
  connect(item, &QAction::triggered, this, [this, accion] { app_.Despachar({accion}); });
  return item;
}

void VentanaPrincipal::Sincronizar() {
  const RegistroPrincipal& f = app_.juego().principal();
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
  deshacer_->setEnabled(f.deshacerHabilitado);
  if (f.intervaloReloj <= 0) {
    temporizador_->stop();
  } else if (!temporizador_->isActive() || temporizador_->interval() != f.intervaloReloj) {
    temporizador_->start(f.intervaloReloj);
  }
  vista_->update();
}

void VentanaPrincipal::closeEvent(QCloseEvent* evento) {
  app_.Despachar({Accion::Salir});
  evento->accept();
}

}  // namespace quorbel
