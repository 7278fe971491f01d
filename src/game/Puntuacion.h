#pragma once

#include <span>
#include <vector>

namespace quorbel {

// The most pieces a game can have: the letters "A" to "Z".
inline constexpr int kMaxFichas = 26;

// The score of a row: right pieces in the right place (muertos) and right pieces in a wrong
// place (tocados).
struct Puntuacion {
  int muertos = 0;
  int tocados = 0;
  friend bool operator==(const Puntuacion&, const Puntuacion&) = default;
};

// A row the player sent, with the score it got.
struct FilaPuntuada {
  std::vector<int> piezas;
  Puntuacion puntuacion;
};

// Scores a row against a solution of the same length, both as piece numbers 1..kMaxFichas.
// Every position of either counts at most once: a piece that stands twice in the row but once
// in the solution is right only once. A 0 in the row (no piece) never matches.
Puntuacion ContarAciertos(std::span<const int> solucion, std::span<const int> fila);

}  // namespace quorbel
