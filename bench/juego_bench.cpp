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
  void MensajeConFichas(const std::string&, const std::vector<Elemento>&) override {}
  std::string DirectorioPrograma() override { return "/nonexistent"; }
  std::string DirectorioDocumentacion() override { return "/nonexistent"; }
  std::string CarpetaDatos() override { return ""; }
  std::string Hoy() override { return "2026-12-07"; }
  void Abrir(const std::string&) override {}

 private:
  std::mt19937_64 motor_{7};
  std::uniform_real_distribution<double> azar_{0.0, 1.0};
  double t_ = 0;
};

// A game of the largest size, chosen in the options dialog; its settings file in a scratch
// folder.
struct PartidaMayor {
  PlataformaMedida plataforma;
  Juego juego{plataforma, std::filesystem::temp_directory_path() / "quorbel-bench.ini"};
  PartidaMayor() {
    juego.Aplicar({Accion::ElegirColores, 1});
    juego.Aplicar({Accion::ElegirJugarCon, 0});
    juego.Aplicar({Accion::MoverCasillas, 10});
    juego.Aplicar({Accion::MoverIntentos, 20});
    juego.Aplicar({Accion::MoverFichas, 26});
    juego.Aplicar({Accion::AceptarOpciones});
  }
};

void PreparacionCompleta(benchmark::State& estado) {
  PartidaMayor p;
  for (auto _ : estado) {
    p.juego.Aplicar(
        {Accion::Nuevo});  // no game under way: no question, just the deal and the board
    benchmark::DoNotOptimize(p.juego.principal().casillas.Cuenta());
  }
}
BENCHMARK(PreparacionCompleta);

void PulsarFicha(benchmark::State& estado) {
  PartidaMayor p;
  p.juego.Aplicar({Accion::PulsarCasilla, 2, kBotonIzquierdo});
  int pieza = 1;
  for (auto _ : estado) {
    // Choose the first cell and drop a piece in it; the cursor then moves on to the second.
    p.juego.Aplicar({Accion::PulsarCasilla, 1, kBotonIzquierdo});
    p.juego.Aplicar({Accion::PulsarFicha, pieza, kBotonIzquierdo});
    pieza = pieza % 26 + 1;
  }
  if (p.juego.principal().casillas[1].rotulo.empty()) {
    estado.SkipWithError("no piece was placed");
  }
}
BENCHMARK(PulsarFicha);

void EnviarFila(benchmark::State& estado) {
  PartidaMayor p;
  for (auto _ : estado) {
    estado.PauseTiming();
    if (p.juego.partida().FilaActual >= 20 || !p.juego.partida().RelojEnMarcha) {
      p.juego.Aplicar({Accion::Nuevo});
    }
    // A full row of pieces that cannot all be right: 11..20 against a solution drawn from 26.
    for (int i = 1; i <= 10; ++i) {
      p.juego.Aplicar({Accion::PulsarCasilla,
                       p.juego.partida().Casilla(p.juego.partida().FilaActual, i),
                       kBotonIzquierdo});
      p.juego.Aplicar({Accion::PulsarFicha, 10 + i, kBotonIzquierdo});
    }
    estado.ResumeTiming();
    p.juego.Aplicar({Accion::Enviar});
  }
}
BENCHMARK(EnviarFila);

}  // namespace
