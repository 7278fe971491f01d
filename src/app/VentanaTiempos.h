#pragma once

#include <QDialog>

#include "Juego.h"

namespace quorbel {

// The ten best times of a kind of game, fastest first, the one just entered highlighted, or a
// line saying it could not be kept.
class VentanaTiempos : public QDialog {
  Q_OBJECT
 public:
  VentanaTiempos(const Estado& partida, const TipoPartida& tipo, QWidget* padre);
};

}  // namespace quorbel
