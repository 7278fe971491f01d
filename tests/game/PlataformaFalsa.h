#pragma once

#include <cmath>
#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "Plataforma.h"

namespace quorbel::prueba {

// A desktop for the tests: random numbers from a script, a clock the test moves, and
// messages recorded and answered from a script (OK when nothing is scripted).
class PlataformaFalsa : public Plataforma {
 public:
  struct MensajeVisto {
    std::string texto;
    Icono icono;
    Botones botones;
  };

  std::deque<double> aleatorios;  // the next random numbers; running out fails the test
  int aleatoriosUsados = 0;
  double reloj = 1000;
  std::deque<Respuesta> respuestas;
  std::vector<MensajeVisto> mensajes;
  std::vector<Ventana> modales;
  std::vector<Ventana> alFrente;
  std::vector<std::string> abiertos;
  int menusQuitar = 0;
  int siembras = 0;
  std::string directorio = "/nonexistent";
  std::function<void(Ventana)> alMostrarModal;  // plays what the player does in the window
  std::function<void()> alMenuQuitar;           // chooses an item of the context menu
  std::function<double()> azar;                 // random numbers once the script is used up
  std::function<Respuesta()> responder;         // answers once the scripted ones are used up

  void Sembrar() override { ++siembras; }
  double Aleatorio() override {
    if (aleatorios.empty() && azar) {
      ++aleatoriosUsados;
      return azar();
    }
    if (aleatorios.empty()) {
      throw std::runtime_error("random script ran out");
    }
    double r = aleatorios.front();
    aleatorios.pop_front();
    ++aleatoriosUsados;
    return r;
  }
  double Segundos() override { return reloj; }
  Respuesta Mensaje(const std::string& texto, Icono icono, Botones botones) override {
    mensajes.push_back({texto, icono, botones});
    if (respuestas.empty()) {
      return responder ? responder() : Respuesta::Ok;
    }
    Respuesta r = respuestas.front();
    respuestas.pop_front();
    return r;
  }
  void MostrarModal(Ventana ventana) override {
    modales.push_back(ventana);
    if (alMostrarModal) {
      alMostrarModal(ventana);
    }
  }
  void TraerAlFrente(Ventana ventana) override { alFrente.push_back(ventana); }
  void MostrarMenuQuitar() override {
    ++menusQuitar;
    if (alMenuQuitar) {
      alMenuQuitar();
    }
  }
  std::string DirectorioPrograma() override { return directorio; }
  void Abrir(const std::string& documento) override { abiertos.push_back(documento); }

  std::string UltimoMensaje() const { return mensajes.empty() ? "" : mensajes.back().texto; }

  // Scripts n random numbers spread over [0, 1), enough to deal any game.
  void Variado(int n) {
    for (int i = 0; i < n; ++i) {
      aleatorios.push_back(std::fmod(i * 0.618034, 1.0));
    }
  }

  // Scripts the random numbers that draw exactly these pieces out of `fichas`.
  void Solucion(std::initializer_list<int> piezas, int fichas) {
    for (int p : piezas) {
      aleatorios.push_back((p - 1 + 0.5) / fichas);
    }
  }
};

}  // namespace quorbel::prueba
