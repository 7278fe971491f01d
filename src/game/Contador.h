// The hint's exact count of the codes still possible, and its even draw of one of them.
#pragma once

#include <algorithm>
#include <array>
#include <atomic>
#include <barrier>
#include <bit>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <span>
#include <vector>

#include "Ajustes.h"
#include "Memoria.h"
#include "Posibles.h"
#include "Puntuacion.h"

namespace quorbel::posibles {

using Cuenta = std::uint64_t;
using Mascara = std::uint16_t;  // a set of positions
using Reloj = std::chrono::steady_clock;

inline constexpr int kMaxCasillas = Ajustes::kMaxCasillas;
inline constexpr int kMaxFilas = Ajustes::kMaxIntentos;
// A count sums its promises all alike, and goes by groups, while its rows are at least so many
// fewer than the positions: measured on every size of game, past that the vetoed promises' quick
// pass pays. With repeats, one row more: its pieces take more copies, which vetoed promises tell
// apart one by one.
inline constexpr int kSumadasHasta = 3;
inline constexpr int kSumadasConRepetidosHasta = 2;

inline constexpr auto kCombinaciones = [] {
  std::array<std::array<std::uint64_t, kMaxCasillas + 1>, kMaxCasillas + 1> c{};
  for (std::size_t n = 0; n <= kMaxCasillas; ++n) {
    c[n][0] = 1;
    for (std::size_t k = 1; k <= n; ++k) {
      c[n][k] = c[n - 1][k - 1] + (k < n ? c[n - 1][k] : 0);
    }
  }
  return c;
}();
inline std::uint64_t Combinaciones(int n, int k) {
  return kCombinaciones[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)];
}

// The ways `piezas` pieces that no score tells apart can fill `huecos` positions: any of them on
// each with repeats, all different without.
inline std::uint64_t Relleno(std::size_t piezas, int huecos, bool repetidos) {
  const auto u = static_cast<std::uint64_t>(piezas);
  std::uint64_t maneras = 1;
  for (std::uint64_t i = 0; i < static_cast<std::uint64_t>(huecos); ++i) {
    maneras *= repetidos ? u : (u > i ? u - i : 0);
  }
  return maneras;
}

