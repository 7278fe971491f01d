// The hint's count of the codes that still fit every score, against the codes themselves: all
// of them listed on small games, the old listing search on medium ones; and its example, drawn
// evenly among them. Counts run alone or shared out over threads from the start, with promises
// kept apart or summed, so that every way of counting is checked on every kind of position.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <random>
#include <set>
#include <thread>

#include "Contador.h"
#include "Posibles.h"
#include "Puntuacion.h"

namespace quorbel::prueba {
namespace {

using Codigo = std::vector<int>;

struct Partida {
  int casillas, fichas;
  bool repetidos;
  std::vector<FilaPuntuada> filas;
  Reparto reparto{};

  bool Cabe(const Codigo& c) const {
    return static_cast<int>(c.size()) == casillas &&
           std::all_of(c.begin(), c.end(), [&](int p) { return p >= 1 && p <= fichas; }) &&
           (repetidos || std::set<int>(c.begin(), c.end()).size() == c.size()) &&
           std::all_of(filas.begin(), filas.end(), [&](const FilaPuntuada& f) {
             return ContarAciertos(c, f.piezas) == f.puntuacion;
           });
  }
  std::vector<Codigo> Todos() const {  // every code that fits, listed
    std::vector<Codigo> todos;
    for (Codigo c(static_cast<std::size_t>(casillas), 1); c.back() <= fichas;) {
      if (Cabe(c)) {
        todos.push_back(c);
      }
      for (std::size_t i = 0; ++c[i] > fichas && i + 1 < c.size(); ++i) {
        c[i] = 1;
      }
    }
    return todos;
  }
  Posibles Contar(std::mt19937& azar) const {
    return ContarPosibles(
        casillas, fichas, repetidos, filas,
        [&] { return std::uniform_real_distribution<double>(0, 1)(azar); }, 3000, {}, reparto);
  }
  // A solution, then `n` rows as a sensible player sends them: each the hint's example.
  void JugarConSentido(int n, std::mt19937& azar) {
    const Codigo solucion = Contar(azar).ejemplo;
    for (int i = 0; i < n; ++i) {
      const Codigo fila = Contar(azar).ejemplo;
      filas.push_back({fila, ContarAciertos(solucion, fila)});
    }
  }
};

// Rows as a player sends them: each one at random among the codes that still fit, or, for a
// careless player, any code at all.
void Enviar(Partida& j, const Codigo& solucion, const std::vector<Codigo>& codigos, int filas,
            bool sensato, std::mt19937& azar) {
  for (int i = 0; i < filas; ++i) {
    std::vector<Codigo> caben;
    std::copy_if(codigos.begin(), codigos.end(), std::back_inserter(caben),
                 [&](const Codigo& c) { return !sensato || j.Cabe(c); });
    const Codigo& fila =
        caben[std::uniform_int_distribution<std::size_t>(0, caben.size() - 1)(azar)];
    j.filas.push_back({fila, ContarAciertos(solucion, fila)});
  }
}

// Alone, over two threads, over more threads than this machine may have; with promises kept
// apart by their vetoes or summed all alike. Taken in turn, so that both kinds of game (with and
// without repeats) meet both ways of counting.
constexpr Promesas kVetadas = Promesas::Vetadas, kSumadas = Promesas::Sumadas;
const Reparto kRepartos[] = {{1, 0, kVetadas}, {2, 0, kSumadas}, {3, 0, kSumadas},
                             {1, 0, kVetadas}, {2, 0, kVetadas}, {3, 0, kSumadas}};

TEST(Posibles, CountsWhatListingEveryCodeFindsAndShowsOneOfThem) {
  std::mt19937 azar(5);
  auto entre = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(azar); };
  for (int caso = 0; caso < 2000; ++caso) {
    const int casillas = entre(3, 5);
    Partida j{
        casillas, entre(casillas, casillas == 5 ? 6 : 8), caso % 2 == 1, {}, kRepartos[caso % 6]};
    const std::vector<Codigo> codigos = j.Todos();
    const Codigo& solucion =
        codigos[std::uniform_int_distribution<std::size_t>(0, codigos.size() - 1)(azar)];
    // Now and then as many rows as a game can have, for the count's longest keys.
    Enviar(j, solucion, codigos, caso % 8 == 7 ? 20 : entre(0, 6), caso % 4 < 2, azar);
    const std::vector<Codigo> caben = j.Todos();
    const Posibles posibles = j.Contar(azar);
    ASSERT_TRUE(posibles.exacta) << caso;
    ASSERT_EQ(posibles.cuenta, caben.size()) << caso;
    ASSERT_TRUE(std::find(caben.begin(), caben.end(), posibles.ejemplo) != caben.end()) << caso;
  }
}

// Where listing the codes one by one finishes, it agrees with the count.
TEST(Posibles, CountsWhatTheListingSearchFindsOnMediumGames) {
  std::mt19937 azar(7);
  int comparadas = 0;
  for (int partida = 0; partida < 20; ++partida) {
    Partida j{6, 13, partida % 2 == 0, {}, kRepartos[partida % 6]};
    const Codigo solucion = j.Contar(azar).ejemplo;
    for (Codigo fila = j.Contar(azar).ejemplo; fila != solucion; fila = j.Contar(azar).ejemplo) {
      j.filas.push_back({fila, ContarAciertos(solucion, fila)});
      const Posibles lista = BuscarPosibles(
          6, 13, j.repetidos, j.filas, [] { return 0.5; }, 1'000'000, 60'000);
      if (lista.exacta) {
        ASSERT_EQ(j.Contar(azar).cuenta, lista.cuenta) << partida << " " << j.filas.size();
        ++comparadas;
      }
    }
  }
  EXPECT_GT(comparadas, 50);
}

// The listing search's example gives the positions no row tells apart any of the pieces no row
// holds: over many draws, every code that fits comes out, and nothing else.
TEST(Posibles, ListingSearchShowsEveryCodeThatFits) {
  struct Caso {
    int fichas;
    bool repetidos;
  };
  for (const Caso c : {Caso{5, true}, Caso{6, false}}) {
    Partida j{3, c.fichas, c.repetidos, {{{1, 2, 3}, {0, 0}}}};
    const std::vector<Codigo> caben = j.Todos();
    ASSERT_EQ(caben.size(), c.repetidos ? 8u : 6u);
    std::mt19937 azar(17);
    std::set<Codigo> vistos;
    for (int vez = 0; vez < 300; ++vez) {
      vistos.insert(BuscarPosibles(3, c.fichas, c.repetidos, j.filas, [&] {
                      return std::uniform_real_distribution<double>(0, 1)(azar);
                    }).ejemplo);
    }
    EXPECT_EQ(vistos, std::set<Codigo>(caben.begin(), caben.end())) << c.fichas;
  }
}

// On games too large to list, both ways of counting agree, on every position of sensible play:
// keys as long as a count makes them, and every number of rows.
TEST(Posibles, BothWaysOfCountingAgreeOnLargeGames) {
  std::mt19937 azar(13);
  for (int partida = 0; partida < 6; ++partida) {
    Partida j{8, 20, partida % 2 == 0, {}};
    const Codigo solucion = j.Contar(azar).ejemplo;
    for (Codigo fila = j.Contar(azar).ejemplo; fila != solucion && j.filas.size() < 9;) {
      j.filas.push_back({fila, ContarAciertos(solucion, fila)});
      j.reparto = kRepartos[0];
      const Posibles vetadas = j.Contar(azar);
      j.reparto = kRepartos[1];
      const Posibles sumadas = j.Contar(azar);
      ASSERT_TRUE(vetadas.exacta && sumadas.exacta);
      ASSERT_EQ(vetadas.cuenta, sumadas.cuenta) << partida << " " << j.filas.size();
      ASSERT_TRUE(j.Cabe(sumadas.ejemplo));
      fila = sumadas.ejemplo;
    }
  }
}

// Every code that fits comes out as the example about as often as any other.
TEST(Posibles, DrawsTheExampleEvenlyAmongTheCodesThatFit) {
  struct Caso {
    int casillas, fichas;
    bool repetidos;
    Codigo solucion;
    std::vector<Codigo> filas;
  };
  const Caso casos[] = {
      {5, 6, true, {2, 1, 6, 3, 3}, {{1, 2, 3, 4, 5}, {2, 2, 6, 1, 1}}},
      {5, 7, false, {2, 6, 3, 4, 1}, {{1, 2, 3, 4, 5}, {2, 6, 1, 7, 3}}},
      {4, 6, true, {1, 3, 5, 2}, {{1, 1, 2, 2}, {3, 1, 4, 1}}},
  };
  std::mt19937 azar(11);
  for (const Caso& c : casos) {
    Partida j{c.casillas, c.fichas, c.repetidos, {}, kRepartos[&c - casos]};
    for (const Codigo& fila : c.filas) {
      j.filas.push_back({fila, ContarAciertos(c.solucion, fila)});
    }
    const std::vector<Codigo> caben = j.Todos();
    ASSERT_GE(caben.size(), 5u);

    const int porCodigo = 300;
    std::map<Codigo, int> vistos;
    for (std::size_t i = 0; i < porCodigo * caben.size(); ++i) {
      ++vistos[j.Contar(azar).ejemplo];
    }
    // Pearson's statistic: with n - 1 degrees of freedom it stays below 2n but for a chance far
    // smaller than one in a million for these sizes.
    double chi2 = 0;
    for (const Codigo& codigo : caben) {
      const double d = vistos[codigo] - porCodigo;
      chi2 += d * d / porCodigo;
    }
    EXPECT_EQ(vistos.size(), caben.size()) << "every code, and nothing else";
    EXPECT_LT(chi2, 2.0 * static_cast<double>(caben.size()) + 60) << caben.size();
  }
}

// A count cut short, past its time or its room, gives a bound that is certain and a code that
// fits, whichever way it counts and wherever it stops.
TEST(Posibles, CutShortTellsACertainBound) {
  std::mt19937 azar(17);  // summed, this count is below zero when it stops at 1,000 situations
  Partida j{10, 26, true, {}};
  j.JugarConSentido(3, azar);
  const Posibles exacta = j.Contar(azar);
  ASSERT_TRUE(exacta.exacta);
  struct Corte {
    int milisegundos;
    std::size_t situaciones;
  };
  const Corte cortes[] = {
      {0, Reparto{}.situaciones}, {60'000, 1'000}, {60'000, 2'000}, {60'000, 4'000}};
  for (const Promesas promesas : {kVetadas, kSumadas}) {
    for (const Corte& corte : cortes) {
      const Posibles cortada =
          ContarPosibles(10, 26, true, j.filas, [] { return 0.5; }, corte.milisegundos, {},
                         {1, 4096, promesas, corte.situaciones});
      EXPECT_FALSE(cortada.exacta) << corte.situaciones;
      EXPECT_LE(cortada.cuenta, exacta.cuenta) << corte.situaciones;
      EXPECT_TRUE(j.Cabe(cortada.ejemplo)) << corte.situaciones;
    }
  }
  // By groups, the room counts as well as their number: a group with its ways takes far more
  // room than a situation, and on six rows this count fills the room of 30,000 situations well
  // before it has looked at as many sets.
  std::mt19937 otroAzar(24);
  Partida seis{10, 26, true, {}};
  seis.JugarConSentido(6, otroAzar);
  const Posibles seisExacta = seis.Contar(otroAzar);
  ASSERT_TRUE(seisExacta.exacta);
  const Posibles sinSitio = ContarPosibles(10, 26, true, seis.filas, [] { return 0.5; }, 60'000, {},
                                           {1, 4096, kSumadas, 30'000});
  EXPECT_FALSE(sinSitio.exacta);
  EXPECT_LE(sinSitio.cuenta, seisExacta.cuenta);
  // Left to choose, a count by groups out of room gives way, in the time left, to vetoed
  // promises, which take far less.
  const Posibles segunFilas = ContarPosibles(10, 26, true, seis.filas, [] { return 0.5; }, 60'000,
                                             {}, {1, 4096, Promesas::SegunFilas, 30'000});
  EXPECT_TRUE(segunFilas.exacta);
  EXPECT_EQ(segunFilas.cuenta, seisExacta.cuenta);
  EXPECT_TRUE(seis.Cabe(segunFilas.ejemplo));
}

// A long count tells of the wait once, from the thread that asked for it: the game shows the busy
// pointer there, and only that thread may touch a window. Shared over two threads from the start,
// either could be the first to notice the time; by groups, the asking thread alone looks. Either
// way the count is cut short well after it.
TEST(Posibles, TellsOfTheWaitOnceFromTheAskingThread) {
  // Seven rows of a game played sensibly, among the hardest to count either way: over half a
  // second on the machine it was found on.
  const std::vector<FilaPuntuada> filas = {{{25, 16, 16, 11, 15, 23, 15, 23, 8, 10}, {0, 2}},
                                           {{15, 6, 18, 12, 18, 1, 25, 14, 7, 22}, {1, 2}},
                                           {{9, 6, 21, 4, 1, 17, 23, 13, 25, 26}, {0, 3}},
                                           {{7, 10, 13, 18, 7, 7, 25, 4, 4, 3}, {1, 2}},
                                           {{12, 26, 24, 7, 12, 9, 25, 12, 10, 19}, {1, 2}},
                                           {{10, 10, 5, 12, 13, 25, 10, 6, 10, 2}, {1, 2}},
                                           {{20, 12, 5, 13, 18, 26, 11, 12, 4, 15}, {0, 4}}};
  for (int vez = 0; vez < 4; ++vez) {
    std::mutex candado;
    std::vector<std::thread::id> avisos;
    ContarPosibles(
        10, 26, true, filas, [] { return 0.5; }, 250,
        [&] {
          const std::lock_guard<std::mutex> cerrado(candado);
          avisos.push_back(std::this_thread::get_id());
        },
        {2, 0, vez % 2 == 0 ? kVetadas : kSumadas});
    ASSERT_EQ(avisos.size(), 1u) << vez;
    EXPECT_EQ(avisos[0], std::this_thread::get_id()) << vez;
  }
}

// A placing's situations that meet are told once, with all their ways, round after round: each
// round the same situations come in another order.
TEST(Posibles, SituationsThatMeetAreToldOnce) {
  using posibles::Situacion;
  const std::vector<std::vector<int>> copias = {
      {1, 0, 0}, {0, 1, 0}, {1, 1, 0}, {2, 0, 0}, {0, 0, 1}};
  posibles::Reunidas reunidas;
  for (std::size_t ronda = 0; ronda < copias.size(); ++ronda) {
    reunidas.Vaciar();
    std::map<std::vector<int>, posibles::Cuenta> esperadas;
    for (std::size_t i = 0; i < 2 * copias.size(); ++i) {
      const std::vector<int>& c = copias[(i + ronda * 2) % copias.size()];
      Situacion s;
      s.esperando = static_cast<std::int8_t>(c.size());
      for (std::size_t p = 0; p < c.size(); ++p) {
        s.promesas[p].copias = static_cast<std::uint8_t>(c[p]);
      }
      reunidas.Sumar(s, i + 1);
      esperadas[c] += i + 1;
    }
    std::map<std::vector<int>, posibles::Cuenta> dichas;
    for (const auto& [s, maneras] : reunidas.Lista()) {
      std::vector<int> c;
      for (int p = 0; p < s.esperando; ++p) {
        c.push_back(s.promesas[static_cast<std::size_t>(p)].copias);
      }
      EXPECT_EQ(dichas.count(c), 0u) << ronda;
      dichas[c] = maneras;
    }
    EXPECT_EQ(dichas, esperadas) << ronda;
  }
}

}  // namespace
}  // namespace quorbel::prueba
