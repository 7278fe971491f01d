// Room for the hint's count: what it has already counted, kept by key.
#pragma once

#include <sys/mman.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <new>
#include <optional>
#include <thread>
#include <type_traits>
#include <utility>
#include <vector>

namespace quorbel {

inline constexpr std::size_t kPaginaGrande = std::size_t{2} << 20;

// The room of one count: its blocks are cut one after another from a few reservations on large
// pages, so that a small count fills a page or two, not one per table or list, and all of it
// goes back when the count ends. Filling a large page costs as much as the count of a small
// position takes in all. Blocks may be taken from several threads at once.
class Terreno {
 public:
  Terreno() = default;
  Terreno(const Terreno&) = delete;
  Terreno& operator=(const Terreno&) = delete;
  ~Terreno() {
    for (const Tramo& t : tramos_) {
      munmap(t.mapa, t.bytes);
    }
  }
  // Zeroed room for `bytes`: on a large page's edge when it takes some, so that it can give
  // them back.
  void* Tomar(std::size_t bytes) {
    const std::size_t alineado = bytes >= kPaginaGrande ? kPaginaGrande : kLinea;
    const std::lock_guard cerrojo(cerrojo_);
    std::size_t desde = (usado_ + alineado - 1) / alineado * alineado;
    if (tramos_.empty() || desde + bytes > tramos_.back().util) {
      // Each reservation as large as those before, and large enough.
      std::size_t util = std::max(kPrimerTramo, 2 * reservado_);
      while (util < bytes) {
        util *= 2;
      }
      const std::size_t mapeados = util + kPaginaGrande;  // to start on a large page's edge
      void* p = mmap(nullptr, mapeados, PROT_READ | PROT_WRITE,
                     MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
      if (p == MAP_FAILED) {
        throw std::bad_alloc();
      }
      auto* inicio = reinterpret_cast<std::byte*>(
          (reinterpret_cast<std::uintptr_t>(p) + kPaginaGrande - 1) & ~(kPaginaGrande - 1));
      madvise(inicio, util, MADV_HUGEPAGE);
      tramos_.push_back({p, mapeados, inicio, util});
      reservado_ += util;
      desde = 0;
    }
    usado_ = desde + bytes;
    return tramos_.back().inicio + desde;
  }
  // Gives back early the large pages wholly within a block no longer needed: a table that grew
  // leaves its old room behind.
  static void Soltar(void* datos, std::size_t bytes) {
    const auto p = reinterpret_cast<std::uintptr_t>(datos);
    const std::uintptr_t desde = (p + kPaginaGrande - 1) & ~(kPaginaGrande - 1);
    const std::uintptr_t hasta = (p + bytes) & ~(kPaginaGrande - 1);
    if (hasta > desde) {
      madvise(reinterpret_cast<void*>(desde), hasta - desde, MADV_DONTNEED);
    }
  }

 private:
  static constexpr std::size_t kLinea = 256;  // the most any item asks to be aligned to
  static constexpr std::size_t kPrimerTramo = std::size_t{8} << 20;
  struct Tramo {
    void* mapa;
    std::size_t bytes;
    std::byte* inicio;  // on a large page's edge
    std::size_t util;
  };
  std::mutex cerrojo_;
  std::vector<Tramo> tramos_;
  std::size_t usado_ = 0;  // in the last reservation
  std::size_t reservado_ = 0;
};

// Zeroed room: from the heap when small, else from the count's room, or else straight from the
// system, on large pages where it can: a count fills its room once, and faulting it in page by
// page can cost more than the count itself.
class Bloque {
 public:
  Bloque() = default;
  Bloque(std::size_t bytes, Terreno* terreno)
      : bytes_(bytes), grande_(bytes >= kGrande), terreno_(grande_ ? terreno : nullptr) {
    if (!grande_) {  // small room comes from the heap, which keeps it at hand for the next count
      datos_ = std::calloc(bytes, 1);
      if (datos_ == nullptr) {
        throw std::bad_alloc();
      }
      return;
    }
    if (terreno_ != nullptr) {
      datos_ = terreno_->Tomar(bytes);
      return;
    }
    bytes_ = (bytes + kPaginaGrande - 1) / kPaginaGrande * kPaginaGrande;
    void* p = mmap(nullptr, bytes_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) {
      throw std::bad_alloc();
    }
    madvise(p, bytes_, MADV_HUGEPAGE);
    datos_ = p;
  }
  explicit Bloque(std::size_t bytes) : Bloque(bytes, nullptr) {}
  Bloque(Bloque&& otro) noexcept
      : datos_(std::exchange(otro.datos_, nullptr)),
        bytes_(std::exchange(otro.bytes_, 0)),
        grande_(otro.grande_),
        terreno_(otro.terreno_) {}
  Bloque& operator=(Bloque&& otro) noexcept {
    std::swap(datos_, otro.datos_);
    std::swap(bytes_, otro.bytes_);
    std::swap(grande_, otro.grande_);
    std::swap(terreno_, otro.terreno_);
    return *this;
  }
  Bloque(const Bloque&) = delete;
  Bloque& operator=(const Bloque&) = delete;
  ~Bloque() {
    if (datos_ == nullptr) {
      return;
    }
    if (terreno_ != nullptr) {
      Terreno::Soltar(datos_, bytes_);
    } else if (grande_) {
      munmap(datos_, bytes_);
    } else {
      std::free(datos_);
    }
  }
  void* Datos() const { return datos_; }
  std::size_t Bytes() const { return bytes_; }

