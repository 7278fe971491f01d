// The count itself: the pieces in turn, what each may do, and the safety nets.
#include "Contador.h"

#include <algorithm>
#include <limits>
#include <system_error>
#include <thread>

namespace quorbel::posibles {

// Every count is at most the number of codes of the largest game, and so are its partial sums.
constexpr bool CabenLosCodigos() {
  Cuenta codigos = 1;
  for (int i = 0; i < kMaxCasillas; ++i) {
    if (codigos > std::numeric_limits<Cuenta>::max() / kMaxFichas) {
      return false;
    }
    codigos *= kMaxFichas;
  }
  return true;
}
static_assert(CabenLosCodigos(), "a count of codes must fit in 64 bits");

namespace {

constexpr int kBitsSituacion = 5 + kMaxCasillas + 4;  // the turn, the free and open positions
constexpr int kBitsPromesas = 4 + (kMaxCasillas + 4) * kMaxCasillas;

// What a row has gained takes a number below (in place + 1) × (in common + 1) in a key.
int BitsFila(const Puntuacion& p) {
  return std::bit_width(static_cast<unsigned>((p.muertos + 1) * (p.muertos + p.tocados + 1) - 1));
}
std::size_t Palabras(std::span<const FilaPuntuada> filas, int bitsPromesas) {
  int bits = kBitsSituacion + bitsPromesas;
  for (const FilaPuntuada& f : filas) {
    bits += BitsFila(f.puntuacion);
  }
  return static_cast<std::size_t>(bits + 63) / 64;
}
// What the rows lack in common, with the turn and the free positions, fits two words.
static_assert(5 + 4 + 4 * kMaxFilas <= 64 * 2);
// Even the largest game, with every row scored all right, fits the longest key.
static_assert(kBitsSituacion + 7 * kMaxFilas + kBitsPromesas <=
              64 * static_cast<int>(Memoria::kMaxPalabras));

// Few rows leave few dead ends, and promises of many kinds: summed, and counted by groups, they
// are counted faster. Many rows leave many dead ends, which only the quick pass over vetoed
// promises cuts early enough.
bool SeSuman(Promesas promesas, int casillas, bool repetidos, std::span<const FilaPuntuada> filas) {
  if (promesas != Promesas::SegunFilas) {
    return promesas == Promesas::Sumadas;
  }
  return static_cast<int>(filas.size()) + (repetidos ? kSumadasConRepetidosHasta : kSumadasHasta) <=
         casillas;
}

}  // namespace

int Situacion::Prometidas() const {
  int n = 0;
  for (int i = 0; i < esperando; ++i) {
    n += promesas[static_cast<std::size_t>(i)].copias;
  }
  return n;
}

Contador::Contador(int casillas, bool repetidos, std::span<const FilaPuntuada> filas, int fichas,
                   Reloj::duration tope, const std::function<void()>& alTardar,
                   const Reparto& reparto)
    : casillas_(casillas),
      repetidos_(repetidos),
      sumadas_(SeSuman(reparto.promesas, casillas, repetidos, filas)),
      filas_(filas.size()),
      // Summed, a situation has a single promise, told by its number of copies.
      cuentas_(Palabras(filas, sumadas_ ? 4 : kBitsPromesas)),
      viables_(Palabras(filas, 4)),
      // A group's key: two bytes, then one per row.
      indiceGrupos_((2 + filas.size() + 7) / 8),
      reparto_(reparto),
      tope_(tope),
      alTardar_(alTardar) {
  for (Memoria* memoria : {&cuentas_, &viables_, &indiceGrupos_}) {
    memoria->Usar(&terreno_);
  }
  grupos_.Usar(&terreno_);
  aparte_.Usar(&terreno_);
  valores_.Usar(&terreno_);
  for (Taller& t : talleres_) {
    t.formas.Usar(&terreno_);
    t.cortes.Usar(&terreno_);
    t.siguientes.Usar(&terreno_);
  }
  Ordenar(filas, fichas);
  std::array<int, kMaxFichas + 1> turnoDe{};
  turnoDe.fill(-1);
  for (std::size_t i = 0; i < turnos_.size(); ++i) {
    turnoDe[static_cast<std::size_t>(turnos_[i].pieza)] = static_cast<int>(i);
  }
  std::array<int, kMaxCasillas> ultimoEn{};  // per position, the turn of its last piece
  ultimoEn.fill(-1);
  for (std::size_t r = 0; r < filas.size(); ++r) {
    filas_[r].muertos = filas[r].puntuacion.muertos;
    filas_[r].comunes = filas[r].puntuacion.muertos + filas[r].puntuacion.tocados;
    filas_[r].bits = BitsFila(filas[r].puntuacion);
    for (int p = 0; p < casillas; ++p) {
      const int pieza = filas[r].piezas[static_cast<std::size_t>(p)];
      if (pieza < 1 || pieza > fichas) {
        continue;
      }
      const int i = turnoDe[static_cast<std::size_t>(pieza)];
      Turno& t = turnos_[static_cast<std::size_t>(i)];
      if (t.donde[r] == 0) {
        t.filas.push_back(static_cast<int>(r));
      }
      t.donde[r] = static_cast<Mascara>(t.donde[r] | 1u << p);
      t.enFilas = static_cast<Mascara>(t.enFilas | 1u << p);
      filas_[r].ultimo = std::max(filas_[r].ultimo, i);
      ultimoEn[static_cast<std::size_t>(p)] = std::max(ultimoEn[static_cast<std::size_t>(p)], i);
    }
  }
  for (int p = 0; p < casillas; ++p) {
    const int i = ultimoEn[static_cast<std::size_t>(p)];
    if (i < 0) {
      ++inicio_.abiertas;
      continue;
    }
    Mascara& mueren = turnos_[static_cast<std::size_t>(i)].mueren;
    mueren = static_cast<Mascara>(mueren | 1u << p);
    inicio_.libres = static_cast<Mascara>(inicio_.libres | 1u << p);
  }
  for (std::size_t i = turnos_.size(); i-- > 0;) {
    Turno& t = turnos_[i];
    t.importan =
        static_cast<Mascara>(t.mueren | (i + 1 < turnos_.size() ? turnos_[i + 1].importan : 0));
    for (std::size_t r = 0; r < filas.size(); ++r) {
      t.faltan[r] = static_cast<Mascara>(t.donde[r] |
                                         (i + 1 < turnos_.size() ? turnos_[i + 1].faltan[r] : 0));
      if (t.faltan[r] != 0) {
        t.activas.push_back(static_cast<int>(r));
      }
    }
  }
}

// The pieces that low-scoring rows hold come first: they can take few copies, if any, so the
// count branches little on them. Among those alike, the pieces whose rows score lowest on
// average, then the order in which the rows hold them.
void Contador::Ordenar(std::span<const FilaPuntuada> filas, int fichas) {
  struct Orden {
    int menor = std::numeric_limits<int>::max();  // the lowest score of a row that holds it
    int veces = 0;
    int puntos = 0;  // the scores of the rows that hold it, added up once per copy
    int primera = -1;
  };
  std::array<Orden, kMaxFichas + 1> orden{};
  int vistas = 0;
  for (const FilaPuntuada& f : filas) {
    for (int pieza : f.piezas) {
      if (pieza < 1 || pieza > fichas) {
        continue;
      }
      Orden& o = orden[static_cast<std::size_t>(pieza)];
      o.menor = std::min(o.menor, f.puntuacion.muertos + f.puntuacion.tocados);
      ++o.veces;
      o.puntos += f.puntuacion.muertos + f.puntuacion.tocados;
      if (o.primera < 0) {
        o.primera = vistas++;
        turnos_.emplace_back().pieza = pieza;
      }
    }
  }
  for (int pieza = 1; pieza <= fichas; ++pieza) {
    if (orden[static_cast<std::size_t>(pieza)].primera < 0) {
      otrasPiezas_.push_back(pieza);
    }
  }
  std::sort(turnos_.begin(), turnos_.end(), [&](const Turno& a, const Turno& b) {
    const Orden& x = orden[static_cast<std::size_t>(a.pieza)];
    const Orden& y = orden[static_cast<std::size_t>(b.pieza)];
    if (x.menor != y.menor) {
      return x.menor < y.menor;
    }
    if (x.puntos * y.veces != y.puntos * x.veces) {  // the averages, compared exactly
      return x.puntos * y.veces < y.puntos * x.veces;
    }
    return x.primera < y.primera;
  });
}

// Whether every row can still get its score once the pieces before `siguiente` are placed, with
// `porLlenar` positions left for the pieces to come. A row whose pieces are all placed must have
// it exactly, and is then forgotten: no key or look takes in what it gained.
bool Contador::Posible(int siguiente, const Situacion& s, int porLlenar) const {
  for (int r : turnos_[static_cast<std::size_t>(siguiente - 1)].activas) {
    const Fila& fila = filas_[static_cast<std::size_t>(r)];
    const std::uint8_t g = s.ganado[static_cast<std::size_t>(r)];
    const int enSitio = g & 15, enComun = g >> 4;
    // What a row still lacks in place it must also still lack in common.
    if (fila.muertos - enSitio > fila.comunes - enComun) {
      return false;
    }
    if (fila.ultimo < siguiente) {
      if (enSitio != fila.muertos || enComun != fila.comunes) {
        return false;
      }
      continue;
    }
    const Mascara faltan = turnos_[static_cast<std::size_t>(siguiente)].faltan[r];
    if (enComun + std::min(porLlenar, Unos(faltan)) < fila.comunes) {
      return false;
    }
  }
  const int piezas = static_cast<int>(turnos_.size() + otrasPiezas_.size()) - siguiente;
  return CabenEnSitio(siguiente, s, s.libres) &&
         (porLlenar == 0 || (repetidos_ ? piezas > 0 : porLlenar <= piezas));
}

bool Contador::CabenEnSitio(int siguiente, const Situacion& s, Mascara libres) const {
  for (int r : turnos_[static_cast<std::size_t>(siguiente - 1)].activas) {
    const auto ri = static_cast<std::size_t>(r);
    const Fila& fila = filas_[ri];
    if (fila.ultimo < siguiente) {
      continue;  // all its pieces placed: nothing more comes to it in place
    }
    const Mascara faltan = turnos_[static_cast<std::size_t>(siguiente)].faltan[ri];
    if ((s.ganado[ri] & 15) + Unos(static_cast<Mascara>(libres & faltan)) < fila.muertos) {
      return false;
    }
  }
  return true;
}

int Contador::Copias(int turno, const Situacion& s) const {
  const Turno& t = turnos_[static_cast<std::size_t>(turno)];
  int copias = repetidos_ ? casillas_ : 1;
  // Each copy takes a position from the pieces to come, and brings one in common only to a row
  // that holds the piece, up to the copies it holds there.
  const int sitio = Unos(s.libres) + s.abiertas - s.Prometidas();
  for (int r : t.activas) {
    const auto ri = static_cast<std::size_t>(r);
    const int holgura = filas_[ri].comunes - (s.ganado[ri] >> 4);
    const int suyas = Unos(t.donde[ri]);
    if (holgura < suyas) {
      copias = std::min(copias, holgura);
    }
    if (filas_[ri].ultimo > turno) {
      copias = std::min(copias, sitio - holgura + suyas);
    }
  }
  return copias;
}

bool Contador::Ganar(const Turno& t, Situacion& d, Mascara enSitio, int copias) const {
  for (int r : t.filas) {
    const auto ri = static_cast<std::size_t>(r);
    const Fila& fila = filas_[ri];
    const int enSitioFila = (d.ganado[ri] & 15) + Unos(enSitio & t.donde[ri]);
    const int enComun = (d.ganado[ri] >> 4) + std::min(copias, Unos(t.donde[ri]));
    if (enSitioFila > fila.muertos || enComun > fila.comunes) {
      return false;
    }
    d.ganado[ri] = static_cast<std::uint8_t>(enSitioFila | enComun << 4);
  }
  return true;
}

// A closer look at a new situation: what each piece still to come can bring, given where it may
// still stand (not in place for a row that has all it needs in place) and how many copies the
// rows leave it.
bool Contador::Alcanzable(int turno, const Situacion& s) const {
  const int huecos = Unos(s.libres) + s.abiertas - s.Prometidas();
  const int otras = static_cast<int>(otrasPiezas_.size());
  int caben = otras == 0 ? 0 : (repetidos_ ? huecos : std::min(otras, huecos));
  std::array<int, kMaxFilas> enComun{};
  std::array<Mascara, kMaxFilas> enSitio{};
  for (std::size_t j = static_cast<std::size_t>(turno); j < turnos_.size(); ++j) {
    const Turno& t = turnos_[j];
    Mascara vetadas = 0;
    for (int r : t.filas) {
      const auto ri = static_cast<std::size_t>(r);
      if ((s.ganado[ri] & 15) == filas_[ri].muertos) {
        vetadas |= t.donde[ri];
      }
    }
    const int sitios = Unos(static_cast<Mascara>(s.libres & ~vetadas)) + s.abiertas;
    int copias = repetidos_ ? sitios : std::min(1, sitios);
    for (int r : t.filas) {
      const auto ri = static_cast<std::size_t>(r);
      const int holgura = filas_[ri].comunes - (s.ganado[ri] >> 4);
      if (holgura < Unos(t.donde[ri])) {
        copias = std::min(copias, holgura);
      }
    }
    caben += copias;
    if (copias > 0) {
      for (int r : t.filas) {
        const auto ri = static_cast<std::size_t>(r);
        enComun[ri] += std::min(copias, Unos(t.donde[ri]));
        enSitio[ri] |= static_cast<Mascara>(t.donde[ri] & s.libres & ~vetadas);
      }
    }
  }
  if (caben < huecos) {
    return false;
  }
  for (int r : turnos_[static_cast<std::size_t>(turno)].activas) {
    const auto ri = static_cast<std::size_t>(r);
    if ((s.ganado[ri] >> 4) + enComun[ri] < filas_[ri].comunes ||
        (s.ganado[ri] & 15) + Unos(enSitio[ri]) < filas_[ri].muertos) {
      return false;
    }
  }
  return true;
}

Situacion Juntas(const Situacion& s, Mascara libres, int copias) {
  Situacion p = s;
  p.libres = libres;
  p.promesas.fill(Promesa{});
  p.esperando = copias > 0 ? 1 : 0;
  p.promesas[0].copias = static_cast<std::uint8_t>(copias);
  return p;
}

// The situations that follow `s`, as `preparar` makes them, each keyed with its slot in `memoria`
// fetched ahead: most of a large count goes in waiting for its tables. Those after the last
// piece are not keyed: what follows them is known without a table.
template <typename Preparar, typename Clavar>
const std::vector<Contador::Siguiente>& Contador::Siguientes(
    int turno, const Situacion& s, bool sumadas, Preparar&& preparar, Clavar&& clave,
    const Memoria& memoria, Hojas& hojas, std::vector<Siguiente>& siguientes) const {
  siguientes.clear();
  auto hijo = [&](const Situacion& despues, Cuenta maneras, const Jugada&) {
    Siguiente& siguiente = siguientes.emplace_back(Siguiente{preparar(despues), maneras, {}, 0});
    if (!TodasColocadas(turno + 1)) {
      siguiente.llave = clave(turno + 1, siguiente.despues);
      siguiente.hash = memoria.Hash(siguiente.llave);
      memoria.Anticipar(siguiente.hash);
    }
  };
  if (sumadas) {
    ColocarSumada(turno, s, hijo);
  } else {
    Colocar(turno, s, hojas, hijo);
  }
  return siguientes;
}

// A quick first answer that spares the count the situations that lead nowhere: it has far fewer
// situations to go through, and stops at the first code it finds.
bool Contador::Viable(Obrero& o, int turno, const Situacion& s) {
  if (TodasColocadas(turno)) {
    return s.esperando == 0 &&
           Relleno(otrasPiezas_.size(), s.abiertas + Unos(s.libres), repetidos_) > 0;
  }
  const Llave llave = ClaveViable(turno, s);
  return Viable(o, turno, s, llave, viables_.Hash(llave));
}

bool Contador::Viable(Obrero& o, int turno, const Situacion& s, const Llave& llave,
                      std::size_t hash) {
  if (const Cuenta* hecha = viables_.Buscar(llave, hash)) {
    return *hecha == 1;
  }
  Vigilar(o);
  bool viable = false;
  if (Prometedora(o, turno, s)) {
    const std::vector<Siguiente>& siguientes = Siguientes(
        turno, s, false, Proyectar, [this](int t, const Situacion& d) { return ClaveViable(t, d); },
        viables_, o.hojas, o.siguientesViables[static_cast<std::size_t>(turno)]);
    for (std::size_t i = 0; i < siguientes.size() && !viable && !Parado(o); ++i) {
      const Siguiente& siguiente = siguientes[o.EnSuOrden(i, siguientes.size())];
      viable = TodasColocadas(turno + 1)
                   ? Viable(o, turno + 1, siguiente.despues)
                   : Viable(o, turno + 1, siguiente.despues, siguiente.llave, siguiente.hash);
    }
  }
  if (Parado(o) && !viable) {
    return false;  // not looked at to the end: nothing known
  }
  Guardar(viables_, llave, viable ? 1 : 2);
  return viable;
}

// A situation packed bit by bit into a key: the tables hold millions of them.
class Empaque {
 public:
  void Poner(unsigned valor, int bits) {
    palabras_[palabra_] |= std::uint64_t{valor} << desde_;
    desde_ += bits;
    if (desde_ >= 64) {
      desde_ -= 64;
      ++palabra_;
      if (desde_ > 0) {
        palabras_[palabra_] |= std::uint64_t{valor} >> (bits - desde_);
      }
    }
  }
  const Memoria::Clave& Palabras() const { return palabras_; }

