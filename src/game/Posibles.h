#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "Puntuacion.h"

namespace quorbel {

// How many codes are still possible, and one of them: what a hint tells.
struct Posibles {
  std::uint64_t cuenta = 0;  // exact when `exacta`; otherwise a certain lower bound
  bool exacta = true;
  std::vector<int> ejemplo;  // pieces 1..fichas, one for each position
  std::size_t memoria = 0;   // the most bytes the count held at once
};

// How a long count shares out its work: over `hilos` threads, once it has counted `aSolas`
// situations alone (none: shared from the start); shorter counts are over before a thread would
// start. Counted by groups, it goes over two threads once it has a few thousand groups. And how
// it tells apart the copies a piece leaves for positions that still matter: by where each may not
// go, or all alike, with sums that take back out the codes they should not give; the second is
// faster with few rows, the first with many, and left to choose, a count that runs out of room
// with the second goes on with the first. And the most situations it may keep before it gives
// up: some 300 MB of room.
unsigned HilosDisponibles();  // the machine's cores, up to four; asked once
enum class Promesas { SegunFilas, Vetadas, Sumadas };
struct Reparto {
  unsigned hilos = HilosDisponibles();
  std::size_t aSolas = 4096;
  Promesas promesas = Promesas::SegunFilas;
  std::size_t situaciones = std::size_t{1} << 22;
};

// The codes of `casillas` pieces out of `fichas` (with or without repeats) that would have
// given every row its score, counted exactly without listing them, and one of them drawn
// evenly with `azar`, which gives numbers in [0, 1). `alTardar` is told once when the count
// has taken a tenth of a second. Should it run past `milisegundos`, or past the room it may
// take, the count is a certain lower bound and the example a code that fits.
Posibles ContarPosibles(int casillas, int fichas, bool repetidos,
                        std::span<const FilaPuntuada> filas, const std::function<double()>& azar,
                        int milisegundos = 3000, const std::function<void()>& alTardar = {},
                        const Reparto& reparto = {});

// The same codes listed one by one, for at most `pasos` steps or `milisegundos` of time: exact
// while it finishes, and otherwise the codes found so far, fewer than there are.
Posibles BuscarPosibles(int casillas, int fichas, bool repetidos,
                        std::span<const FilaPuntuada> filas, const std::function<double()>& azar,
                        std::uint64_t pasos = 4'000'000, int milisegundos = 80);

}  // namespace quorbel
