// Room for the hint's count: what it has already counted, kept by key.
#pragma once

#include <sys/mman.h>

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

// Counts by key, with open addressing. A key of all zeros stands for an empty slot, so no key
// may be all zeros.
template <std::size_t kPalabras>
class Memoria {
 public:
  using Clave = std::array<std::uint64_t, kPalabras>;

  Memoria() { Crecer(std::size_t{1} << 10); }
  const std::uint64_t* Buscar(const Clave& clave) const {
    for (std::size_t i = Hash(clave) & mascara_;; i = (i + 1) & mascara_) {
      if (Vacia(ranuras_[i].clave)) {
        return nullptr;
      }
      if (ranuras_[i].clave == clave) {
        return &ranuras_[i].valor;
      }
    }
  }
  void Guardar(const Clave& clave, std::uint64_t valor) {
    if (2 * (llenas_ + 1) > mascara_ + 1) {
      Crecer(2 * (mascara_ + 1));
    }
    Meter(clave, valor);
  }
  std::size_t Llenas() const { return llenas_; }
  std::size_t Bytes() const { return bloque_.Bytes(); }

 private:
  struct Ranura {
    Clave clave;
    std::uint64_t valor;
  };
  static bool Vacia(const Clave& clave) {
    for (std::uint64_t w : clave) {
      if (w != 0) {
        return false;
      }
    }
    return true;
  }
  static std::size_t Hash(const Clave& clave) {
    std::uint64_t h = 0;
    for (std::uint64_t w : clave) {
      h = (h ^ w) * 0x9E3779B97F4A7C15u;
      h ^= h >> 29;
    }
    return static_cast<std::size_t>(h);
  }
  void Meter(const Clave& clave, std::uint64_t valor) {
    std::size_t i = Hash(clave) & mascara_;
    while (!Vacia(ranuras_[i].clave)) {
      i = (i + 1) & mascara_;
    }
    ranuras_[i] = {clave, valor};
    ++llenas_;
  }
  void Crecer(std::size_t ranuras) {
    Bloque viejo = std::exchange(bloque_, Bloque(ranuras * sizeof(Ranura)));
    const Ranura* viejas = ranuras_;
    const std::size_t cuantas = viejas == nullptr ? 0 : mascara_ + 1;
    ranuras_ = static_cast<Ranura*>(bloque_.Datos());
    mascara_ = ranuras - 1;
    llenas_ = 0;
    for (std::size_t i = 0; i < cuantas; ++i) {
      if (!Vacia(viejas[i].clave)) {
        Meter(viejas[i].clave, viejas[i].valor);
      }
    }
  }

  Bloque bloque_;
  Ranura* ranuras_ = nullptr;
  std::size_t mascara_ = 0;
  std::size_t llenas_ = 0;
};

}  // namespace quorbel
