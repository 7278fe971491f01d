// How long a hint takes on positions of random games: for each kind of game and number of
// rows sent, 25 positions, each a random solution and random rows scored against it.
// Counters: the slowest hint in milliseconds, and the share of counts that came out exact.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>

#include "Posibles.h"

namespace {

using namespace quorbel;

void Pistas(benchmark::State& estado) {
  const int casillas = static_cast<int>(estado.range(0));
  const int fichas = static_cast<int>(estado.range(1));
  const bool repetidos = estado.range(2) != 0;
  const int filas = static_cast<int>(estado.range(3));
  std::mt19937 motor(42);
  auto codigo = [&] {
    std::vector<int> c;
    while (static_cast<int>(c.size()) < casillas) {
      const int p = std::uniform_int_distribution<int>(1, fichas)(motor);
      if (repetidos || std::find(c.begin(), c.end(), p) == c.end()) {
        c.push_back(p);
      }
    }
    return c;
  };
  auto azar = [&] { return std::uniform_real_distribution<double>(0, 1)(motor); };
  double peor = 0;
  int exactas = 0, pistas = 0;
  for (auto _ : estado) {
    for (int posicion = 0; posicion < 25; ++posicion) {
      const std::vector<int> solucion = codigo();
      std::vector<FilaPuntuada> enviadas(static_cast<std::size_t>(filas));
      for (FilaPuntuada& f : enviadas) {
        f.piezas = codigo();
        f.puntuacion = ContarAciertos(solucion, f.piezas);
      }
      const auto inicio = std::chrono::steady_clock::now();
      const Posibles posibles = ContarPosibles(casillas, fichas, repetidos, enviadas, azar);
      const std::chrono::duration<double, std::milli> ms =
          std::chrono::steady_clock::now() - inicio;
      peor = std::max(peor, ms.count());
      exactas += posibles.exacta;
      ++pistas;
      benchmark::DoNotOptimize(posibles.cuenta);
    }
  }
  estado.counters["peor_ms"] = peor;
  estado.counters["exactas"] = static_cast<double>(exactas) / pistas;
}

void Casos(benchmark::internal::Benchmark* b) {
  for (auto [casillas, fichas, repetidos] :
       {std::array{4, 10, 0}, {6, 13, 1}, {10, 26, 1}, {10, 26, 0}}) {
    for (int filas : {0, 1, 3, 6, 10}) {
      b->Args({casillas, fichas, repetidos, filas});
    }
  }
}
BENCHMARK(Pistas)
    ->Apply(Casos)
    ->ArgNames({"casillas", "fichas", "repetidos", "filas"})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