 private:
  // From this much on, the heap would map small pages afresh, one fault each: a large page,
  // though larger than asked for, is filled far faster.
  static constexpr std::size_t kGrande = std::size_t{128} << 10;
  void* datos_ = nullptr;
  std::size_t bytes_ = 0;
  bool grande_ = false;
  Terreno* terreno_ = nullptr;
};

// A list that only grows, kept in blocks that never move: a few items from the heap, then
// blocks from the count's room (or the system's, with none), each as large as all those before it.
// Growing copies nothing, and a small count maps nothing. Blocks between, on small pages, made the
// count by groups half as slow again.
template <typename T>
class Trozos {
 public:
  static_assert(std::has_single_bit(sizeof(T)) && std::is_trivially_copyable_v<T>);
  // Its blocks from the count's room, from now on.
  void Usar(Terreno* terreno) { terreno_ = terreno; }
  T& operator[](std::size_t i) { return Donde(i); }
  const T& operator[](std::size_t i) const { return const_cast<Trozos*>(this)->Donde(i); }
  std::size_t size() const { return n_; }
  void push_back(const T& x) {
    Crecer(n_ + 1);
    Donde(n_ - 1) = x;
  }
  // Grows to `n` items, the new ones zero, so that threads can each fill their own.
  // Another thread may meanwhile use the items it already had: they stay where they are.
  void Crecer(std::size_t n) {
    Reservar(n);
    n_ = std::max(n_, n);
  }
  // Room for `n` items, without counting them yet.
  void Reservar(std::size_t n) {
    if (capacidad_ == 0 && n > 0) {
      pocos_ = Bloque(kPocos * sizeof(T));
      primeros_ = static_cast<T*>(pocos_.Datos());
      capacidad_ = kPocos;
    }
    while (capacidad_ < n) {
      const std::size_t nuevos = capacidad_ == kPocos ? kPrimeros : capacidad_ - kPocos;
      bloques_.at(nBloques_) = Bloque(nuevos * sizeof(T), terreno_);
      trozos_[nBloques_] = static_cast<T*>(bloques_[nBloques_].Datos());
      ++nBloques_;
      capacidad_ += nuevos;
    }
  }
  std::size_t Capacidad() const { return capacidad_; }
  std::size_t Bytes() const { return capacidad_ * sizeof(T); }

