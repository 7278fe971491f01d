// The summed count by groups: situations alike but for their free positions that still matter
// place their piece the same ways, so each way is found once per group, and the free positions
// are followed as bits, far from the tables the count would otherwise wait on.
#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>
#include <new>
#include <optional>
#include <system_error>
#include <thread>

#include "Contador.h"

namespace quorbel::posibles {

// A group's key has room for every row, and four bits are enough for its open positions and
// its copies alike.
static_assert(2 + kMaxFilas <= sizeof(Memoria::Clave) && kMaxCasillas < 16);

Contador::Llave Contador::ClaveGrupo(int turno, int abiertas, int juntas,
                                     const std::array<std::uint8_t, kMaxFilas>& ganado) const {
  std::array<std::uint8_t, sizeof(Llave)> bytes{};
  bytes[0] = static_cast<std::uint8_t>(turno + 1);  // never zero: an all-zero key is an empty slot
  bytes[1] = static_cast<std::uint8_t>(abiertas | juntas << 4);
  std::size_t i = 2;
  for (int r : turnos_[static_cast<std::size_t>(turno)].activas) {
    bytes[i++] = ganado[static_cast<std::size_t>(r)];
  }
  Llave llave;
  std::memcpy(llave.data(), bytes.data(), sizeof llave);
  return llave;
}

Contador::Enlace Contador::GrupoDe(Taller& taller, int turno, int abiertas, int juntas,
                                   const std::array<std::uint8_t, kMaxFilas>& ganado) {
  const Llave llave = ClaveGrupo(turno, abiertas, juntas, ganado);
  if (const Cuenta* hallado = indiceGrupos_.Buscar(llave)) {
    return *hallado;
  }
  const std::uint16_t posibles = HuecosPosibles(*taller.obrero, turno, abiertas, juntas, ganado);
  if (posibles == 0) {  // kept as such, so that it is not looked at again
    const Enlace muerto = Enlazar(kMuerto, 0);
    if (!compartido_) {
      indiceGrupos_.Guardar(llave, muerto);
      return muerto;
    }
    return indiceGrupos_.Unico(llave, muerto).value_or(kSinSitio);
  }
  Grupo g;
  g.posibles = posibles;
  g.turno = static_cast<std::int8_t>(turno);
  g.abiertas = static_cast<std::int8_t>(abiertas);
  g.juntas = static_cast<std::int8_t>(juntas);
  g.ganado = ganado;
  if (!compartido_) {
    const auto i = static_cast<std::uint32_t>(grupos_.size());
    grupos_.push_back(g);
    nGrupos_.store(i + 1, std::memory_order_relaxed);
    const Enlace enlace = Enlazar(i, posibles);
    indiceGrupos_.Guardar(llave, enlace);
    capas_[static_cast<std::size_t>(turno)].push_back(i);
    return enlace;
  }
  // Shared, each thread takes the next place among the groups, in room made between turns, or
  // made now under the lock when a turn makes more. The other thread may make the same group
  // meanwhile: the one kept first in the index is the group, and the other is left unused, as it
  // is when the index is too full to keep it.
  const auto i = static_cast<std::uint32_t>(nGrupos_.fetch_add(1, std::memory_order_relaxed));
  if (i >= reservados_.load(std::memory_order_acquire)) {
    const std::lock_guard cerrojo(creando_);
    Reservar(i + 1);
  }
  grupos_[i] = g;
  const Enlace enlace = Enlazar(i, posibles);
  const std::optional<std::uint64_t> guardado = indiceGrupos_.Unico(llave, enlace);
  if (!guardado) {
    return kSinSitio;
  }
  if (*guardado != enlace) {
    return *guardado;
  }
  taller.nuevos.push_back(i);
  return enlace;
}

std::uint32_t Contador::HuecosDesde(Obrero& o, int turno,
                                    const std::array<std::uint8_t, kMaxFilas>& ganado) {
  const Turno& t = turnos_[static_cast<std::size_t>(turno)];
  Faltan faltan{};
  for (int r : t.activas) {
    const auto ri = static_cast<std::size_t>(r);
    faltan[ri] = static_cast<std::int8_t>(filas_[ri].comunes - (ganado[ri] >> 4));
    if (filas_[ri].muertos - (ganado[ri] & 15) > faltan[ri]) {
      return 0;  // a row lacks more in place than in common
    }
  }
  return HuecosEnComun(o, turno, faltan);
}

// The sizes of sets of free positions from which every row can still get its score in common,
// for a group of `turno`.
std::uint16_t Contador::HuecosPosibles(Obrero& o, int turno, int abiertas, int juntas,
                                       const std::array<std::uint8_t, kMaxFilas>& ganado) {
  // Bit `huecos` for all the positions left, a set's and the open ones, less the copies alike.
  const std::uint32_t huecos = HuecosDesde(o, turno, ganado);
  const std::uint32_t posibles =
      abiertas >= juntas ? huecos >> (abiertas - juntas) : huecos << (juntas - abiertas);
  const Turno& t = turnos_[static_cast<std::size_t>(turno)];
  return static_cast<std::uint16_t>(posibles & ((2u << Unos(t.importan)) - 1));
}

void Contador::Reservar(std::size_t grupos) {
  grupos_.Reservar(grupos);
  aparte_.Reservar(grupos);
  reservados_.store(std::min(grupos_.Capacidad(), aparte_.Capacidad()), std::memory_order_release);
}

// The copies of a way that join those alike, which of all the copies alike they are, and
// against when it takes an odd number of positions against their veto.
Cuenta Contador::Maneras(const Forma& f) const {
  const int tomadas = Unos(f.tomadas);
  const Cuenta maneras = Combinaciones(f.juntas, f.copias - tomadas);
  return (tomadas - Unos(f.enSitio)) % 2 == 0 ? maneras : Cuenta{0} - maneras;
}

Cuenta Contador::ValorEnCapas(const Grupo& g, Mascara libres) const {
  if (!g.Alcanzada(libres)) {
    return 0;
  }
  const std::size_t w = libres >> 6;
  const std::uint64_t antes = g.alcanzadas[w] & ((std::uint64_t{1} << (libres & 63)) - 1);
  return valores_[g.desde[w] + static_cast<std::size_t>(Unos64(antes))];
}

bool Contador::Abrir(Taller& taller, std::uint32_t i) {
  Grupo& g = grupos_[i];
  if (compartido_) {  // the sets the second thread reached it with
    const Marcas& marcas = aparte_[i];
    for (std::size_t w = 0; w < g.alcanzadas.size(); ++w) {
      g.alcanzadas[w] |= marcas.bits[w];
    }
  }
  g.hilo = static_cast<std::int8_t>(&taller - talleres_.data());
  const int turno = g.turno;
  const Turno& t = turnos_[static_cast<std::size_t>(turno)];
  Faltan faltan{};
  // The rows still short in place: where their pieces may still come, and how many they lack.
  std::array<std::pair<Mascara, int>, kMaxFilas> cortas;
  std::size_t nCortas = 0;
  for (int r : t.activas) {
    const auto ri = static_cast<std::size_t>(r);
    faltan[ri] = static_cast<std::int8_t>(filas_[ri].comunes - (g.ganado[ri] >> 4));
    const int enSitio = filas_[ri].muertos - (g.ganado[ri] & 15);
    // What a row still lacks in place it must also still lack in common.
    if (enSitio > faltan[ri]) {
      return false;
    }
    if (enSitio > 0) {
      cortas[nCortas++] = {t.faltan[ri], enSitio};
    }
  }
  // The sets from which every row can still get its score in place; in common, as far as their
  // number tells, they all can: the others were never marked.
  Mascara usadas = 0;
  std::uint32_t tamanos = 0;  // bit `n` when some set has `n` free positions
  int mayor = -1;
  taller.conjuntos.clear();
  g.CadaAlcanzada([&](Mascara libres) {
    bool cabe = (g.posibles >> Unos(libres) & 1) != 0;
    for (std::size_t i = 0; i < nCortas && cabe; ++i) {
      cabe = Unos(static_cast<Mascara>(libres & cortas[i].first)) >= cortas[i].second;
    }
    if (!cabe) {
      g.Olvidar(libres);
      return;
    }
    usadas = static_cast<Mascara>(usadas | libres);
    tamanos |= 1u << Unos(libres);
    mayor = std::max(mayor, Unos(libres));
    taller.conjuntos.push_back(libres);
  });
  if (mayor < 0) {
    return false;
  }
  const int maxCopias = repetidos_ ? casillas_ : 1;
  // By the number of free positions that still matter: the most copies the piece may take.
  std::array<int, kMaxCasillas + 1> topeCopias{};
  for (int libres = 0; libres <= casillas_; ++libres) {
    const int sitio = libres + g.abiertas - g.juntas;
    int copias = std::min(maxCopias, sitio);
    // The copies take positions from the pieces to come, which rows may still need.
    for (int r : t.activas) {
      const auto ri = static_cast<std::size_t>(r);
      if (filas_[ri].ultimo > turno) {
        copias = std::min(copias,
                          sitio - (filas_[ri].comunes - (g.ganado[ri] >> 4)) + Unos(t.donde[ri]));
      }
    }
    topeCopias[static_cast<std::size_t>(libres)] = std::max(-1, copias);
  }
  // By copies: the sizes of sets, among those reached, with room for as many.
  std::array<std::uint32_t, kMaxCasillas + 2> conCabida{};
  for (int libres = 0; libres <= casillas_; ++libres) {
    for (int c = 0; c <= topeCopias[static_cast<std::size_t>(libres)]; ++c) {
      conCabida[static_cast<std::size_t>(c)] |= tamanos & 1u << libres;
    }
  }
  const bool ultimo = turno + 1 == static_cast<int>(turnos_.size());
  // Every way of placing the piece that some set allows, as the summed count places it: the
  // positions it takes are all free in the set, and the set has room for its copies. Most ways
  // on the positions the sets use in all fit none of them. Which sets allow a way is followed as
  // bits, one for each set, a word at a time.
  const std::size_t palabras = (taller.conjuntos.size() + 63) / 64;
  std::array<std::array<std::uint64_t, 16>, kMaxCasillas> conPosicion;   // the sets holding it
  std::array<std::array<std::uint64_t, 16>, kMaxCasillas + 2> conSitio;  // room for so many copies
  for (std::size_t w = 0; w < palabras; ++w) {
    for (int q = 0; q < casillas_; ++q) {
      conPosicion[static_cast<std::size_t>(q)][w] = 0;
    }
    for (int c = 0; c <= maxCopias + 1; ++c) {
      conSitio[static_cast<std::size_t>(c)][w] = 0;
    }
  }
  for (std::size_t k = 0; k < taller.conjuntos.size(); ++k) {
    const std::uint64_t bit = std::uint64_t{1} << (k & 63);
    for (Mascara m = taller.conjuntos[k]; m != 0; m &= static_cast<Mascara>(m - 1)) {
      conPosicion[static_cast<std::size_t>(std::countr_zero(m))][k / 64] |= bit;
    }
    const int tope = topeCopias[static_cast<std::size_t>(Unos(taller.conjuntos[k]))];
    for (int c = 0; c <= std::min(tope, maxCopias); ++c) {
      conSitio[static_cast<std::size_t>(c)][k / 64] |= bit;
    }
  }
  // The sets that allow a way: those of `antes` that also hold `q`, or have room for `copias`.
  using Cuales = std::array<std::uint64_t, 16>;
  auto filtrar = [&](const Cuales& antes, const Cuales& tambien, Cuales& quedan) {
    std::uint64_t alguno = 0;
    for (std::size_t w = 0; w < palabras; ++w) {
      quedan[w] = antes[w] & tambien[w];
      alguno |= quedan[w];
    }
    return alguno != 0;
  };
  // The sets that hold the positions taken in place, one list for each more taken; and for the
  // copies out of place, those with room for them all, one list for each more taken against a
  // veto.
  std::array<Cuales, kMaxCasillas + 1> conEnSitio;
  std::array<Cuales, kMaxCasillas + 2> conContra;
  taller.porOrdenar.clear();
  taller.clases.clear();
  const auto donde = static_cast<Mascara>(t.enFilas & usadas);
  // The ways with the copies in place on `enSitio`, then on more of the positions in `quedan`.
  auto colocar = [&](auto& self, Mascara quedan, Mascara enSitio, int enSitioCopias) -> void {
    const Cuales& cuales = conEnSitio[static_cast<std::size_t>(enSitioCopias)];
    for (int fuera = 0; enSitioCopias + fuera <= maxCopias &&
                        g.juntas + enSitioCopias + fuera <= g.abiertas + mayor;
         ++fuera) {
      if (!filtrar(cuales, conSitio[static_cast<std::size_t>(enSitioCopias + fuera)],
                   conContra[0])) {
        break;  // no set has room for more copies either
      }
      Situacion d;
      d.ganado = g.ganado;
      if (!Ganar(t, d, enSitio, enSitioCopias + fuera)) {
        if (fuera == 0) {
          return;  // more in place would only give more too
        }
        break;  // more copies would only give more in common
      }
      const bool acabadas = std::all_of(t.activas.begin(), t.activas.end(), [&](int r) {
        const auto ri = static_cast<std::size_t>(r);
        return filas_[ri].ultimo != turno ||
               d.ganado[ri] == (filas_[ri].muertos | filas_[ri].comunes << 4);
      });
      if (!acabadas) {
        continue;
      }
      // The sizes of sets from which the rows can still get their scores in common after this
      // way: a set of `n` free positions leaves the pieces to come `n` + the open positions, less
      // the copies alike and the piece's. Most ways lead nowhere from most sets.
      const int copias = enSitioCopias + fuera;
      std::uint32_t vivas = conCabida[static_cast<std::size_t>(copias)];
      if (!ultimo) {
        const std::uint32_t huecos = HuecosDesde(*taller.obrero, turno + 1, d.ganado);
        const int corrimiento = g.abiertas - g.juntas - copias;
        vivas &= corrimiento >= 0 ? huecos >> corrimiento : huecos << -corrimiento;
      }
      if (vivas == 0) {
        continue;
      }
      // The copies out of place, some taken against their veto: each set of at most `fuera` of
      // the positions where rows hold the piece, that some set holds. One class of ways for each
      // number of positions taken against a veto.
      const auto clase = static_cast<std::int32_t>(taller.clases.size());
      taller.clases.resize(taller.clases.size() + static_cast<std::size_t>(fuera) + 1, -1);
      auto tomar = [&](auto& tomarMas, Mascara libres, Mascara contra, int tomadas) -> void {
        taller.porOrdenar.push_back(
            Forma{clase + tomadas, static_cast<Mascara>(enSitio | contra), enSitio,
                  static_cast<std::int8_t>(g.juntas + fuera - tomadas),
                  static_cast<std::int8_t>(copias), static_cast<std::uint16_t>(vivas)});
        if (tomadas == fuera) {
          return;
        }
        const auto nivel = static_cast<std::size_t>(tomadas);
        for (Mascara r = libres; r != 0; r &= static_cast<Mascara>(r - 1)) {
          const int q = std::countr_zero(r);
          if (filtrar(conContra[nivel], conPosicion[static_cast<std::size_t>(q)],
                      conContra[nivel + 1])) {
            tomarMas(tomarMas, static_cast<Mascara>(r & (r - 1)),
                     static_cast<Mascara>(contra | 1u << q), tomadas + 1);
          }
        }
      };
      tomar(tomar, static_cast<Mascara>(donde & ~enSitio), 0, 0);
    }
    const auto nivel = static_cast<std::size_t>(enSitioCopias);
    for (Mascara r = quedan; r != 0; r &= static_cast<Mascara>(r - 1)) {
      const int q = std::countr_zero(r);
      if (filtrar(cuales, conPosicion[static_cast<std::size_t>(q)], conEnSitio[nivel + 1])) {
        self(self, static_cast<Mascara>(r & (r - 1)), static_cast<Mascara>(enSitio | 1u << q),
             enSitioCopias + 1);
      }
    }
  };
  conEnSitio[0].fill(~std::uint64_t{0});  // with nothing in place, every set allows a way
  colocar(colocar, donde, 0, 0);
  // Each way goes with each size of sets it may lead to codes from: a set goes only through
  // those of its size.
  std::array<std::uint32_t, kMaxCasillas + 2> desde{};
  for (const Forma& f : taller.porOrdenar) {
    for (std::uint32_t v = f.vivas; v != 0; v &= v - 1) {
      ++desde[static_cast<std::size_t>(std::countr_zero(v)) + 1];
    }
  }
  Trozos<Forma>& formas = taller.formas;
  Trozos<std::uint32_t>& cortes = taller.cortes;
  Trozos<Enlace>& siguientes = taller.siguientes;
  const auto primera = static_cast<std::uint32_t>(formas.size());
  g.cortes = static_cast<std::uint32_t>(cortes.size());
  const auto tamanosTodos = static_cast<std::size_t>(casillas_) + 2;
  cortes.Crecer(cortes.size() + tamanosTodos);
  for (std::size_t n = 0; n < tamanosTodos; ++n) {
    if (n > 0) {
      desde[n] += desde[n - 1];
    }
    cortes[g.cortes + n] = primera + desde[n];
  }
  formas.Crecer(formas.size() + desde[tamanosTodos - 1]);
  for (Forma f : taller.porOrdenar) {
    // Ways alike but for the positions they take against a veto lead to the same groups, so
    // they share their slots: one for each number of positions that stop mattering.
    std::int32_t& suyas = taller.clases[static_cast<std::size_t>(f.siguientes)];
    if (suyas < 0) {
      suyas = static_cast<std::int32_t>(siguientes.size());
      siguientes.Crecer(
          siguientes.size() + 1 +
          static_cast<std::size_t>(Unos(static_cast<Mascara>(t.mueren & ~f.enSitio))));
    }
    f.siguientes = suyas;
    for (std::uint32_t v = f.vivas; v != 0; v &= v - 1) {
      formas[primera + desde[static_cast<std::size_t>(std::countr_zero(v))]++] = f;
    }
  }
  taller.bytes.store(formas.Bytes() + cortes.Bytes() + siguientes.Bytes(),
                     std::memory_order_relaxed);
  return true;
}

// The safety nets, every so many sets forward or groups back: the asking thread tells once of
// the wait, and any thread gives the count up past its time or its room. A set can take long to
// go through: looked at every thousand, the wait was sometimes never told.
bool Contador::Seguir(Taller& taller) {
  if (++taller.vistas % 64 != 0) {
    return true;
  }
  const Reloj::duration pasado = Reloj::now() - empezada_;
  if (&taller == talleres_.data() && !avisado_ && pasado >= std::chrono::milliseconds(100)) {
    avisado_ = true;
    if (alTardar_) {
      alTardar_();
    }
  }
  // As many sets and groups as the table count keeps situations, and as much room as those
  // take there: a group with its ways takes far more than a situation.
  const std::size_t grupos = nGrupos_.load(std::memory_order_relaxed);
  std::size_t bytes = indiceGrupos_.Bytes() + valores_.Bytes() +
                      grupos * (sizeof(Grupo) + (compartido_ ? sizeof(Marcas) : 0));
  for (const Taller& t : talleres_) {
    bytes += t.bytes.load(std::memory_order_relaxed);
  }
  if (pasado >= tope_ || taller.vistas + grupos >= reparto_.situaciones ||
      bytes >= reparto_.situaciones * kBytesPorSituacion) {
    cortado_.store(true, std::memory_order_relaxed);
  }
  return !Cortado();
}

// Each group of the turn drops the sets no code follows, lists its ways, and marks the sets of
// the groups that follow.
void Contador::AvanzarCapa(Taller& taller) {
  const int turno = capa_;
  const Turno& t = turnos_[static_cast<std::size_t>(turno)];
  const auto& capa = capas_[static_cast<std::size_t>(turno)];
  const bool ultimo = turno + 1 == static_cast<int>(turnos_.size());
  const bool principal = &taller == talleres_.data();
  // Again, the groups left for want of room in the index, already open: marking twice is harmless.
  const bool repaso = fase_ == Fase::Repaso;
  const auto& grupos = repaso ? repaso_ : capa;
  std::size_t tomados = 0;
  for (std::size_t k = Tomar(taller, grupos.size(), tomados); k < grupos.size() && !Cortado();
       k = Tomar(taller, grupos.size(), tomados)) {
    const std::uint32_t i = grupos[k];
    Grupo& g = grupos_[i];
    if (!repaso && !Abrir(taller, i)) {
      g.alcanzadas.fill(0);
      continue;
    }
    if (ultimo) {
      continue;
    }
    Trozos<Enlace>& siguientes = talleres_[static_cast<std::size_t>(g.hilo)].siguientes;
    bool sinSitio = false;
    g.CadaAlcanzada([&](Mascara libres) {
      if (sinSitio || !Seguir(taller)) {
        return;
      }
      CadaForma(g, libres, [&](const Forma& f, Mascara resto) {
        const int muertas = Unos(static_cast<Mascara>(resto & t.mueren));
        Enlace& enlace = siguientes[static_cast<std::size_t>(f.siguientes + muertas)];
        if (enlace == 0 && !sinSitio) {
          Situacion d;
          d.ganado = g.ganado;
          Ganar(t, d, f.enSitio, f.copias);
          const Enlace nuevo = GrupoDe(taller, turno + 1, g.abiertas + muertas, f.juntas, d.ganado);
          sinSitio = nuevo == kSinSitio;
          if (!sinSitio) {
            enlace = nuevo;
          }
        }
        const auto despues = static_cast<Mascara>(resto & ~t.mueren);
        if (Sigue(enlace, despues)) {
          const std::size_t s = Destino(enlace);
          Marcar(principal ? grupos_[s].alcanzadas : aparte_[s].bits, despues);
        }
      });
    });
    if (sinSitio) {
      taller.pendientes.push_back(i);
    }
  }
}

// The next of a turn's `n` groups for a thread: the asking thread takes them from the first on, the
// second from the last back, until they meet. A turn lists first the groups the asking thread
// made, so each thread mostly goes on with groups that are still at hand in its own cache.
std::size_t Contador::Tomar(const Taller& taller, std::size_t n, std::size_t& tomados) {
  if (siguienteGrupo_.fetch_add(1, std::memory_order_relaxed) >= n) {
    return n;
  }
  const std::size_t k = tomados++;
  return &taller == talleres_.data() ? k : n - 1 - k;
}

// Back, the groups of the turn are counted from those of the next.
void Contador::ContarCapa(Taller& taller) {
  const auto& capa = capas_[static_cast<std::size_t>(capa_)];
  std::size_t tomados = 0;
  for (std::size_t k = Tomar(taller, capa.size(), tomados); k < capa.size() && Seguir(taller);
       k = Tomar(taller, capa.size(), tomados)) {
    ContarGrupo(grupos_[capa[k]]);
  }
}

void Contador::Trabajar(Taller& taller) {
  try {
    if (fase_ == Fase::Avance || fase_ == Fase::Repaso) {
      AvanzarCapa(taller);
    } else if (fase_ == Fase::Atras) {
      ContarCapa(taller);
    }
  } catch (const std::bad_alloc&) {  // no room for more: the count gives up, as past its room
    cortado_.store(true, std::memory_order_relaxed);
  }
}

// Shared, the threads make a turn's groups without the index growing meanwhile: it grows between
// turns, at once, to room for as many groups again as it holds; a turn makes fewer than that as
// a rule. A group that finds it too full is gone through again once it has grown.
void Contador::HolgarIndice() {
  if (compartido_) {
    const std::size_t grupos = nGrupos_.load(std::memory_order_relaxed);
    grupos_.Crecer(grupos);
    aparte_.Crecer(grupos);
    Reservar(2 * grupos);
    indiceGrupos_.Holgar(indiceGrupos_.Llenas());
  }
}

void Contador::PasarCapa() noexcept {
  siguienteGrupo_ = 0;
  const auto n = static_cast<int>(turnos_.size());
  if (Cortado()) {
    fase_ = Fase::Fin;
    return;
  }
  if (fase_ == Fase::Atras) {
    if (--capa_ < 0) {
      fase_ = Fase::Fin;
    }
    return;
  }
  try {
    repaso_.clear();
    for (Taller& t : talleres_) {
      repaso_.insert(repaso_.end(), t.pendientes.begin(), t.pendientes.end());
      t.pendientes.clear();
    }
    if (!repaso_.empty()) {
      indiceGrupos_.Holgar(2 * indiceGrupos_.Llenas());
      fase_ = Fase::Repaso;
      return;
    }
    fase_ = Fase::Avance;
    if (++capa_ < n) {
      for (Taller& t : talleres_) {  // the groups each thread made, shared
        auto& capa = capas_[static_cast<std::size_t>(capa_)];
        capa.insert(capa.end(), t.nuevos.begin(), t.nuevos.end());
        t.nuevos.clear();
      }
      HolgarIndice();
      return;
    }
    // Each group's counts have their place, so that the threads can share a turn out.
    std::size_t contadas = 0;
    for (const auto& capa : capas_) {
      for (const std::uint32_t i : capa) {
        Grupo& g = grupos_[i];
        for (std::size_t w = 0; w < g.alcanzadas.size(); ++w) {
          g.desde[w] = static_cast<std::uint32_t>(contadas);
          contadas += static_cast<std::size_t>(Unos64(g.alcanzadas[w]));
        }
      }
    }
    valores_.Crecer(contadas);
    fase_ = Fase::Atras;
    capa_ = n - 1;
  } catch (const std::bad_alloc&) {
    cortado_.store(true, std::memory_order_relaxed);
    fase_ = Fase::Fin;
  }
}

void Contador::CompartirCapas() {
  std::unique_ptr<Obrero> otro;
  try {
    compartido_ = true;
    HolgarIndice();
    otro = std::make_unique<Obrero>();
  } catch (const std::bad_alloc&) {
    cortado_.store(true, std::memory_order_relaxed);
    return;
  }
  otro->principal = false;
  talleres_[1].obrero = otro.get();
  std::barrier paso(2, FinDeCapa{this});
  auto trabajar = [&](Taller& taller) {
    while (fase_ != Fase::Fin) {
      Trabajar(taller);
      paso.arrive_and_wait();
    }
  };
  std::thread ayudante;
  try {
    ayudante = std::thread(trabajar, std::ref(talleres_[1]));
  } catch (const std::system_error&) {  // no thread to be had: this one goes on alone
    paso.arrive_and_drop();
  }
  trabajar(talleres_[0]);
  if (ayudante.joinable()) {
    ayudante.join();
  }
  talleres_[1].obrero = nullptr;
}

Cuenta Contador::PorCapas() {
  const auto n = static_cast<int>(turnos_.size());
  capas_.assign(static_cast<std::size_t>(n), {});
  talleres_[0].obrero = &principal_;
  Enlace raiz = 0;
  try {
    raiz = GrupoDe(talleres_[0], 0, inicio_.abiertas, 0, inicio_.ganado);
  } catch (const std::bad_alloc&) {
    cortado_.store(true, std::memory_order_relaxed);
    return 0;
  }
  if (Muerto(raiz)) {  // no code fits
    porCapas_ = true;
    return 0;
  }
  grupos_[Destino(raiz)].Alcanzar(inicio_.libres);
  fase_ = Fase::Avance;
  capa_ = 0;
  // Alone while the count is small: a thread would take longer to start and wait for than the
  // count itself. Once the groups are many or the count has taken a while, or when the count is to
  // be shared from the start, a second thread takes half.
  auto compartir = [&] {
    return reparto_.hilos >= 2 && (reparto_.aSolas == 0 || grupos_.size() >= kGruposParaRepartir ||
                                   Reloj::now() - empezada_ >= kAntesDeRepartir);
  };
  while (fase_ != Fase::Fin && !compartir()) {
    Trabajar(talleres_[0]);
    PasarCapa();
  }
  if (fase_ != Fase::Fin) {
    CompartirCapas();
  }
  if (Cortado()) {
    return 0;
  }
  porCapas_ = true;
  return ValorEnCapas(grupos_[Destino(raiz)], inicio_.libres);
}

// The counts of a group's sets, from those of the groups that follow.
void Contador::ContarGrupo(const Grupo& g) {
  const int turno = g.turno;
  const Turno& t = turnos_[static_cast<std::size_t>(turno)];
  const bool ultimo = turno + 1 == static_cast<int>(turnos_.size());
  const Trozos<Enlace>& siguientes = talleres_[static_cast<std::size_t>(g.hilo)].siguientes;
  std::size_t k = g.desde[0];
  g.CadaAlcanzada([&](Mascara libres) {
    Cuenta total = 0;
    CadaForma(g, libres, [&](const Forma& f, Mascara resto) {
      Cuenta siguen = 0;
      if (ultimo) {  // the copies alike take their positions, the other pieces the rest
        const int huecos = g.abiertas + Unos(resto);
        if (f.juntas <= huecos) {
          siguen = Combinaciones(huecos, f.juntas) *
                   Relleno(otrasPiezas_.size(), huecos - f.juntas, repetidos_);
        }
      } else {
        const Enlace enlace = siguientes[static_cast<std::size_t>(
            f.siguientes + Unos(static_cast<Mascara>(resto & t.mueren)))];
        const auto suyas = static_cast<Mascara>(resto & ~t.mueren);
        if (Sigue(enlace, suyas)) {
          siguen = ValorEnCapas(grupos_[Destino(enlace)], suyas);
        }
      }
      total += Maneras(f) * siguen;
    });
    valores_[k++] = total;
  });
}

bool Contador::DeCapas(int turno, const Situacion& s, Cuenta& cuenta) const {
  if (!porCapas_) {
    return false;
  }
  const Cuenta* hallado =
      indiceGrupos_.Buscar(ClaveGrupo(turno, s.abiertas, s.Prometidas(), s.ganado));
  if (hallado == nullptr) {
    return false;
  }
  if (Muerto(*hallado)) {
    cuenta = 0;
    return true;
  }
  const Grupo& g = grupos_[Destino(*hallado)];
  if (!g.Alcanzada(s.libres)) {
    return false;
  }
  cuenta = ValorEnCapas(g, s.libres);
  return true;
}

}  // namespace quorbel::posibles