 private:
  Memoria::Clave palabras_{};
  std::size_t palabra_ = 0;
  int desde_ = 0;
};

// The turn, the free positions, and what each row has gained, in place and in common together;
// only the rows with pieces still to come: the others have been forgotten.
template <typename E>
void Contador::Situar(E& e, int turno, const Situacion& s) const {
  e.Poner(static_cast<unsigned>(turno + 1), 5);  // never zero: an all-zero key is an empty slot
  e.Poner(s.libres, kMaxCasillas);
  e.Poner(static_cast<unsigned>(s.abiertas), 4);
  for (int r : turnos_[static_cast<std::size_t>(turno)].activas) {
    const auto ri = static_cast<std::size_t>(r);
    const Fila& fila = filas_[ri];
    e.Poner(static_cast<unsigned>((s.ganado[ri] & 15) * (fila.comunes + 1) + (s.ganado[ri] >> 4)),
            fila.bits);
  }
}

Contador::Llave Contador::Clave(int turno, const Situacion& s) const {
  Empaque e;
  Situar(e, turno, s);
  e.Poner(static_cast<unsigned>(s.esperando), 4);
  for (std::size_t i = 0; i < static_cast<std::size_t>(s.esperando); ++i) {
    e.Poner(s.promesas[i].vetadas, kMaxCasillas);
    e.Poner(static_cast<unsigned>(s.promesas[i].copias), 4);
  }
  return e.Palabras();
}

// A projected situation has its promises merged into one, told by its number of copies only.
Contador::Llave Contador::ClaveViable(int turno, const Situacion& s) const {
  Empaque e;
  Situar(e, turno, s);
  e.Poner(static_cast<unsigned>(s.Prometidas()), 4);
  return e.Palabras();
}

bool Contador::Prometedora(Obrero& o, int turno, const Situacion& s, bool alcance) {
  Faltan faltan{};
  for (int r : turnos_[static_cast<std::size_t>(turno)].activas) {
    const auto ri = static_cast<std::size_t>(r);
    faltan[ri] = static_cast<std::int8_t>(filas_[ri].comunes - (s.ganado[ri] >> 4));
  }
  return (!alcance || Alcanzable(turno, s)) &&
         EnComun(o, turno, faltan, Unos(s.libres) + s.abiertas - s.Prometidas());
}

// Whether each piece to come can take some number of copies, `huecos` of them in all with the
// pieces no row holds, so that every row gets exactly what it lacks in common. Where they stand
// is left out: few situations, and most of those that lead nowhere already show here.
bool Contador::EnComun(Obrero& o, int turno, const Faltan& faltan, int huecos) {
  if (TodasColocadas(turno)) {
    const auto otras = static_cast<int>(otrasPiezas_.size());
    return huecos == 0 || (otras > 0 && (repetidos_ || huecos <= otras));
  }
  const Turno& t = turnos_[static_cast<std::size_t>(turno)];
  // Each copy still to come gives a row one at the most, and only its own pieces' copies do.
  for (int r : t.activas) {
    if (faltan[static_cast<std::size_t>(r)] >
        std::min(huecos, Unos(t.faltan[static_cast<std::size_t>(r)]))) {
      return false;
    }
  }
  Empaque e;
  e.Poner(static_cast<unsigned>(turno + 1), 5);  // never zero: an all-zero key is an empty slot
  e.Poner(static_cast<unsigned>(huecos), 4);
  for (int r : t.activas) {
    e.Poner(static_cast<unsigned>(faltan[static_cast<std::size_t>(r)]), 4);
  }
  const Llave llave = e.Palabras();
  if (const Cuenta* hecha = o.comunes.Buscar(llave)) {
    return *hecha == 1;
  }
  bool posible = false;
  CadaCopias(turno, faltan, repetidos_ ? huecos : std::min(1, huecos),
             [&](int copias, const Faltan& despues) {
               posible = EnComun(o, turno + 1, despues, huecos - copias);
               return posible;
             });
  o.comunes.Guardar(llave, posible ? 1 : 2);
  return posible;
}

// The same for every number of positions left at once, as bit `huecos`: what a new group asks,
// for all the sizes of its sets. Looking at every number of copies, it costs the count one
// number at a time more than it spares.
std::uint32_t Contador::HuecosEnComun(Obrero& o, int turno, const Faltan& faltan) {
  constexpr std::uint32_t kTodos = (2u << kMaxCasillas) - 1;  // never more than the positions
  if (TodasColocadas(turno)) {
    const auto otras = static_cast<int>(otrasPiezas_.size());
    if (otras == 0) {
      return 1;
    }
    return repetidos_ ? kTodos : (2u << std::min(otras, kMaxCasillas)) - 1;
  }
  const Turno& t = turnos_[static_cast<std::size_t>(turno)];
  // Each copy still to come gives a row one at the most, and only its own pieces' copies do.
  int menos = 0;
  for (int r : t.activas) {
    const int falta = faltan[static_cast<std::size_t>(r)];
    if (falta > Unos(t.faltan[static_cast<std::size_t>(r)])) {
      return 0;
    }
    menos = std::max(menos, falta);
  }
  if (menos > kMaxCasillas) {
    return 0;
  }
  Empaque e;
  e.Poner(static_cast<unsigned>(turno + 1), 5);  // never zero: an all-zero key is an empty slot
  for (int r : t.activas) {
    e.Poner(static_cast<unsigned>(faltan[static_cast<std::size_t>(r)]), 4);
  }
  const Llave llave = e.Palabras();
  if (const Cuenta* hecha = o.huecosEnComun.Buscar(llave)) {
    return static_cast<std::uint32_t>(*hecha);
  }
  std::uint32_t huecos = 0;
  CadaCopias(turno, faltan, repetidos_ ? kMaxCasillas : 1,
             [&](int copias, const Faltan& despues) {  // the copies take as many positions
               huecos |= HuecosEnComun(o, turno + 1, despues) << copias;
               return false;
             });
  huecos &= kTodos & ~((1u << menos) - 1);
  o.huecosEnComun.Guardar(llave, huecos);
  return huecos;
}

// The count's safety nets: it tells once when it keeps the player waiting, and gives up past its
// time or past the room a game may take. Counted long enough alone, it stops to share the count
// out; shared, each thread waits here while a table grows.
void Contador::Vigilar(Obrero& o) {
  if (barrera_ != nullptr && crecer_.load(std::memory_order_relaxed)) {
    barrera_->arrive_and_wait();  // one thread makes the room
    for (Memoria* memoria : mudanzas_) {
      memoria->Mudar();
    }
    barrera_->arrive_and_wait();  // one thread lets the old room go
  }
  if (++o.llamadas % 1024 != 0) {
    return;
  }
  const Reloj::duration pasado = Reloj::now() - empezada_;
  if (o.principal && !avisado_ && pasado >= std::chrono::milliseconds(100)) {
    avisado_ = true;
    if (alTardar_) {
      alTardar_();
    }
  }
  const std::size_t situaciones = cuentas_.Llenas() + viables_.Llenas();
  if (pasado >= tope_ || situaciones >= reparto_.situaciones) {
    cortado_.store(true, std::memory_order_relaxed);
  }
  if (puedeRepartir_ && situaciones >= reparto_.aSolas) {
    aRepartir_ = true;
  }
}

// Alone, a table grows as it fills; shared, it asks the threads to stand still for it.
void Contador::Guardar(Memoria& memoria, const Llave& llave, Cuenta valor) {
  if (barrera_ == nullptr) {
    memoria.Guardar(llave, valor);
    return;
  }
  memoria.Compartir(llave, valor);
  if (memoria.PorCrecer()) {
    crecer_.store(true, std::memory_order_relaxed);
  }
}

// A table grows in two steps, with every thread waiting between them: the last thread to
// arrive makes the new room, or, the second time, lets the old room go.
void Contador::Crecimiento::operator()() const noexcept {
  if (c->mudando_) {
    c->AcabarMudanzas();
    return;
  }
  c->mudando_ = true;
  for (Memoria* memoria : {&c->cuentas_, &c->viables_}) {
    if (!memoria->PorCrecer()) {
      continue;
    }
    try {
      memoria->EmpezarMudanza();
      c->mudanzas_.push_back(memoria);
    } catch (...) {  // no room for more: the count gives up, as past its room
      c->cortado_.store(true, std::memory_order_relaxed);
    }
  }
}

void Contador::AcabarMudanzas() {
  for (Memoria* memoria : mudanzas_) {
    memoria->AcabarMudanza();
  }
  mudanzas_.clear();
  mudando_ = false;
  crecer_.store(false, std::memory_order_relaxed);
}

Cuenta Contador::Total() {
  if (sumadas_ && !turnos_.empty()) {
    return PorCapas();
  }
  if (reparto_.hilos > 1 && reparto_.aSolas == 0) {
    return Repartida();
  }
  puedeRepartir_ = reparto_.hilos > 1;
  const Cuenta total = Completar(principal_, 0, inicio_);
  puedeRepartir_ = false;
  if (!aRepartir_ || Cortado()) {
    return total;
  }
  aRepartir_ = false;
  return Repartida();
}

// Every thread counts the whole from the start, each taking the next situations in its own
// order, and finds in the tables what the others have counted. The asking thread's count is the
// answer; the others stop once it has it.
Cuenta Contador::Repartida() {
  Barrera barrera(static_cast<std::ptrdiff_t>(reparto_.hilos), Crecimiento{this});
  mudanzas_.reserve(2);
  barrera_ = &barrera;
  std::vector<std::thread> hilos;
  // However the asking thread leaves, the others stop and are waited for.
  struct Fin {
    Contador& c;
    std::vector<std::thread>& hilos;
    ~Fin() {
      c.terminado_.store(true, std::memory_order_relaxed);
      c.barrera_->arrive_and_drop();
      for (std::thread& h : hilos) {
        h.join();
      }
      c.barrera_ = nullptr;
      if (c.mudando_) {  // the last thread left between the two steps: the asking one ends it
        c.AcabarMudanzas();
      }
      c.crecer_.store(false, std::memory_order_relaxed);
    }
  } fin{*this, hilos};
  for (unsigned i = 1; i < reparto_.hilos; ++i) {
    try {
      hilos.emplace_back([this, i] {
        Obrero o;
        o.principal = false;
        o.alReves = i % 2 == 1;
        o.desdeLaMitad = i >= 2;
        try {
          Completar(o, 0, inicio_);
        } catch (...) {  // out of memory: the count gives up, as past its room
          cortado_.store(true, std::memory_order_relaxed);
        }
        barrera_->arrive_and_drop();
      });
    } catch (const std::system_error&) {  // no thread to be had: one fewer to wait for
      barrera_->arrive_and_drop();
    }
  }
  return Completar(principal_, 0, inicio_);
}

// Counted with all copies alike, free to take any position left at the end, each promise's copies
// are kept off the positions they may not take: its vetoed ones, and those already open, which
// promised copies never take. Over every set of those positions its copies could take, apart
// from those of the other promises, the codes are taken away when the sets add up to an odd
// number, and added when even.
Cuenta Contador::Codigos(int turno, Situacion s) {
  if (!sumadas_) {
    return Completar(principal_, turno, s);
  }
  Cuenta total = 0;
  // Promise `i` on, with `libres` still free, `abiertas` open and `juntas` copies alike from the
  // promises before.
  auto sumar = [&](auto& self, int i, Mascara libres, int abiertas, int juntas,
                   Cuenta maneras) -> void {
    if (i == s.esperando) {
      Situacion iguales = Juntas(s, libres, juntas);
      iguales.abiertas = static_cast<std::int8_t>(abiertas);
      total += maneras * Completar(principal_, turno, iguales);
      return;
    }
    const Promesa& p = s.promesas[static_cast<std::size_t>(i)];
    SumarPromesa(libres, static_cast<Mascara>(p.vetadas & libres), abiertas, p.copias, juntas,
                 maneras, [&](Mascara despues, int siguenAbiertas, int todas, Cuenta suyas) {
                   self(self, i + 1, despues, siguenAbiertas, todas, suyas);
                 });
  };
  sumar(sumar, 0, s.libres, s.abiertas, 0, 1);
  return total;
}

Cuenta Contador::Completar(Obrero& o, int turno, const Situacion& s) {
  if (TodasColocadas(turno)) {
    const int huecos = s.abiertas + Unos(s.libres);
    if (sumadas_) {  // the copies alike take their positions now, the pieces no row holds the rest
      const int juntas = s.Prometidas();
      return juntas > huecos ? 0
                             : Combinaciones(huecos, juntas) *
                                   Relleno(otrasPiezas_.size(), huecos - juntas, repetidos_);
    }
    return s.esperando == 0 ? Relleno(otrasPiezas_.size(), huecos, repetidos_) : 0;
  }
  const Llave llave = ClaveCuenta(turno, s);
  return Completar(o, turno, s, llave, cuentas_.Hash(llave));
}

Cuenta Contador::Completar(Obrero& o, int turno, const Situacion& s, const Llave& llave,
                           std::size_t hash) {
  if (const Cuenta* hecha = cuentas_.Buscar(llave, hash)) {
    return *hecha;
  }
  if (Cuenta contada = 0; DeCapas(turno, s, contada)) {
    return contada;
  }
  Vigilar(o);
  // One that the quick pass finds leads nowhere is kept in its table only: found there again as
  // fast, and half the room of a large count. Summed, most situations lead somewhere, and the
  // quick pass would go through as many situations as the count: the look at what the rows can
  // still get in common does. The closer look at where each piece may stand costs more there than
  // the few dead ends it finds.
  if (sumadas_ ? !Prometedora(o, turno, s, false) : !Viable(o, turno, Proyectar(s))) {
    return 0;
  }
  Cuenta total = 0;
  const std::vector<Siguiente>& siguientes = Siguientes(
      turno, s, sumadas_, [](const Situacion& d) { return d; },
      [this](int t, const Situacion& d) { return ClaveCuenta(t, d); }, cuentas_, o.hojas,
      o.siguientes[static_cast<std::size_t>(turno)]);
  for (std::size_t i = 0; i < siguientes.size() && !Parado(o); ++i) {
    const Siguiente& siguiente = siguientes[o.EnSuOrden(i, siguientes.size())];
    total += siguiente.maneras *
             (TodasColocadas(turno + 1)
                  ? Completar(o, turno + 1, siguiente.despues)
                  : Completar(o, turno + 1, siguiente.despues, siguiente.llave, siguiente.hash));
  }
  if (Parado(o)) {
    // The codes counted so far: with vetoed promises, fewer than there are, never more; summed,
    // nothing to go by.
    return total;
  }
  Guardar(cuentas_, llave, total);
  return total;
}

}  // namespace quorbel::posibles