 private:
  // A few first, from the heap, so that a small count maps nothing.
  static constexpr std::size_t kPocos =
      std::max<std::size_t>(1, (std::size_t{32} << 10) / sizeof(T));
  static constexpr std::size_t kPrimeros = (std::size_t{128} << 10) / sizeof(T);
  static constexpr int kBits = std::countr_zero(kPrimeros);
  // After the few, block 0 holds the next `kPrimeros`, block b > 0 the next
  // `kPrimeros << (b - 1)`.
  T& Donde(std::size_t i) {
    if (i < kPocos) {
      return primeros_[i];
    }
    i -= kPocos;
    const auto b = static_cast<std::size_t>(std::bit_width(i >> kBits));
    return trozos_[b][b == 0 ? i : i - (kPrimeros << (b - 1))];
  }
  Terreno* terreno_ = nullptr;
  Bloque pocos_;
  T* primeros_ = nullptr;
  // Enough blocks for any room there is, in place: a thread may look up an item while another
  // adds a block.
  static constexpr std::size_t kMaxBloques = 40;
  std::array<Bloque, kMaxBloques> bloques_;
  std::array<T*, kMaxBloques> trozos_{};
  std::size_t nBloques_ = 0, n_ = 0, capacidad_ = 0;
};

// Counts by key, with open addressing. A key takes as many words as the count needs, up to
// `kMaxPalabras`; the words past those are left zero. A slot whose first word is zero is empty,
// so no key may start with a zero word.
// Several threads may look up and keep keys at once; only growing the room needs them all to
// stand still. A slot is claimed through its first word, and shown with it once it is written.
class Memoria {
 public:
  static constexpr std::size_t kMaxPalabras = 6;
  using Clave = std::array<std::uint64_t, kMaxPalabras>;

  explicit Memoria(std::size_t palabras)
      : palabras_(palabras),
        bloque_(kPrimeras * (palabras + 1) * sizeof(std::uint64_t)),
        ranuras_(static_cast<std::uint64_t*>(bloque_.Datos())),
        mascara_(kPrimeras - 1) {}
  // Where a key goes, so that its slot can be fetched before it is looked up.
  std::size_t Hash(const Clave& clave) const { return Hash(clave.data()); }
  void Anticipar(std::size_t hash) const { __builtin_prefetch(Ranura(hash & mascara_)); }
  const std::uint64_t* Buscar(const Clave& clave) const { return Buscar(clave, Hash(clave)); }
  const std::uint64_t* Buscar(const Clave& clave, std::size_t hash) const {
    for (std::size_t i = hash & mascara_;; i = (i + 1) & mascara_) {
      std::uint64_t* ranura = Ranura(i);
      const std::uint64_t primera = Primera(ranura);
      if (primera == 0) {
        return nullptr;
      }
      if (primera == clave[0] && std::equal(ranura + 1, ranura + palabras_, clave.begin() + 1)) {
        return ranura + palabras_;
      }
    }
  }
  // Keeps a count, growing the room first when it is half full: for one thread alone.
  void Guardar(const Clave& clave, std::uint64_t valor) {
    if (PorCrecer()) {
      EmpezarMudanza();
      AcabarMudanza();
    }
    Meter(clave.data(), valor);
  }
  // Keeps a count while other threads may do the same; the room does not grow, so it may be
  // left out past three quarters full. A key kept twice is kept once.
  void Compartir(const Clave& clave, std::uint64_t valor) {
    if (4 * (llenas_.load(std::memory_order_relaxed) + 1) <= 3 * (mascara_ + 1)) {
      Meter(clave.data(), valor);
    }
  }
  // Keeps a count while other threads may do the same, unless its key is kept already: gives
  // the count kept for the key. Past three quarters full, with the room that does not grow
  // meanwhile, a new key is not kept, and nothing comes back.
  std::optional<std::uint64_t> Unico(const Clave& clave, std::uint64_t valor) {
    const std::size_t hash = Hash(clave);
    if (const std::uint64_t* hallado = Buscar(clave, hash)) {
      return *hallado;
    }
    if (4 * (llenas_.load(std::memory_order_relaxed) + 1) > 3 * (mascara_ + 1)) {
      return std::nullopt;
    }
    return Meter(clave.data(), valor);
  }
  // Grows, alone and at once, so that threads may keep `mas` keys more without it growing.
  void Holgar(std::size_t mas) {
    std::size_t ranuras = mascara_ + 1;
    while (4 * (Llenas() + mas + 1) > 3 * ranuras) {
      ranuras *= 2;
    }
    if (ranuras > mascara_ + 1) {
      EmpezarMudanza(ranuras);
      AcabarMudanza();
    }
  }
  // Whether the room is half full and should grow before long.
  bool PorCrecer() const { return 2 * (Llenas() + 1) > mascara_ + 1; }
  // Growing while shared: one thread doubles the room, every thread then moves the old slots a
  // block at a time, and one thread lets the old room go. No other use of the room meanwhile.
  void EmpezarMudanza() { EmpezarMudanza(2 * (mascara_ + 1)); }
  void EmpezarMudanza(std::size_t ranuras) {
    viejo_ =
        std::exchange(bloque_, Bloque(ranuras * (palabras_ + 1) * sizeof(std::uint64_t), terreno_));
    viejas_ = std::exchange(ranuras_, static_cast<std::uint64_t*>(bloque_.Datos()));
    cuantasViejas_ = mascara_ + 1;
    mascara_ = ranuras - 1;
    llenas_ = 0;
    mudadas_ = 0;
  }
  void Mudar() {
    constexpr std::size_t kTrozo = 4096;
    for (std::size_t desde = mudadas_.fetch_add(kTrozo); desde < cuantasViejas_;
         desde = mudadas_.fetch_add(kTrozo)) {
      for (std::size_t i = desde; i < std::min(desde + kTrozo, cuantasViejas_); ++i) {
        const std::uint64_t* ranura = viejas_ + i * (palabras_ + 1);
        if (ranura[0] != 0) {
          Meter(ranura, ranura[palabras_]);
        }
      }
    }
  }
  // Moves whatever slots no thread has moved yet, then lets the old room go.
  void AcabarMudanza() {
    Mudar();
    viejo_ = Bloque();
    viejas_ = nullptr;
    cuantasViejas_ = 0;
  }
  std::size_t Llenas() const { return llenas_.load(std::memory_order_relaxed); }
  std::size_t Bytes() const { return bloque_.Bytes(); }
  // Its room from the count's, from now on.
  void Usar(Terreno* terreno) { terreno_ = terreno; }

