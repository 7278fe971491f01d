// How long a hint takes in games played sensibly: the first row at random, each later row a
// code drawn among those that fit every score so far, until the game is won. Every position
// before the win is counted and timed. For each kind of game: the median, the 95th percentile
// and the worst time, the share of counts that came out exact, and the most memory a count
// held. The mid-game of the largest game with repeats (5 to 9 rows) is reported on its own too,
// and the memory the process holds before, at the most and after, which the counts give back.
//
//   build/bench/pista_bench [games per kind, 30 by default] [seed]
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "Posibles.h"

namespace {

using namespace quorbel;

struct Medida {
  double ms = 0;
  bool exacta = false;
  std::size_t memoria = 0;
  int filas = 0;
};

void Informe(const char* nombre, std::vector<Medida> medidas) {
  if (medidas.empty()) {
    return;
  }
  std::sort(medidas.begin(), medidas.end(),
            [](const Medida& a, const Medida& b) { return a.ms < b.ms; });
  auto percentil = [&](double p) {
    return medidas[std::min(medidas.size() - 1, static_cast<std::size_t>(p * medidas.size()))].ms;
  };
  std::size_t exactas = 0, memoria = 0;
  for (const Medida& m : medidas) {
    exactas += m.exacta;
    memoria = std::max(memoria, m.memoria);
  }
  std::printf("%-24s %6zu  %9.3f  %9.3f  %9.3f  %6.1f %%  %8.1f\n", nombre, medidas.size(),
              percentil(0.5), percentil(0.95), medidas.back().ms,
              100.0 * static_cast<double>(exactas) / static_cast<double>(medidas.size()),
              static_cast<double>(memoria) / (1 << 20));
}

// The memory the process holds now, in MB.
double Residente() {
  long paginas = 0, residentes = 0;
  if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &paginas, &residentes) != 2) {
      residentes = 0;
    }
    std::fclose(f);
  }
  return static_cast<double>(residentes) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1 << 20);
}

}  // namespace

int main(int argc, char** argv) {
  const int partidas = argc > 1 ? std::atoi(argv[1]) : 30;
  std::mt19937 motor(argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 42);
  auto azar = [&] { return std::uniform_real_distribution<double>(0, 1)(motor); };
  const double antes = Residente();
  std::printf("%-24s %6s  %9s  %9s  %9s  %8s  %8s\n", "game", "counts", "median ms", "p95 ms",
              "worst ms", "exact", "peak MB");
  for (auto [casillas, fichas] : {std::array{4, 10}, {6, 13}, {8, 20}, {10, 26}}) {
    for (bool repetidos : {true, false}) {
      std::vector<Medida> medidas;
      for (int partida = 0; partida < partidas; ++partida) {
        std::vector<FilaPuntuada> enviadas;
        const std::vector<int> solucion =
            ContarPosibles(casillas, fichas, repetidos, enviadas, azar).ejemplo;
        std::vector<int> fila = ContarPosibles(casillas, fichas, repetidos, enviadas, azar).ejemplo;
        while (fila != solucion) {
          enviadas.push_back({fila, ContarAciertos(solucion, fila)});
          const auto inicio = std::chrono::steady_clock::now();
          const Posibles posibles = ContarPosibles(casillas, fichas, repetidos, enviadas, azar);
          const std::chrono::duration<double, std::milli> ms =
              std::chrono::steady_clock::now() - inicio;
          medidas.push_back(
              {ms.count(), posibles.exacta, posibles.memoria, static_cast<int>(enviadas.size())});
          fila = posibles.ejemplo;
          if (fila.empty()) {  // never when the count is exact: a code that fits always exists
            break;
          }
        }
      }
      char nombre[32];
      std::snprintf(nombre, sizeof nombre, "%d x %d %s", casillas, fichas,
                    repetidos ? "repeats" : "no repeats");
      Informe(nombre, medidas);
      if (casillas == 10 && repetidos) {
        std::erase_if(medidas, [](const Medida& m) { return m.filas < 5 || m.filas > 9; });
        Informe("  rows 5 to 9", medidas);
      }
    }
  }
  rusage uso{};
  getrusage(RUSAGE_SELF, &uso);
  std::printf("resident memory: %.1f MB before, %.1f MB at the most, %.1f MB after\n", antes,
              static_cast<double>(uso.ru_maxrss) / 1024, Residente());
}
