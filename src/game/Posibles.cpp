// Counting the codes that are still possible without listing them: piece by piece instead of
// position by position. A piece stands on some positions where a row holds it, in place for that
// row, and elsewhere only in common; what the rest of the code can still do depends on few things
// (which positions are free, what each row has gained, which copies wait for a position), so the
// codes that agree on them are counted once. A position matters while some piece still to come
// stands on it in a row; after that it takes whatever piece is left for it:
// - a copy promised by an earlier piece that no row holds on it,
// - a copy of a later piece, which can stand anywhere that no longer matters,
// - or, at the end, a piece no row holds: those cannot be told apart by any score.
// A promised copy must keep off the positions where a row holds its piece, or it would stand in
// place there. With few rows, the count goes faster with every copy not in place alike, free to
// take any position still free at the end: each set of those positions that the copies could take
// is then counted on its own, and its codes taken away or put back in turn, which leaves exactly
// the codes that keep off all of them. With many rows, the promises keep their vetoes.
#include "Posibles.h"

#include <algorithm>
#include <thread>
#include <utility>

#include "Contador.h"

namespace quorbel {

namespace posibles {

// Walks the counts back down: each way of placing a piece is taken as often as the codes that
// follow it, so that every code is as likely as any other. After a count cut short it still
// finds a code that fits, among those counted.
std::vector<int> Contador::Elegir(const std::function<double()>& azar) {
  auto hasta = [&](Cuenta n) {  // a number in [0, n)
    return std::min(n - 1, static_cast<Cuenta>(azar() * static_cast<double>(n)));
  };
  std::vector<int> codigo(static_cast<std::size_t>(casillas_), 0);
  auto poner = [&](int pieza, int p) { codigo[static_cast<std::size_t>(p)] = pieza; };
  Situacion s = inicio_;
  // The free positions that no longer matter, and the pieces whose promises wait, in the same
  // order as the promises themselves.
  auto abiertas = static_cast<Mascara>(((1u << casillas_) - 1) & ~s.libres);
  std::vector<std::pair<Promesa, int>> esperan;
  // Its own placings: counting a situation not yet counted fills the count's meanwhile.
  Hojas hojas;
  for (int turno = 0; turno < static_cast<int>(turnos_.size()); ++turno) {
    const Turno& t = turnos_[static_cast<std::size_t>(turno)];
    // The codes that follow each way of placing the piece, as counted: all of them, or, after a
    // count cut short, those it finished counting.
    Cuenta total = 0;
    Colocar(turno, s, hojas, [&](const Situacion& d, Cuenta maneras, const Jugada&) {
      total += maneras * Codigos(turno + 1, d);
    });
    if (total == 0) {
      return {};
    }
    Cuenta objetivo = hasta(total);
    Jugada jugada;
    Situacion despues;
    bool elegida = false;
    Colocar<true>(turno, s, hojas, [&](const Situacion& d, Cuenta maneras, const Jugada& j) {
      const Cuenta codigos = elegida ? 0 : maneras * Codigos(turno + 1, d);
      if (objetivo >= codigos) {
        objetivo -= codigos;
        return;
      }
      elegida = true;
      jugada = j;
      despues = d;
    });
    for (int p = 0; p < casillas_; ++p) {
      if ((jugada.enSitio >> p & 1) != 0) {
        poner(t.pieza, p);
      }
    }
    for (int i = 0; i < jugada.sueltas; ++i) {  // any of the open positions
      Mascara m = abiertas;
      for (Cuenta k = hasta(static_cast<Cuenta>(Unos(m))); k > 0; --k) {
        m &= static_cast<Mascara>(m - 1);
      }
      const int p = std::countr_zero(m);
      poner(t.pieza, p);
      abiertas = static_cast<Mascara>(abiertas & ~(1u << p));
    }
    const auto libres = static_cast<Mascara>(s.libres & ~jugada.enSitio);
    if (jugada.prometidas > 0) {
      esperan.push_back(
          {{static_cast<Mascara>(libres & t.enFilas), static_cast<std::uint8_t>(jugada.prometidas)},
           t.pieza});
    }
    // Promises alike are taken alike: which piece keeps it is drawn among them.
    for (Mascara m = libres & t.mueren; m != 0; m &= static_cast<Mascara>(m - 1)) {
      const int p = std::countr_zero(m);
      const int i = jugada.destino[static_cast<std::size_t>(p)];
      if (i < 0) {
        abiertas = static_cast<Mascara>(abiertas | 1u << p);
        continue;
      }
      auto& promesa = esperan[static_cast<std::size_t>(i)];
      std::vector<std::size_t> iguales;
      for (std::size_t k = 0; k < esperan.size(); ++k) {
        if (esperan[k].first == promesa.first) {
          iguales.push_back(k);
        }
      }
      std::swap(promesa.second, esperan[iguales[hasta(iguales.size())]].second);
      poner(promesa.second, p);
      --promesa.first.copias;
    }
    std::erase_if(esperan, [](const auto& e) { return e.first.copias == 0; });
    for (auto& e : esperan) {
      e.first.vetadas &= despues.libres;
    }
    std::stable_sort(esperan.begin(), esperan.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    s = despues;
  }
  std::vector<int> otras = otrasPiezas_;
  for (Mascara m = abiertas; m != 0; m &= static_cast<Mascara>(m - 1)) {
    const auto i = static_cast<std::size_t>(hasta(otras.size()));
    poner(otras[i], std::countr_zero(m));
    if (!repetidos_) {
      otras.erase(otras.begin() + static_cast<std::ptrdiff_t>(i));
    }
  }
  return codigo;
}

}  // namespace posibles

// Asking the system costs more than a small count itself.
unsigned HilosDisponibles() {
  static const unsigned hilos = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
  return hilos;
}

namespace {

// Cut short, a count whose promises keep their vetoes is still a certain bound, and gives a code
// that fits. The codes listed for a moment give the count itself when there are few enough to
// list them all.
Posibles Acotar(posibles::Contador& contador, const Posibles& contadas, int casillas, int fichas,
                bool repetidos, std::span<const FilaPuntuada> filas,
                const std::function<double()>& azar) {
  Posibles lista = BuscarPosibles(casillas, fichas, repetidos, filas, azar);
  lista.memoria = contadas.memoria;
  lista.cuenta = std::max(lista.cuenta, contadas.cuenta);
  if (!lista.exacta) {
    std::vector<int> ejemplo = contador.Elegir(azar);
    if (!ejemplo.empty()) {
      lista.ejemplo = std::move(ejemplo);
    }
  }
  return lista;
}

}  // namespace

Posibles ContarPosibles(int casillas, int fichas, bool repetidos,
                        std::span<const FilaPuntuada> filas, const std::function<double()>& azar,
                        int milisegundos, const std::function<void()>& alTardar,
                        const Reparto& reparto) {
  using namespace posibles;
  if (casillas > kMaxCasillas || filas.size() > static_cast<std::size_t>(kMaxFilas)) {
    return BuscarPosibles(casillas, fichas, repetidos, filas, azar);
  }
  const Reloj::time_point empezada = Reloj::now();
  const Reloj::duration tope = std::chrono::milliseconds(milisegundos);
  // The player is told of the wait once, however many counts it takes; and once a count has run
  // past a tenth of a second, at the latest when it ends, should its threads not have looked.
  bool avisado = false;
  const std::function<void()> avisar = [&] {
    if (!avisado && alTardar) {
      avisado = true;
      alTardar();
    }
  };
  struct AlAcabar {
    const std::function<void()>& avisar;
    Reloj::time_point empezada;
    ~AlAcabar() {
      if (Reloj::now() - empezada >= std::chrono::milliseconds(100)) {
        avisar();
      }
    }
  } alAcabar{avisar, empezada};
  Posibles posibles;
  bool sinSitio = false;
  {
    Contador contador(casillas, repetidos, filas, fichas, tope, avisar, reparto);
    posibles.cuenta = contador.Total();
    posibles.memoria = contador.Bytes();
    if (!contador.Cortado()) {
      posibles.ejemplo = contador.Elegir(azar);
      return posibles;
    }
    if (contador.CortadoEsCota()) {
      return Acotar(contador, posibles, casillas, fichas, repetidos, filas, azar);
    }
    sinSitio = Reloj::now() - empezada < tope;
  }
  // Summed promises that gave up within their time, past their room, tell nothing: promises that
  // keep their vetoes take far less room, and count in the time left.
  if (sinSitio && reparto.promesas == Promesas::SegunFilas) {
    Reparto vetadas = reparto;
    vetadas.promesas = Promesas::Vetadas;
    Contador contador(casillas, repetidos, filas, fichas, tope - (Reloj::now() - empezada), avisar,
                      vetadas);
    posibles.cuenta = contador.Total();
    posibles.memoria = std::max(posibles.memoria, contador.Bytes());
    if (!contador.Cortado()) {
      posibles.ejemplo = contador.Elegir(azar);
      return posibles;
    }
    return Acotar(contador, posibles, casillas, fichas, repetidos, filas, azar);
  }
  Posibles lista = BuscarPosibles(casillas, fichas, repetidos, filas, azar);
  lista.memoria = posibles.memoria;
  return lista;
}

}  // namespace quorbel