// How many positions a set holds, looked up: the count asks it more than anything else.
inline constexpr auto kUnos = [] {
  std::array<std::uint8_t, 1u << kMaxCasillas> unos{};
  for (std::size_t m = 1; m < unos.size(); ++m) {
    unos[m] = static_cast<std::uint8_t>(unos[m & (m - 1)] + 1);
  }
  return unos;
}();
inline int Unos(unsigned posiciones) {
  return kUnos[posiciones];
}
// How many bits a word holds, without asking the processor for an instruction it may lack.
inline int Unos64(std::uint64_t w) {
  w -= (w >> 1) & 0x5555555555555555u;
  w = (w & 0x3333333333333333u) + ((w >> 2) & 0x3333333333333333u);
  w = (w + (w >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
  return static_cast<int>((w * 0x0101010101010101u) >> 56);
}

// Copies of a piece waiting for positions that still matter, to take them as those positions
// stop mattering; never those in `vetadas`, where a row holds the piece.
struct Promesa {
  Mascara vetadas = 0;
  std::uint8_t copias = 0;
  friend auto operator<=>(const Promesa&, const Promesa&) = default;
};

// Where the count stands between two pieces.
struct Situacion {
  Mascara libres = 0;                            // free positions that still matter
  std::int8_t abiertas = 0;                      // free positions that no longer do
  std::array<std::uint8_t, kMaxFilas> ganado{};  // per row: in place | in common << 4
  std::array<Promesa, kMaxCasillas> promesas{};  // in order, the first `esperando`
  std::int8_t esperando = 0;

  int Prometidas() const;
};

// The same situation with `libres` free and a single promise of `copias` without vetoes: copies
// all alike.
Situacion Juntas(const Situacion& s, Mascara libres, int copias);
// The same situation with the promises told apart by their number only, so that a promised copy
// may take any position: every code that completes the situation completes this one too.
inline Situacion Proyectar(const Situacion& s) {
  return Juntas(s, s.libres, s.Prometidas());
}

// A promise of `copias` summed with the `antes` copies already alike, its vetoes taken back out:
// calls `f(libres, abiertas, juntas, maneras)` for each set of the positions `vetadas` that its
// copies could take against their veto, and each number of the `abiertas` open positions, alike,
// that they could take too when those are out of their reach; with the positions still free and
// open without them, the copies alike once the rest join, and the ways, counted against when the
// positions taken are odd in number (a number that wraps round below zero).
template <typename F>
void SumarPromesa(Mascara libres, Mascara vetadas, int abiertas, int copias, int antes,
                  Cuenta maneras, F&& f) {
  for (Mascara tomadas = vetadas;; tomadas = static_cast<Mascara>((tomadas - 1) & vetadas)) {
    for (int abiertasTomadas = 0; abiertasTomadas <= std::min(abiertas, copias - Unos(tomadas));
         ++abiertasTomadas) {
      const int iguales = copias - Unos(tomadas) - abiertasTomadas;
      // Which of the copies all alike are this piece's, and which open positions it takes.
      const Cuenta suyas = Combinaciones(antes + iguales, iguales) *
                           Combinaciones(abiertas, abiertasTomadas) * maneras;
      f(static_cast<Mascara>(libres & ~tomadas), abiertas - abiertasTomadas, antes + iguales,
        (Unos(tomadas) + abiertasTomadas) % 2 == 0 ? suyas : Cuenta{0} - suyas);
    }
    if (tomadas == 0) {
      return;
    }
  }
}

// Each set of the positions `donde` that a piece may take in place, up to `copias` of them, once:
// calls `f(enSitio, tomadas)`, smaller sets before the larger ones that hold them.
template <typename F>
void CadaEnSitio(Mascara donde, int copias, F&& f, Mascara enSitio = 0, int tomadas = 0) {
  f(enSitio, tomadas);
  if (tomadas < copias) {
    for (Mascara r = donde; r != 0; r &= static_cast<Mascara>(r - 1)) {
      CadaEnSitio(static_cast<Mascara>(r & (r - 1)), copias, f,
                  static_cast<Mascara>(enSitio | (r & -r)), tomadas + 1);
    }
  }
}

// The situations one placing leads to, each told once with all its ways. They differ only in the
// copies their promises still wait to place, four bits each in a key; a placing leads to at most
// 2^10 of them (ten promises of one copy), so the index never fills.
class Reunidas {
 public:
  using Hoja = std::pair<Situacion, Cuenta>;
  void Vaciar() {
    hojas_.clear();
    llaves_.clear();
    if (++ronda_ == 0) {  // marks from 2^32 rounds ago would look new
      std::fill(sello_.begin(), sello_.end(), 0);
      ronda_ = 1;
    }
  }
  void Sumar(const Situacion& s, Cuenta maneras) {
    std::uint64_t llave = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(s.esperando); ++i) {
      llave |= std::uint64_t{s.promesas[i].copias} << (4 * i);
    }
    auto x = static_cast<std::size_t>((llave * 0x9E3779B97F4A7C15u) >> (64 - kBits));
    for (; sello_[x] == ronda_; x = (x + 1) % sello_.size()) {
      if (llaves_[donde_[x]] == llave) {
        hojas_[donde_[x]].second += maneras;
        return;
      }
    }
    sello_[x] = ronda_;
    donde_[x] = static_cast<std::uint16_t>(hojas_.size());
    hojas_.emplace_back(s, maneras);
    llaves_.push_back(llave);
  }
  std::vector<Hoja>& Lista() { return hojas_; }

 private:
  static constexpr int kBits = 12;
  std::vector<Hoja> hojas_;
  std::vector<std::uint64_t> llaves_;
  std::vector<std::uint32_t> sello_ = std::vector<std::uint32_t>(1u << kBits);
  std::vector<std::uint16_t> donde_ = std::vector<std::uint16_t>(1u << kBits);
  std::uint32_t ronda_ = 0;
};
// A placing's situations as the positions that stop mattering are shared out, one at a time.
struct Hojas {
  Reunidas una, otra;
};

// One way of placing a piece.
struct Jugada {
  Mascara enSitio = 0;  // the positions it takes where a row holds it, in place for that row
  int sueltas = 0;      // copies on positions that no longer matter
  int prometidas = 0;   // copies promised to positions that still do
  // For each position that stops mattering with this piece: the promise that takes it, by its
  // place in the list once this piece's promise is added at its end; -1 for none.
  std::array<int, kMaxCasillas> destino{};
};

class Contador {
 public:
  Contador(int casillas, bool repetidos, std::span<const FilaPuntuada> filas, int fichas,
           Reloj::duration tope, const std::function<void()>& alTardar, const Reparto& reparto);

  Cuenta Total();
  // Draws a code evenly among those counted; empty when there are none.
  std::vector<int> Elegir(const std::function<double()>& azar);
  // Whether the count gave up, past its time or its room: then it is worth nothing.
  bool Cortado() const { return cortado_.load(std::memory_order_relaxed); }
  // Whether a count cut short still gives a certain lower bound, and codes that fit: not when
  // promises are summed, whose sums go up and down on the way.
  bool CortadoEsCota() const { return !sumadas_; }
  std::size_t Bytes() const {
    std::size_t bytes = cuentas_.Bytes() + viables_.Bytes() + indiceGrupos_.Bytes() +
                        grupos_.Bytes() + aparte_.Bytes() + valores_.Bytes();
    for (const Taller& t : talleres_) {
      bytes += t.formas.Bytes() + t.cortes.Bytes() + t.siguientes.Bytes();
    }
    return bytes;
  }

 private:
  struct Taller;
  struct Obrero;
  using Llave = Memoria::Clave;
  // A situation that follows the one being looked at, keyed and with its slot fetched; per turn.
  struct Siguiente {
    Situacion despues;
    Cuenta maneras;
    Llave llave;
    std::size_t hash;
  };
  struct Fila {
    int muertos = 0;
    int comunes = 0;  // right pieces, in place or not
    int ultimo = -1;  // the turn of its last piece
    int bits = 0;     // what it has gained, in a key
  };
  struct Turno {
    int pieza = 0;
    Mascara enFilas = 0;                      // positions where some row holds the piece
    Mascara mueren = 0;                       // positions that stop mattering once it is placed
    Mascara importan = 0;                     // positions that still matter before it is
    std::vector<int> filas;                   // the rows that hold it
    std::array<Mascara, kMaxFilas> donde{};   // per row
    std::array<Mascara, kMaxFilas> faltan{};  // per row: where it holds this piece or a later one
    std::vector<int> activas;                 // the rows with pieces from this turn on
  };

  void Ordenar(std::span<const FilaPuntuada> filas, int fichas);

  // Summed, the situations of a turn that differ only in their free positions that still matter
  // make a group: a piece is placed the same ways in all of them, and leads to the same groups.
  // The count goes over groups turn by turn, forward to find the free positions each is reached
  // with, then back to count the codes that complete each of those.
  struct alignas(256) Grupo {
    std::array<std::uint64_t, 16> alcanzadas{};  // a bit for each set of free positions
    // Where the counts of each word's sets start, in `valores_`: next to the bits, so that a
    // count is found with one line fetched fewer.
    std::array<std::uint32_t, 16> desde{};
    std::array<std::uint8_t, kMaxFilas> ganado{};
    // Where its ways of placing the piece start for each number of free positions, in the lists
    // of the thread that opened it: only those that may lead to codes from a set of so many.
    std::uint32_t cortes = 0;
    std::int8_t hilo = 0;
    std::int8_t turno = 0, abiertas = 0, juntas = 0;
    // Bit `n`: a set of `n` free positions may lead to codes, by what the rows can still get in
    // common; only those are marked.
    std::uint16_t posibles = 0;

    bool Alcanzada(Mascara libres) const {
      return (alcanzadas[libres >> 6] >> (libres & 63) & 1) != 0;
    }
    void Alcanzar(Mascara libres) { Marcar(alcanzadas, libres); }
    void Olvidar(Mascara libres) {
      alcanzadas[libres >> 6] &= ~(std::uint64_t{1} << (libres & 63));
    }
    // Calls `f(libres)` for each set of free positions reached, in increasing order.
    template <typename F>
    void CadaAlcanzada(F&& f) const {
      for (std::size_t w = 0; w < alcanzadas.size(); ++w) {
        for (std::uint64_t bits = alcanzadas[w]; bits != 0; bits &= bits - 1) {
          f(static_cast<Mascara>(w * 64 + static_cast<std::size_t>(std::countr_zero(bits))));
        }
      }
    }
  };
  static void Marcar(std::array<std::uint64_t, 16>& bits, Mascara libres) {
    bits[libres >> 6] |= std::uint64_t{1} << (libres & 63);
  }
  // The sets of free positions a second thread reaches a group with, apart from the first's.
  struct alignas(128) Marcas {
    std::array<std::uint64_t, 16> bits{};
  };
  // A way's link to its next group for a number of positions that stop mattering, once found: its
  // place among the groups and one more, and in the bits above, its sizes of sets that may lead to
  // codes; zero until then.
  using Enlace = std::uint64_t;
  static Enlace Enlazar(std::uint32_t grupo, std::uint16_t posibles) {
    return std::uint64_t{posibles} << 32 | (std::uint64_t{grupo} + 1);
  }
  static bool Sigue(Enlace e, Mascara libres) { return (e >> (32 + Unos(libres)) & 1) != 0; }
  static std::size_t Destino(Enlace e) { return static_cast<std::size_t>(e & 0xFFFFFFFFu) - 1; }
  // One way of placing a group's piece: some copies in place, some taken against their veto and
  // counted against when odd in number, the rest joining the copies alike.
  struct alignas(16) Forma {
    // Where the links to its next groups start in its thread's list: one per number of positions
    // that stop mattering.
    std::int32_t siguientes = 0;
    Mascara tomadas = 0;  // in place, or taken against a veto
    Mascara enSitio = 0;
    std::int8_t juntas = 0;  // the copies alike after it
    std::int8_t copias = 0;  // the piece's copies
    // Bit `n`: from a set of `n` free positions, the rows can still get their scores in common
    // after it; while its group is opened.
    std::uint16_t vivas = 0;
  };
  Cuenta PorCapas();
  // A group's key: its turn, open positions and copies alike, then a byte for what each row with
  // pieces to come has gained.
  Llave ClaveGrupo(int turno, int abiertas, int juntas,
                   const std::array<std::uint8_t, kMaxFilas>& ganado) const;
  // The link to a group, made if new, as the index keeps it: the index holds links, so that a
  // way's link is made without fetching its group. `kSinSitio` when the index had no room.
  Enlace GrupoDe(Taller& taller, int turno, int abiertas, int juntas,
                 const std::array<std::uint8_t, kMaxFilas>& ganado);
  // Drops the free positions from which no code can follow, and lists the group's ways of
  // placing its piece; false when none are left.
  bool Abrir(Taller& taller, std::uint32_t i);
  Cuenta Maneras(const Forma& f) const;
  // Calls `f(forma, resto)` for each of a group's ways that a set of its free positions allows:
  // the positions it takes are free, and there is room for its copies; `resto`, what is left.
  template <typename F>
  void CadaForma(const Grupo& g, Mascara libres, F&& f) const {
    const Taller& taller = talleres_[static_cast<std::size_t>(g.hilo)];
    const std::size_t corte = g.cortes + static_cast<std::size_t>(Unos(libres));
    const std::uint32_t primera = taller.cortes[corte];
    const std::uint32_t hasta = taller.cortes[corte + 1];
    if (primera == hasta) {
      return;
    }
    auto cada = [&](const Forma& forma) {
      if ((forma.tomadas & ~libres) == 0) {
        f(forma, static_cast<Mascara>(libres & ~forma.tomadas));
      }
    };
    // Most groups' ways lie in one block, where they are gone through straight.
    const Forma* desde = &taller.formas[primera];
    if (&taller.formas[hasta - 1] == desde + (hasta - 1 - primera)) {
      std::for_each(desde, desde + (hasta - primera), cada);
      return;
    }
    for (std::uint32_t k = primera; k < hasta; ++k) {
      cada(taller.formas[k]);
    }
  }
  Cuenta ValorEnCapas(const Grupo& g, Mascara libres) const;
  void ContarGrupo(const Grupo& g);
  // So many groups, or so long counting alone, before a second thread is worth starting: it waits
  // for the first between every two turns, each time a wake-up away.
  static constexpr std::size_t kGruposParaRepartir = 2048;
  static constexpr auto kAntesDeRepartir = std::chrono::milliseconds(5);
  // The count by groups goes a turn at a time, forward and then back; each turn's groups are
  // shared out over the threads, which wait for each other between turns.
  enum class Fase { Avance, Repaso, Atras, Fin };
  static constexpr Enlace kSinSitio = 0;  // no room to make a group
  // A group from which no code follows, whatever its free positions: never made; its link leads
  // from no set.
  static constexpr std::uint32_t kMuerto = ~std::uint32_t{0} - 1;
  static bool Muerto(Enlace e) { return e >> 32 == 0; }
  std::uint16_t HuecosPosibles(Obrero& o, int turno, int abiertas, int juntas,
                               const std::array<std::uint8_t, kMaxFilas>& ganado);
  // Bit `huecos` when every row can still get its scores with `huecos` positions left, the open
  // ones and the copies alike among them, from `turno` on.
  std::uint32_t HuecosDesde(Obrero& o, int turno,
                            const std::array<std::uint8_t, kMaxFilas>& ganado);
  void Trabajar(Taller& taller);
  void AvanzarCapa(Taller& taller);
  std::size_t Tomar(const Taller& taller, std::size_t n, std::size_t& tomados);
  void ContarCapa(Taller& taller);
  // The next turn, once every thread is done with this one's groups.
  void PasarCapa() noexcept;
  void HolgarIndice();
  // Room for so many groups, made while the other thread may be making groups.
  void Reservar(std::size_t grupos);
  struct FinDeCapa {
    Contador* c;
    void operator()() const noexcept { c->PasarCapa(); }
  };
  // A second thread shares the rest of the count by groups out.
  void CompartirCapas();
  // The safety nets while going forward; false once the count has given up.
  bool Seguir(Taller& taller);
  // What a situation takes in the tables, with their room to spare.
  static constexpr std::size_t kBytesPorSituacion = 64;
  // The count of a summed situation as the count by groups left it, when it reached it.
  bool DeCapas(int turno, const Situacion& s, Cuenta& cuenta) const;
  // What one thread of the count keeps to itself.
  struct Obrero {
    bool principal = true;  // the thread that asked for the count: it alone tells of the wait
    // Where it starts among the next situations, and which way it goes, away from the others.
    bool alReves = false;
    bool desdeLaMitad = false;
    // The `i`-th of `n` next situations in this thread's order.
    std::size_t EnSuOrden(std::size_t i, std::size_t n) const {
      const std::size_t j = desdeLaMitad ? (i + n / 2) % n : i;
      return alReves ? n - 1 - j : j;
    }
    std::array<std::vector<Siguiente>, kMaxFichas + 1> siguientes;
    std::array<std::vector<Siguiente>, kMaxFichas + 1> siguientesViables;
    Hojas hojas;  // a placing's next situations
    std::uint32_t llamadas = 0;
    // What the rows can still get in common, by turn, free positions and what each row lacks:
    // 1 when they can all get their score, 2 when not. Few enough for each thread to keep its own.
    Memoria comunes{2};        // keys of two words
    Memoria huecosEnComun{2};  // the same for every number of positions left at once
  };
  // What one thread keeps to itself while it opens groups: their ways, and where their next
  // groups are.
  struct Taller {
    Obrero* obrero = nullptr;  // for what the rows can still get in common
    Trozos<Forma> formas;
    // Per group opened, where its ways for each number of free positions start, and one past.
    Trozos<std::uint32_t> cortes;
    Trozos<Enlace> siguientes;
    std::vector<Forma> porOrdenar;          // a group's ways, before they are put in order
    std::vector<Mascara> conjuntos;         // the sets of free positions a group is reached with
    std::vector<std::int32_t> clases;       // where a group's ways alike have their slots
    std::vector<std::uint32_t> nuevos;      // the groups it made this turn, when shared
    std::vector<std::uint32_t> pendientes;  // those it left for want of room in the index
    std::size_t vistas = 0;                 // sets of free positions looked at forward, groups back
    // The room its lists take, for the other thread to see: on a line of its own, away from what
    // this thread writes all the time.
    alignas(64) std::atomic<std::size_t> bytes = 0;
  };
  // What the threads do when they have all stopped for a table to grow.
  struct Crecimiento {
    Contador* c;
    void operator()() const noexcept;
  };
  using Barrera = std::barrier<Crecimiento>;

  // The count shared out over threads, keeping what was counted alone.
  Cuenta Repartida();
  // The codes that complete `s` from the piece of `turno` on.
  Cuenta Completar(Obrero& o, int turno, const Situacion& s);
  Cuenta Completar(Obrero& o, int turno, const Situacion& s, const Llave& llave, std::size_t hash);
  // The codes that complete `s`, whose promises each keep the positions they may not take.
  Cuenta Codigos(int turno, Situacion s);
  // Whether any code could complete `s`, counting promises by their number only.
  bool Viable(Obrero& o, int turno, const Situacion& s);
  bool Viable(Obrero& o, int turno, const Situacion& s, const Llave& llave, std::size_t hash);
  void Guardar(Memoria& memoria, const Llave& llave, Cuenta valor);
  void AcabarMudanzas();
  // Whether this thread should stop where it is, and keep nothing of what it was counting.
  bool Parado(const Obrero& o) const {
    return cortado_.load(std::memory_order_relaxed) || aRepartir_ ||
           (!o.principal && terminado_.load(std::memory_order_relaxed));
  }
  // Calls `hijo(despues, maneras, jugada)` for each way of placing the piece of `turno` that
  // keeps every row within reach of its score; `kPorJugada` tells apart ways that lead to the same
  // situation, for drawing a code.
  template <bool kPorJugada = false, typename Hijo>
  void Colocar(int turno, const Situacion& s, Hojas& hojas, Hijo&& hijo) const;
  // The same, with every copy not in place summed with those alike, to take its position only at
  // the end; `maneras` may be taken away (a number that wraps round below zero).
  template <typename Hijo>
  void ColocarSumada(int turno, const Situacion& s, Hijo&& hijo) const;
  // The most copies the piece of `turno` may take: no row may get more in common than its score,
  // nor be left too few positions for what it still lacks.
  int Copias(int turno, const Situacion& s) const;
  // What the rows gain when the piece of `t` takes `enSitio` in place and `copias` in all; false
  // when one would pass its score.
  bool Ganar(const Turno& t, Situacion& d, Mascara enSitio, int copias) const;
  template <typename Preparar, typename Clavar>
  const std::vector<Siguiente>& Siguientes(int turno, const Situacion& s, bool sumadas,
                                           Preparar&& preparar, Clavar&& clave,
                                           const Memoria& memoria, Hojas& hojas,
                                           std::vector<Siguiente>& siguientes) const;
  // Whether every piece is placed before `turno`.
  bool TodasColocadas(int turno) const { return turno == static_cast<int>(turnos_.size()); }
  bool Posible(int siguiente, const Situacion& s, int porLlenar) const;
  // Whether every row still short of its score in place can get it with `libres` free.
  bool CabenEnSitio(int siguiente, const Situacion& s, Mascara libres) const;
  bool Alcanzable(int turno, const Situacion& s) const;
  using Faltan = std::array<std::int8_t, kMaxFilas>;  // per row, the pieces it still lacks
  bool EnComun(Obrero& o, int turno, const Faltan& faltan, int huecos);
  std::uint32_t HuecosEnComun(Obrero& o, int turno, const Faltan& faltan);
  // Calls `f(copias, despues)` for each number of copies of the piece of `turno`, up to `tope`,
  // that gives no row more in common than it lacks and leaves every row whose pieces have all
  // come lacking nothing; `despues`, what each row lacks then. Stops when `f` gives true.
  template <typename F>
  void CadaCopias(int turno, const Faltan& faltan, int tope, F&& f) const {
    const Turno& t = turnos_[static_cast<std::size_t>(turno)];
    for (int copias = 0; copias <= tope; ++copias) {
      Faltan despues = faltan;
      bool cabe = true;
      for (int r : t.filas) {
        auto& falta = despues[static_cast<std::size_t>(r)];
        falta = static_cast<std::int8_t>(falta - std::min(copias, Unos(t.donde[r])));
        cabe = cabe && falta >= 0;
      }
      if (!cabe) {
        return;  // more copies would only give more in common
      }
      const bool completas = std::all_of(t.activas.begin(), t.activas.end(), [&](int r) {
        return filas_[static_cast<std::size_t>(r)].ultimo > turno ||
               despues[static_cast<std::size_t>(r)] == 0;
      });
      if (completas && f(copias, despues)) {
        return;
      }
    }
  }
  // Whether the rows may still get their scores from `s`, by the quick looks alone: what they
  // can still get in common, and with `alcance`, where each piece to come may still stand.
  bool Prometedora(Obrero& o, int turno, const Situacion& s, bool alcance = true);
  Llave Clave(int turno, const Situacion& s) const;
  Llave ClaveViable(int turno, const Situacion& s) const;
  // Summed, a situation has a single promise, told by its number of copies: the shorter key does.
  Llave ClaveCuenta(int turno, const Situacion& s) const {
    return sumadas_ ? ClaveViable(turno, s) : Clave(turno, s);
  }
  template <typename Empaque>
  void Situar(Empaque& e, int turno, const Situacion& s) const;
  void Vigilar(Obrero& o);

  int casillas_;
  bool repetidos_;
  bool sumadas_;  // the promises counted all alike, each one's vetoes taken back out
  std::vector<Fila> filas_;
  std::vector<Turno> turnos_;
  std::vector<int> otrasPiezas_;  // the pieces no row holds
  Situacion inicio_;
  Terreno terreno_;  // the room of the tables and lists below: before them, to outlast them
  Memoria cuentas_;
  Memoria viables_;  // 1 when some code completes the situation, 2 when none does
  // Counted by groups: where each group is, and what the groups keep.
  Memoria indiceGrupos_;
  Trozos<Grupo> grupos_;
  std::array<Taller, 2> talleres_;  // the asking thread's, and the second's
  Trozos<Marcas> aparte_;           // per group, the second thread's sets, while it shares
  Trozos<Cuenta> valores_;
  std::vector<std::vector<std::uint32_t>> capas_;  // per turn, its groups
  Fase fase_ = Fase::Avance;
  int capa_ = 0;                                 // the turn whose groups are gone through
  std::atomic<std::size_t> siguienteGrupo_ = 0;  // the next of them for a thread to take
  std::atomic<std::size_t> nGrupos_ = 0;
  std::vector<std::uint32_t> repaso_;        // the turn's groups to go through again
  std::atomic<std::size_t> reservados_ = 0;  // the groups there is room for, when shared
  bool compartido_ = false;                  // a second thread shares the groups out
  std::mutex creando_;                       // held while a group is made, when shared
  bool porCapas_ = false;                    // the groups hold the count
  // Written all the time by the asking thread: on lines of its own, away from what the others read.
  alignas(64) Obrero principal_;
  alignas(64) Reparto reparto_;
  bool puedeRepartir_ = false;           // counting alone, and may share the count out
  bool aRepartir_ = false;               // counted long enough alone: time to share it out
  std::atomic<bool> terminado_ = false;  // the asking thread has its count: the others stop
  std::atomic<bool> crecer_ = false;     // a table wants more room: every thread waits for it
  Barrera* barrera_ = nullptr;           // where the threads wait while it grows
  std::vector<Memoria*> mudanzas_;       // the tables growing
  bool mudando_ = false;                 // between the two steps of growing
  Reloj::time_point empezada_ = Reloj::now();
  Reloj::duration tope_;
  const std::function<void()>& alTardar_;
  bool avisado_ = false;
  std::atomic<bool> cortado_ = false;
};

// A piece takes some of the free positions where rows hold it, in place for them; some of the
// free positions that no longer matter; and promises some copies to positions that still do.
// Then the positions that only it still mattered to stop mattering.
template <bool kPorJugada, typename Hijo>
void Contador::Colocar(int turno, const Situacion& s, Hojas& hojas, Hijo&& hijo) const {
  const Turno& t = turnos_[static_cast<std::size_t>(turno)];
  const int copias = Copias(turno, s);
  const int prometibles = Unos(static_cast<Mascara>(s.libres & ~t.enFilas));
  Jugada jugada;
  const auto quedan = static_cast<Mascara>(s.libres & ~t.mueren);
  // The promises as they stand once the positions are shared out; false when one no longer fits.
  auto terminar = [&](Situacion& d) {
    d.libres = static_cast<Mascara>(d.libres & quedan);
    int siguen = 0;
    for (int i = 0; i < d.esperando; ++i) {
      Promesa p = d.promesas[static_cast<std::size_t>(i)];
      p.vetadas &= d.libres;  // a taken position is out of reach anyway: alike situations meet
      if (p.copias > Unos(static_cast<Mascara>(d.libres & ~p.vetadas))) {
        return false;
      }
      if (p.copias > 0) {
        d.promesas[static_cast<std::size_t>(siguen++)] = p;
      }
    }
    std::fill(d.promesas.begin() + siguen, d.promesas.end(), Promesa{});
    d.esperando = static_cast<std::int8_t>(siguen);
    std::sort(d.promesas.begin(), d.promesas.begin() + siguen);
    return true;
  };
  // Who takes position `q` as it stops mattering: no one, while the copies still promised fit
  // the positions that go on mattering and those still to stop (`resto`), or a promised copy,
  // each kind of promise once, as many times as there are promises of that kind. Calls
  // `f(despues, promesa, veces)`, with -1 for no one.
  auto destinos = [&](const Situacion& d, int q, Mascara resto, auto&& f) {
    if (d.Prometidas() - Unos(static_cast<Mascara>(d.libres & quedan)) <= Unos(resto)) {
      Situacion abierta = d;
      ++abierta.abiertas;
      f(abierta, -1, Cuenta{1});
    }
    for (int i = 0; i < d.esperando; ++i) {
      const Promesa p = d.promesas[static_cast<std::size_t>(i)];
      if (p.copias == 0 || (p.vetadas >> q & 1) != 0 ||
          std::find(d.promesas.begin(), d.promesas.begin() + i, p) != d.promesas.begin() + i) {
        continue;
      }
      const auto iguales = std::count(d.promesas.begin(), d.promesas.begin() + d.esperando, p);
      Situacion tomada = d;
      --tomada.promesas[static_cast<std::size_t>(i)].copias;
      f(tomada, i, static_cast<Cuenta>(iguales));
    }
  };
  // Drawing a code, each way of sharing the positions out is told apart.
  auto repartir = [&](auto& self, Situacion& d, Mascara mueren, Cuenta maneras) -> void {
    if (mueren == 0) {
      if (terminar(d)) {
        hijo(d, maneras, jugada);
      }
      return;
    }
    const int q = std::countr_zero(mueren);
    const auto resto = static_cast<Mascara>(mueren & (mueren - 1));
    destinos(d, q, resto, [&](Situacion& despues, int promesa, Cuenta veces) {
      jugada.destino[static_cast<std::size_t>(q)] = promesa;
      self(self, despues, resto, maneras * veces);
    });
  };
  // The positions that stop mattering once the piece has made its promise; false when the copies
  // promised cannot all take a position.
  auto seguir = [&](Situacion& d, Cuenta maneras) -> bool {
    const int mueren = Unos(static_cast<Mascara>(d.libres & t.mueren));
    const int siguen = Unos(static_cast<Mascara>(d.libres & quedan));
    const int enEspera = d.Prometidas();
    if (enEspera > siguen + mueren) {
      return false;
    }
    // What each row can still get does not depend on which positions the promises take.
    if (!Posible(turno + 1, d, siguen + d.abiertas + mueren - enEspera)) {
      return true;
    }
    if constexpr (kPorJugada) {
      repartir(repartir, d, static_cast<Mascara>(d.libres & t.mueren), maneras);
    } else {
      // Sharing the same copies out over other positions leads to the same situation: the
      // situations that meet go on as one, with all their ways.
      Reunidas* ahora = &hojas.una;
      Reunidas* luego = &hojas.otra;
      ahora->Vaciar();
      ahora->Sumar(d, maneras);
      for (auto m = static_cast<Mascara>(d.libres & t.mueren); m != 0;
           m &= static_cast<Mascara>(m - 1)) {
        luego->Vaciar();
        for (const Reunidas::Hoja& antes : ahora->Lista()) {
          destinos(antes.first, std::countr_zero(m), static_cast<Mascara>(m & (m - 1)),
                   [&](const Situacion& despues, int, Cuenta veces) {
                     luego->Sumar(despues, antes.second * veces);
                   });
        }
        std::swap(ahora, luego);
      }
      for (auto& [hoja, suyas] : ahora->Lista()) {
        if (terminar(hoja)) {
          hijo(hoja, suyas, jugada);
        }
      }
    }
    return true;
  };
  // Whether the piece may place these copies; false too when more promised copies cannot be.
  auto probar = [&](Mascara enSitio, int sueltas, int prometidas) -> bool {
    Situacion d = s;
    if (!Ganar(t, d, enSitio, Unos(enSitio) + sueltas + prometidas)) {
      return false;
    }
    d.libres &= static_cast<Mascara>(~enSitio);
    d.abiertas -= sueltas;
    jugada.enSitio = enSitio;
    jugada.sueltas = sueltas;
    jugada.prometidas = prometidas;
    if (prometidas > 0) {
      d.promesas[static_cast<std::size_t>(d.esperando++)] = {
          static_cast<Mascara>(d.libres & t.enFilas), static_cast<std::uint8_t>(prometidas)};
    }
    return seguir(d, Combinaciones(s.abiertas, sueltas));
  };
  CadaEnSitio(
      static_cast<Mascara>(s.libres & t.enFilas), copias, [&](Mascara enSitio, int tomadas) {
        for (int sueltas = 0; sueltas <= std::min<int>(s.abiertas, copias - tomadas); ++sueltas) {
          for (int prometidas = 0; prometidas <= std::min(prometibles, copias - tomadas - sueltas);
               ++prometidas) {
            if (!probar(enSitio, sueltas, prometidas)) {
              break;
            }
          }
        }
      });
}

// Summed, a piece's copies not in place join those alike, which take their positions only at the
// end, among all that are free then: the positions that stop mattering are simply left open. A
// copy may not stand where a row holds the piece, as it would be in place there: each set of
// those positions, taken by copies, gives codes that are taken back out when the set is odd and
// put back in when it is even, which leaves the codes that keep the piece off all of them.
template <typename Hijo>
void Contador::ColocarSumada(int turno, const Situacion& s, Hijo&& hijo) const {
  const Turno& t = turnos_[static_cast<std::size_t>(turno)];
  const int antes = s.Prometidas();
  // Whether the piece may take `fueraDeSitio` copies besides those in place; false too when more
  // cannot.
  auto probar = [&](Mascara enSitio, int fueraDeSitio) -> bool {
    Situacion d = s;
    if (!Ganar(t, d, enSitio, Unos(enSitio) + fueraDeSitio)) {
      return false;
    }
    d.libres &= static_cast<Mascara>(~enSitio);
    if (antes + fueraDeSitio > Unos(d.libres) + d.abiertas) {
      return false;  // no room for the copies alike, nor for more of them
    }
    // The positions the signed sums take leave the pieces to come as many as they take from the
    // copies alike: what each row can still get in common does not depend on them, only what it
    // can still get in place.
    if (!Posible(turno + 1, d, Unos(d.libres) + d.abiertas - antes - fueraDeSitio)) {
      return true;
    }
    SumarPromesa(d.libres, static_cast<Mascara>(d.libres & t.enFilas), 0, fueraDeSitio, antes, 1,
                 [&](Mascara libres, int, int juntas, Cuenta maneras) {
                   if (libres != d.libres && !CabenEnSitio(turno + 1, d, libres)) {
                     return;
                   }
                   const auto mueren = static_cast<Mascara>(libres & t.mueren);
                   Situacion despues = Juntas(d, static_cast<Mascara>(libres & ~mueren), juntas);
                   despues.abiertas = static_cast<std::int8_t>(despues.abiertas + Unos(mueren));
                   hijo(despues, maneras, Jugada{});
                 });
    return true;
  };
  const int copias = Copias(turno, s);
  CadaEnSitio(static_cast<Mascara>(s.libres & t.enFilas), copias,
              [&](Mascara enSitio, int tomadas) {
                for (int fueraDeSitio = 0; fueraDeSitio <= copias - tomadas; ++fueraDeSitio) {
                  if (!probar(enSitio, fueraDeSitio)) {
                    break;
                  }
                }
              });
}

}  // namespace quorbel::posibles
