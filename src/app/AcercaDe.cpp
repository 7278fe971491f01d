#include "AcercaDe.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "Aplicacion.h"
#include "Dibujos.h"
#include "PlataformaQt.h"
#include "VentanaPrincipal.h"

namespace quorbel {

namespace {

QFont Fuente(const QString& familia, double puntos, bool negrita = false) {
  QFont fuente(familia);
  fuente.setStyleHint(QFont::SansSerif);
  fuente.setPixelSize(static_cast<int>(std::lround(puntos * 96.0 / 72.0)));
  fuente.setBold(negrita);
  return fuente;
}

// Places a label at its twip geometry, on the black ground, widened when its text would not
// fit but never past the box's right edge.
template <typename Etiqueta = QLabel>
Etiqueta* Texto(QWidget* caja, const char* nombre, const QString& texto, Color color,
                const QFont& fuente, double left, double top, double width, double height) {
  auto* etiqueta = new Etiqueta(texto, caja);
  etiqueta->setObjectName(QString::fromLatin1(nombre));
  etiqueta->setFont(fuente);
  QPalette paleta = etiqueta->palette();
  paleta.setColor(QPalette::WindowText, AQColor(color));
  etiqueta->setPalette(paleta);
  etiqueta->setGeometry(Px(left), Px(top), Px(width), Px(height));
  const int cabe = caja->width() - etiqueta->x() - 4;
  etiqueta->resize(std::clamp(etiqueta->sizeHint().width(), etiqueta->width(), cabe),
                   std::max(etiqueta->height(), etiqueta->sizeHint().height()));
  return etiqueta;
}

}  // namespace

void Enlace::mousePressEvent(QMouseEvent* evento) {
  evento->accept();
  emit pulsado();
}

void Enlace::mouseMoveEvent(QMouseEvent* evento) {
  evento->accept();
  emit encima();
}

AcercaDe::AcercaDe(Aplicacion& app, QWidget* padre) : QDialog(padre, kBotonesDialogo), app_(app) {
  setObjectName(QStringLiteral("FormBrunvald"));
  setModal(true);
  setFixedSize(Px(4260), Px(6300));
  setMouseTracking(true);
  QPalette paleta = palette();
  paleta.setColor(QPalette::Window, Qt::black);
  setPalette(paleta);
  setAutoFillBackground(true);

  // Title and icon come from the main window each time the box is shown.
  const VentanaPrincipal& principal = app_.principal();
  setWindowTitle(QStringLiteral("Acerca de Quorbel"));
  auto* icono = new QLabel(this);
  icono->setObjectName(QStringLiteral("imgIcono"));
  icono->setGeometry(Px(349), Px(180), Px(480), Px(480));
  icono->setPixmap(principal.windowIcon().pixmap(Px(480), Px(480)));
  const QString titulo = QString::fromStdString(app_.juego().principal().titulo);
  Texto(this, "lblTitulo", titulo, colores::kBlanco,
        Fuente(QStringLiteral("DejaVu Sans"), 12, true), 956, 180, 2955, 375);
  Texto(this, "lblCreadoPor", QStringLiteral("por el equipo de Quorbel"), colores::kBlanco,
        Fuente(QStringLiteral("DejaVu Sans"), 8.25), 956, 480, 2295, 255);
  auto* logo = new QLabel(this);
  logo->setObjectName(QStringLiteral("imgLogo"));
  logo->setGeometry(Px(405), Px(810), Px(3450), Px(3435));
  logo->setPixmap(DibujarLogo(logo->size()));

  const QFont pequena = Fuente(QStringLiteral("DejaVu Sans"), 8.25);
  const QFont enlace = Fuente(QStringLiteral("DejaVu Sans"), 9.75);
  Texto(this, "lblTexEmail", QStringLiteral("Email: "), colores::kGrisClaro, pequena, 1080, 4365,
        735, 255);
  enlaceCorreo_ = Texto<Enlace>(this, "lblMail", QString::fromLatin1(kCorreo), Color(0xFF9933),
                                enlace, 1605, 4350, 1575, 240);
  Texto(this, "lblTexWeb", QStringLiteral("Web:"), colores::kGrisClaro, pequena, 1095, 4635, 615,
        255);
  enlaceWeb_ = Texto<Enlace>(this, "lblURL", QString::fromLatin1(kWeb), Color(0xFF9933), enlace,
                             1635, 4605, 1485, 240);
  for (QLabel* e : {enlaceCorreo_, enlaceWeb_}) {
    e->setCursor(Qt::PointingHandCursor);
    e->setMouseTracking(true);
  }
  auto abrir = [this](const QString& direccion) {
    app_.plataforma().Abrir(direccion.toStdString());
  };
  auto* mail = static_cast<Enlace*>(enlaceCorreo_);
  auto* url = static_cast<Enlace*>(enlaceWeb_);
  connect(mail, &Enlace::pulsado, this, [=] { abrir(QStringLiteral("mailto:") + mail->text()); });
  connect(url, &Enlace::pulsado, this, [=] { abrir(QStringLiteral("http://") + url->text()); });
  connect(mail, &Enlace::encima, this, [this] { Subrayar(enlaceCorreo_); });
  connect(url, &Enlace::encima, this, [this] { Subrayar(enlaceWeb_); });

  QLabel* texto =
      Texto(this, "lblTexto",
            QStringLiteral("Quorbel es un juego libre: puedes copiarlo, regalarlo y "
                           "compartirlo con quien quieras, siempre que lo hagas "
                           "sin cobrar por él y sin quitar este aviso."),
            colores::kGrisClaro, Fuente(QStringLiteral("DejaVu Sans"), 9), 240, 4980, 4185, 1005);
  texto->setWordWrap(true);
  texto->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  texto->setGeometry(Px(240), Px(4980), width() - 2 * Px(240), Px(1005));
  QLabel* click = Texto(this, "lblClick", QStringLiteral("[click para cerrar]"),
                        Color::Rgb(255, 255, 192), pequena, 2805, 5955, 1320, 210);
  click->setAlignment(Qt::AlignCenter);
  // Keep the whole hint inside the frame.
  const int ancho = click->sizeHint().width();
  click->setGeometry(std::min(click->x(), width() - ancho - 6), click->y(), ancho, click->height());
}

void AcercaDe::Subrayar(QLabel* enlace) {
  for (QLabel* e : {enlaceCorreo_, enlaceWeb_}) {
    QFont f = e->font();
    f.setUnderline(e == enlace);
    e->setFont(f);
  }
}

void AcercaDe::mousePressEvent(QMouseEvent*) {
  accept();
}

void AcercaDe::mouseMoveEvent(QMouseEvent*) {
  Subrayar(nullptr);
}

void AcercaDe::keyPressEvent(QKeyEvent* evento) {
  const QString texto = evento->text();
  if (!texto.isEmpty()) {
    accept();
    return;
  }
  QDialog::keyPressEvent(evento);
}

void AcercaDe::paintEvent(QPaintEvent* evento) {
  QDialog::paintEvent(evento);
  QPainter pintor(this);
  pintor.setPen(QPen(Qt::white, 1));
  pintor.drawRect(rect().adjusted(0, 0, -1, -1));  // the white frame around the box
}

}  // namespace quorbel
