// The count's table: keys kept by several threads at once, and the room grown while shared,
// lose nothing. A lost key would only make the count slower, never wrong, so the count's own
// tests cannot see it. And the list in blocks the count by groups keeps its groups in.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "Memoria.h"

namespace quorbel::prueba {
namespace {

Memoria::Clave Clave(std::uint64_t n) {
  return {n * 2 + 1, n % 7, n % 3 == 0 ? 0 : n};  // never a zero first word
}

TEST(Memoria, KeepsEveryKeyFromThreadsAtOnceAndGrowingShared) {
  constexpr std::uint64_t kClaves = 20'000;
  Memoria memoria(3);
  // Rounds of a hundred keys: once it is past half full, it grows, moved by both threads.
  for (std::uint64_t desde = 0; desde < kClaves; desde += 100) {
    std::vector<std::thread> hilos;
    for (std::uint64_t h = 0; h < 2; ++h) {
      // Both threads keep the same keys, the second in the opposite order.
      hilos.emplace_back([&, h] {
        for (std::uint64_t i = 0; i < 100; ++i) {
          const std::uint64_t n = desde + (h == 0 ? i : 99 - i);
          memoria.Compartir(Clave(n), n + 10);
        }
      });
    }
    for (std::thread& h : hilos) {
      h.join();
    }
    if (memoria.PorCrecer()) {
      memoria.EmpezarMudanza();
      std::thread otro([&] { memoria.Mudar(); });
      memoria.Mudar();
      otro.join();
      memoria.AcabarMudanza();
    }
  }
  EXPECT_EQ(memoria.Llenas(), kClaves);
  for (std::uint64_t n = 0; n < kClaves; ++n) {
    const std::uint64_t* valor = memoria.Buscar(Clave(n));
    ASSERT_NE(valor, nullptr) << n;
    ASSERT_EQ(*valor, n + 10) << n;
  }
  EXPECT_EQ(memoria.Buscar(Clave(kClaves)), nullptr);
}

// The count by groups keeps its groups in a list of blocks: across the blocks' edges, every item
// stays where it was put, and the room grows block by block.
TEST(Memoria, ListInBlocksKeepsEveryItemAcrossTheBlocksEdges) {
  struct alignas(16) Item {
    std::uint64_t n, doble;
  };
  constexpr std::uint64_t kPorBloque = (std::uint64_t{2} << 20) / sizeof(Item);
  Trozos<Item> lista;
  EXPECT_EQ(lista.Bytes(), 0u);
  for (std::uint64_t n = 0; n < 4 * kPorBloque + 3; ++n) {
    lista.push_back({n, 2 * n});
  }
  ASSERT_EQ(lista.size(), 4 * kPorBloque + 3);
  EXPECT_EQ(lista.Bytes(), 8 * kPorBloque * sizeof(Item));  // blocks of 1, 1, 2 and 4
  for (std::uint64_t n = 0; n < lista.size(); ++n) {
    ASSERT_EQ(lista[n].n, n);
    ASSERT_EQ(lista[n].doble, 2 * n);
  }
  lista[kPorBloque].doble = 7;  // the first item of the second block, apart from its neighbours
  EXPECT_EQ(lista[kPorBloque - 1].doble, 2 * (kPorBloque - 1));
  EXPECT_EQ(lista[kPorBloque + 1].doble, 2 * (kPorBloque + 1));
}

}  // namespace
}  // namespace quorbel::prueba
