// The count's table: keys kept by several threads at once, and the room grown while shared,
// lose nothing. A lost key would only make the count slower, never wrong, so the count's own
// tests cannot see it. And the list in blocks the count by groups keeps its groups in.
#include <gtest/gtest.h>

#include <algorithm>
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

// Both threads of the count by groups may make the same group at once: the index keeps the first
// and tells the other which it kept. Room made ahead holds all they make without growing; past
// three quarters full, a key is no longer kept, though those kept are still found.
TEST(Memoria, KeepsTheFirstOfTwoAndTellsTheOther) {
  constexpr std::uint64_t kClaves = 3000;
  Memoria memoria(3);
  memoria.Holgar(kClaves);  // 4,096 slots, at once
  const std::size_t bytes = memoria.Bytes();
  std::vector<std::uint64_t> guardados[2];
  std::vector<std::thread> hilos;
  for (std::uint64_t h = 0; h < 2; ++h) {
    hilos.emplace_back([&, h] {
      for (std::uint64_t i = 0; i < kClaves; ++i) {
        guardados[h].push_back(memoria.Unico(Clave(i), 10 * i + h).value_or(0));
      }
    });
  }
  for (std::thread& h : hilos) {
    h.join();
  }
  EXPECT_EQ(memoria.Bytes(), bytes);
  EXPECT_EQ(memoria.Llenas(), kClaves);
  for (std::uint64_t i = 0; i < kClaves; ++i) {
    ASSERT_EQ(guardados[0][i], guardados[1][i]) << i;
    ASSERT_EQ(guardados[0][i] / 10, i) << i;
    ASSERT_EQ(*memoria.Buscar(Clave(i)), guardados[0][i]) << i;
  }
  std::uint64_t n = kClaves;
  for (; n < 2 * kClaves && memoria.Unico(Clave(n), n) == n; ++n) {
  }
  EXPECT_EQ(n, 3072u);  // three quarters of 4,096
  EXPECT_EQ(memoria.Llenas(), 3072u);
  EXPECT_EQ(memoria.Buscar(Clave(n)), nullptr);
  EXPECT_EQ(memoria.Unico(Clave(7), 1), guardados[0][7]);
}

// The count by groups keeps its groups in a list of blocks: across the blocks' edges, every item
// stays where it was put, and the room grows block by block.
TEST(Memoria, ListInBlocksKeepsEveryItemAcrossTheBlocksEdges) {
  struct alignas(16) Item {
    std::uint64_t n, doble;
  };
  constexpr std::uint64_t kPocos = (std::uint64_t{32} << 10) / sizeof(Item);  // from the heap
  constexpr std::uint64_t kPorBloque = (std::uint64_t{128} << 10) / sizeof(Item);
  Trozos<Item> lista;
  EXPECT_EQ(lista.Bytes(), 0u);
  for (std::uint64_t n = 0; n < kPocos + 4 * kPorBloque + 3; ++n) {
    lista.push_back({n, 2 * n});
  }
  ASSERT_EQ(lista.size(), kPocos + 4 * kPorBloque + 3);
  // The few, then large blocks of 1, 1, 2 and 4.
  EXPECT_EQ(lista.Bytes(), (kPocos + 8 * kPorBloque) * sizeof(Item));
  for (std::uint64_t n = 0; n < lista.size(); ++n) {
    ASSERT_EQ(lista[n].n, n);
    ASSERT_EQ(lista[n].doble, 2 * n);
  }
  // The first item of each block, apart from its neighbours.
  for (const std::uint64_t primero :
       {kPocos, kPocos + kPorBloque, kPocos + 2 * kPorBloque, kPocos + 4 * kPorBloque}) {
    lista[primero].doble = 7;
    EXPECT_EQ(lista[primero - 1].doble, 2 * (primero - 1)) << primero;
    EXPECT_EQ(lista[primero + 1].doble, 2 * (primero + 1)) << primero;
  }
  // Room made ahead counts no items, and items counted later start at zero.
  Trozos<Item> otra;
  otra.Reservar(kPocos + 1);
  EXPECT_EQ(otra.size(), 0u);
  EXPECT_EQ(otra.Capacidad(), kPocos + kPorBloque);
  otra.Crecer(kPocos + 1);
  EXPECT_EQ(otra.size(), kPocos + 1);
  EXPECT_EQ(otra[kPocos].n, 0u);
}

// A count's tables and lists take their blocks one after another from the count's room. Each
// block starts zeroed and apart from the others, a large one on a large page's edge; and the old
// room a table leaves behind as it grows is given back without touching the blocks beside it.
TEST(Memoria, TheCountsRoomKeepsItsBlocksApart) {
  struct alignas(16) Item {
    std::uint64_t n, doble;
  };
  constexpr std::uint64_t kItems = 400'000;  // past several of the list's blocks
  Terreno terreno;
  Trozos<Item> lista;
  lista.Usar(&terreno);
  Memoria tabla(3);
  tabla.Usar(&terreno);
  for (std::uint64_t n = 0; n < kItems; ++n) {
    lista.push_back({n, 2 * n});
    tabla.Guardar(Clave(n), n + 5);  // grows to 16 MB, leaving 8, 4, 2... behind
  }
  for (std::uint64_t n = 0; n < kItems; ++n) {
    ASSERT_EQ(lista[n].n, n);
    ASSERT_EQ(lista[n].doble, 2 * n);
    const std::uint64_t* valor = tabla.Buscar(Clave(n));
    ASSERT_NE(valor, nullptr) << n;
    ASSERT_EQ(*valor, n + 5);
  }
  const struct {
    std::size_t bytes, alineado;
  } bloques[] = {{1000, 256}, {(std::size_t{3} << 20) + 8, std::size_t{2} << 20}, {300, 256}};
  std::vector<unsigned char*> tomados;
  for (const auto& b : bloques) {
    auto* p = static_cast<unsigned char*>(terreno.Tomar(b.bytes));
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(p) % b.alineado, 0u) << b.bytes;
    EXPECT_TRUE(std::all_of(p, p + b.bytes, [](unsigned char c) { return c == 0; })) << b.bytes;
    std::fill(p, p + b.bytes, 0xAB);
    tomados.push_back(p);
  }
  for (std::size_t i = 1; i < tomados.size(); ++i) {
    EXPECT_GE(tomados[i], tomados[i - 1] + bloques[i - 1].bytes);
  }
  EXPECT_EQ(tomados[0][999], 0xAB);
}

}  // namespace
}  // namespace quorbel::prueba