 private:
  static constexpr std::size_t kPrimeras = 1024;  // slots to start with
  // Stands in a slot's first word while its key is being written.
  static constexpr std::uint64_t kReservada = ~std::uint64_t{0};

  // A slot is the key's words, then its count.
  std::uint64_t* Ranura(std::size_t i) const { return ranuras_ + i * (palabras_ + 1); }
  // A slot's first word once it is shown: zero for an empty slot.
  static std::uint64_t Primera(std::uint64_t* ranura) {
    std::atomic_ref<std::uint64_t> primera(*ranura);
    std::uint64_t w = primera.load(std::memory_order_acquire);
    // Another thread is writing it, a few stores away; unless it was sent to sleep meanwhile.
    for (int vueltas = 1; w == kReservada; ++vueltas) {
      if (vueltas % 64 == 0) {
        std::this_thread::yield();
      }
      w = primera.load(std::memory_order_acquire);
    }
    return w;
  }
  std::size_t Hash(const std::uint64_t* clave) const {
    std::uint64_t h = 0;
    for (std::size_t i = 0; i < palabras_; ++i) {
      h = (h ^ clave[i]) * 0x9E3779B97F4A7C15u;
      h ^= h >> 29;
    }
    return static_cast<std::size_t>(h);
  }
  // Gives the count kept for the key: `valor`, or the one already there.
  std::uint64_t Meter(const std::uint64_t* clave, std::uint64_t valor) {
    for (std::size_t i = Hash(clave) & mascara_;; i = (i + 1) & mascara_) {
      std::uint64_t* ranura = Ranura(i);
      std::uint64_t primera = Primera(ranura);
      if (primera == 0) {
        std::atomic_ref<std::uint64_t> suya(*ranura);
        if (!suya.compare_exchange_strong(primera, kReservada, std::memory_order_acquire)) {
          primera = Primera(ranura);  // taken meanwhile: perhaps by the same key
        } else {
          std::copy(clave + 1, clave + palabras_, ranura + 1);
          ranura[palabras_] = valor;
          suya.store(clave[0], std::memory_order_release);
          llenas_.fetch_add(1, std::memory_order_relaxed);
          return valor;
        }
      }
      if (primera == clave[0] && std::equal(ranura + 1, ranura + palabras_, clave + 1)) {
        return ranura[palabras_];
      }
    }
  }

  std::size_t palabras_;
  Terreno* terreno_ = nullptr;
  Bloque bloque_;
  std::uint64_t* ranuras_ = nullptr;
  std::size_t mascara_ = 0;
  Bloque viejo_;  // while growing
  const std::uint64_t* viejas_ = nullptr;
  std::size_t cuantasViejas_ = 0;
  // Written by every thread, so on a line of their own, away from what they only read.
  alignas(64) std::atomic<std::size_t> llenas_ = 0;
  alignas(64) std::atomic<std::size_t> mudadas_ = 0;
};

}  // namespace quorbel
