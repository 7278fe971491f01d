#pragma once

#include <QElapsedTimer>
#include <QString>
#include <deque>
#include <functional>
#include <random>

#include "Plataforma.h"

namespace quorbel {

class Aplicacion;

// The desktop services on Qt.
class PlataformaQt : public Plataforma {
 public:
  explicit PlataformaQt(Aplicacion& app);

  void Sembrar() override;
  double Aleatorio() override;
  double Segundos() override;
  Respuesta Mensaje(const std::string& texto, Icono icono, Botones botones) override;
  void MensajeConFichas(const std::string& texto, const std::vector<Elemento>& fichas) override;
  void MostrarModal(Ventana ventana) override;
  void TraerAlFrente(Ventana ventana) override;
  void MostrarMenuQuitar() override;
  std::string DirectorioPrograma() override;
  std::string DirectorioDocumentacion() override;
  std::string CarpetaDatos() override;
  std::string Hoy() override;
  void Abrir(const std::string& documento) override;
  void Ocupado(bool ocupado) override;

  // For tests: random numbers to hand out before the generator's own, and a stand-in for
  // the desktop when a document or address is opened.
  std::deque<double> aleatoriosGuionados;
  std::function<void(const QString&)> abrirGuion;

 private:
  Respuesta Caja(const std::string& texto, Icono icono, Botones botones,
                 const std::vector<Elemento>& fichas);
  void MostrarVentana(Ventana ventana);
  void DevolverTeclado();

  Aplicacion& app_;
  std::mt19937_64 generador_;
  QElapsedTimer reloj_;
};

}  // namespace quorbel
