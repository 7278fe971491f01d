// Room for the hint's count: what it has already counted, kept by key.
#pragma once

#include <sys/mman.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <utility>

namespace quorbel {

// Zeroed room straight from the system, on large pages where it can: a count fills its room
// once, and faulting it in page by page can cost more than the count itself.
class Bloque {
 public:
  Bloque() = default;
  explicit Bloque(std::size_t bytes) : bytes_(bytes), grande_(bytes >= kPagina) {
    if (!grande_) {  // small room comes from the heap, which keeps it at hand for the next count
      datos_ = std::calloc(bytes, 1);
      if (datos_ == nullptr) {
        throw std::bad_alloc();
      }
      return;
    }
    bytes_ = (bytes + kPagina - 1) / kPagina * kPagina;
    void* p = mmap(nullptr, bytes_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) {
      throw std::bad_alloc();
    }
    madvise(p, bytes_, MADV_HUGEPAGE);
    datos_ = p;
  }
  Bloque(Bloque&& otro) noexcept
      : datos_(std::exchange(otro.datos_, nullptr)),
        bytes_(std::exchange(otro.bytes_, 0)),
        grande_(otro.grande_) {}
  Bloque& operator=(Bloque&& otro) noexcept {
    std::swap(datos_, otro.datos_);
    std::swap(bytes_, otro.bytes_);
    std::swap(grande_, otro.grande_);
    return *this;
  }
  Bloque(const Bloque&) = delete;
  Bloque& operator=(const Bloque&) = delete;
  ~Bloque() {
    if (datos_ != nullptr && grande_) {
      munmap(datos_, bytes_);
    } else {
      std::free(datos_);
    }
  }
  void* Datos() const { return datos_; }
  std::size_t Bytes() const { return bytes_; }

 private:
  static constexpr std::size_t kPagina = std::size_t{2} << 20;
  void* datos_ = nullptr;
  std::size_t bytes_ = 0;
  bool grande_ = false;
};

// Counts by key, with open addressing. A key takes as many words as the count needs, up to
// `kMaxPalabras`; the words past those are left zero. A key of all zeros stands for an empty
// slot, so no key may be all zeros.
class Memoria {
 public:
  static constexpr std::size_t kMaxPalabras = 6;
  using Clave = std::array<std::uint64_t, kMaxPalabras>;

  explicit Memoria(std::size_t palabras) : palabras_(palabras) { Crecer(std::size_t{1} << 10); }
  // Where a key goes, so that its slot can be fetched before it is looked up.
  std::size_t Hash(const Clave& clave) const { return Hash(clave.data()); }
  void Anticipar(std::size_t hash) const { __builtin_prefetch(Ranura(hash & mascara_)); }
  const std::uint64_t* Buscar(const Clave& clave) const { return Buscar(clave, Hash(clave)); }
  const std::uint64_t* Buscar(const Clave& clave, std::size_t hash) const {
    for (std::size_t i = hash & mascara_;; i = (i + 1) & mascara_) {
      const std::uint64_t* ranura = Ranura(i);
      if (Vacia(ranura)) {
        return nullptr;
      }
      if (std::equal(ranura, ranura + palabras_, clave.begin())) {
        return ranura + palabras_;
      }
    }
  }
  void Guardar(const Clave& clave, std::uint64_t valor) {
    if (2 * (llenas_ + 1) > mascara_ + 1) {
      Crecer(2 * (mascara_ + 1));
    }
    Meter(clave.data(), valor);
  }
  std::size_t Llenas() const { return llenas_; }
  std::size_t Bytes() const { return bloque_.Bytes(); }

 private:
  // A slot is the key's words, then its count.
  std::uint64_t* Ranura(std::size_t i) const { return ranuras_ + i * (palabras_ + 1); }
  bool Vacia(const std::uint64_t* ranura) const {
    return std::all_of(ranura, ranura + palabras_, [](std::uint64_t w) { return w == 0; });
  }
  std::size_t Hash(const std::uint64_t* clave) const {
    std::uint64_t h = 0;
    for (std::size_t i = 0; i < palabras_; ++i) {
      h = (h ^ clave[i]) * 0x9E3779B97F4A7C15u;
      h ^= h >> 29;
    }
    return static_cast<std::size_t>(h);
  }
  void Meter(const std::uint64_t* clave, std::uint64_t valor) {
    std::size_t i = Hash(clave) & mascara_;
    while (!Vacia(Ranura(i))) {
      i = (i + 1) & mascara_;
    }
    std::copy(clave, clave + palabras_, Ranura(i));
    Ranura(i)[palabras_] = valor;
    ++llenas_;
  }
  void Crecer(std::size_t ranuras) {
    Bloque viejo =
        std::exchange(bloque_, Bloque(ranuras * (palabras_ + 1) * sizeof(std::uint64_t)));
    const std::uint64_t* viejas = ranuras_;
    const std::size_t cuantas = viejas == nullptr ? 0 : mascara_ + 1;
    ranuras_ = static_cast<std::uint64_t*>(bloque_.Datos());
    mascara_ = ranuras - 1;
    llenas_ = 0;
    for (std::size_t i = 0; i < cuantas; ++i) {
      const std::uint64_t* ranura = viejas + i * (palabras_ + 1);
      if (!Vacia(ranura)) {
        Meter(ranura, ranura[palabras_]);
      }
    }
  }

  std::size_t palabras_;
  Bloque bloque_;
  std::uint64_t* ranuras_ = nullptr;
  std::size_t mascara_ = 0;
  std::size_t llenas_ = 0;
};

}  // namespace quorbel
