// Costs of the game's own work on the largest game: 10 positions, 20 attempts, 26 letters.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "Juego.h"

namespace {

using namespace quorbel;

class PlataformaMedida : public Plataforma {
 public:
  void Sembrar() override {}
  double Aleatorio() override { return azar_(motor_); }
  double Segundos() override { return t_ += 0.01; }
  Respuesta Mensaje(const std::string&, Icono, Botones) override { return Respuesta::Ok; }
  void MostrarModal(Ventana) override {}
  void TraerAlFrente(Ventana) override {}
  void MostrarMenuQuitar() override {}
  std::string DirectorioPrograma() override { return "/nonexistent"; }
  void Abrir(const std::string&) override {}

 private:
  std::mt19937_64 motor_{7};
  std::uniform_real_distribution<double> azar_{0.0, 1.0};
  double t_ = 0;
};

// A game of the largest size, its settings file in a scratch folder.
struct Partida {
  PlataformaMedida plataforma;
  Juego juego{plataforma, std::filesystem::temp_directory_path() / "quorbel-bench.ini"};
  Partida() {
    juego.ajustes.SeleccionarColores(1);
    juego.ajustes.SeleccionarJugarCon(0);
    juego.ajustes.SetCasillas(10);
    juego.ajustes.SetIntentos(20);
    juego.ajustes.SetFichas(26);
    juego.NumCasillas = 10;
    juego.PrepararFichas();
    juego.ConstruirTablero();
  }
};

void PreparacionCompleta(benchmark::State& estado) {
  Partida p;
  for (auto _ : estado) {
    p.juego.PrepararFichas();
    p.juego.ConstruirTablero();
    benchmark::DoNotOptimize(p.juego.form1.Label2.Count());
  }
}
BENCHMARK(PreparacionCompleta);

void PulsarFicha(benchmark::State& estado) {
  Partida p;
  p.juego.Label2_MouseDown(2, kBotonIzquierdo);
  int pieza = 1;
  for (auto _ : estado) {
    // Choose the first cell and drop a piece in it; the cursor then moves on to the second.
    p.juego.Label2_MouseDown(1, kBotonIzquierdo);
    p.juego.Label4_MouseDown(pieza, kBotonIzquierdo);
    pieza = pieza % 26 + 1;
  }
  if (p.juego.form1.Label2[1].caption.empty()) {
    estado.SkipWithError("no piece was placed");
  }
}
BENCHMARK(PulsarFicha);

void EnviarFila(benchmark::State& estado) {
  Partida p;
  for (auto _ : estado) {
    estado.PauseTiming();
    if (p.juego.FilaActual >= 20 || !p.juego.RelojEnMarcha) {
      p.juego.PrepararFichas();
      p.juego.ConstruirTablero();
    }
    // A full row of pieces that cannot all be right: 11..20 against a solution drawn from 26.
    for (int i = 1; i <= 10; ++i) {
      p.juego.Label2_MouseDown((p.juego.FilaActual - 1) * 10 + i, kBotonIzquierdo);
      p.juego.Label4_MouseDown(10 + i, kBotonIzquierdo);
    }
    estado.ResumeTiming();
    p.juego.Command1_Click();
  }
}
BENCHMARK(EnviarFila);

}  // namespace
