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
// messages recorded and answered OK unless the test answers them.
class PlataformaFalsa : public Plataforma {
 public:
  struct MensajeVisto {
    std::string texto;
    Icono icono;
    Botones botones;
    std::vector<Elemento> fichas = {};
  };

  std::deque<double> aleatorios;  // running out fails the test unless `azar` is set
  std::function<double()> azar;
  double reloj = 1000;
  std::function<Respuesta(const MensajeVisto&)> responder;
  std::vector<MensajeVisto> mensajes;
  std::vector<Ventana> modales;
  std::vector<std::string> abiertos;
  std::vector<bool> ocupado;  // the busy pointer, each time it is shown or taken away
  std::string directorio = "/nonexistent", documentacion = "/nonexistent";
  std::string datos;  // where the best times are kept; nowhere unless a test says
  std::function<void(Ventana)> alMostrarModal;  // what the player does in a modal window
  std::function<void()> alMenuQuitar;           // the item chosen in the context menu

  void Sembrar() override {}
  double Aleatorio() override {
    if (aleatorios.empty() && !azar) {
      throw std::runtime_error("random script ran out");
    }
    const double r = aleatorios.empty() ? azar() : aleatorios.front();
    if (!aleatorios.empty()) {
      aleatorios.pop_front();
    }
    return r;
  }
  double Segundos() override { return reloj; }
  void Ocupado(bool si) override { ocupado.push_back(si); }
  Respuesta Mensaje(const std::string& texto, Icono icono, Botones botones) override {
    mensajes.push_back({texto, icono, botones});
    return responder ? responder(mensajes.back()) : Respuesta::Ok;
  }
  void MensajeConFichas(const std::string& texto, const std::vector<Elemento>& fichas) override {
    mensajes.push_back({texto, Icono::Informacion, Botones::Ok, fichas});
  }
  void MostrarModal(Ventana ventana) override {
    modales.push_back(ventana);
    if (alMostrarModal) {
      alMostrarModal(ventana);
    }
  }
  void TraerAlFrente(Ventana) override {}
  void MostrarMenuQuitar() override {
    if (alMenuQuitar) {
      alMenuQuitar();
    }
  }
  std::string DirectorioPrograma() override { return directorio; }
  std::string DirectorioDocumentacion() override { return documentacion; }
  std::string CarpetaDatos() override { return datos; }
  std::string Hoy() override { return "2026-12-07"; }
  void Abrir(const std::string& documento) override { abiertos.push_back(documento); }

  std::string UltimoMensaje() const { return mensajes.empty() ? "" : mensajes.back().texto; }
  // Random numbers spread over [0, 1) for as long as they are asked for.
  void Variado() {
    azar = [x = 0.0]() mutable { return x = std::fmod(x + 0.618033988749895, 1.0); };
  }
  // Scripts the random numbers that draw exactly these pieces out of `fichas`.
  void Solucion(std::initializer_list<int> piezas, int fichas) {
    for (int p : piezas) {
      aleatorios.push_back((p - 0.5) / fichas);
    }
  }
};

}  // namespace quorbel::prueba
