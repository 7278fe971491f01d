#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "Puntuacion.h"

namespace quorbel {

// A row the player sent, with the score it got.
struct FilaPuntuada {
  std::vector<int> piezas;
  Puntuacion puntuacion;
};

// How many codes are still possible, and one of them: what a hint tells.
struct Posibles {
  std::uint64_t cuenta = 0;  // exact when `exacta`; otherwise a certain lower bound
  bool exacta = true;
  std::vector<int> ejemplo;  // pieces 1..fichas, one for each position
};

// The codes of `casillas` pieces out of `fichas` (with or without repeats) that would have
// given every row its score. The search stops after `pasos` steps or `milisegundos` of time,
// whichever comes first; the count is then the codes found so far, fewer than there are.
// `azar` gives numbers in [0, 1) for choosing the example evenly among the codes counted.
Posibles ContarPosibles(int casillas, int fichas, bool repetidos,
                        std::span<const FilaPuntuada> filas, const std::function<double()>& azar,
                        std::uint64_t pasos = 4'000'000, int milisegundos = 80);

}  // namespace quorbel
