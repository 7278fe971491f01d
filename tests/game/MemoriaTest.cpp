// The count's table: keys kept by several threads at once, and the room grown while shared,
// lose nothing. A lost key would only make the count slower, never wrong, so the count's own
// tests cannot see it.
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

}  // namespace
}  // namespace quorbel::prueba
