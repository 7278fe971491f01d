#pragma once

#include <string>
#include <vector>

#include "Registro.h"

namespace quorbel {

enum class Icono { Informacion, Exclamacion, Pregunta };
enum class Botones { Ok, OkCancelar };
enum class Respuesta { Ok, Cancelar };

// The windows the game shows besides the main one; Fichas is the small window.
enum class Ventana { Fichas, Opciones, AcercaDe, MejoresTiempos };

// What the game needs from the desktop. The program passes the Qt implementation; the tests
// pass a fake with scripted random numbers, a clock they move and pre-answered messages.
class Plataforma {
 public:
  virtual ~Plataforma() = default;

  // Reseeds the random source from the clock; called once per run.
  virtual void Sembrar() = 0;
  // A uniform random number in [0, 1).
  virtual double Aleatorio() = 0;
  // Seconds from a fixed point, never going backwards.
  virtual double Segundos() = 0;

  // A modal message box titled with the program's name; closing it counts as Cancel.
  virtual Respuesta Mensaje(const std::string& texto, Icono icono, Botones botones) = 0;
  // A notice that shows pieces as the palette draws them, below its text.
  virtual void MensajeConFichas(const std::string& texto, const std::vector<Elemento>& fichas) = 0;

  // Shows a window modally; returns once it is hidden or closed.
  virtual void MostrarModal(Ventana ventana) = 0;
  // Raises a window that is already shown.
  virtual void TraerAlFrente(Ventana ventana) = 0;
  // Pops up the palette's context menu "Quitar" at the pointer.
  virtual void MostrarMenuQuitar() = 0;

  // The folder the program lies in, and where its installed documentation lies.
  virtual std::string DirectorioPrograma() = 0;
  virtual std::string DirectorioDocumentacion() = 0;
  // The folder that keeps the player's own data, the best times; "" for none.
  virtual std::string CarpetaDatos() = 0;
  // Today, written YYYY-MM-DD.
  virtual std::string Hoy() = 0;
  // Hands a document path or an address to the desktop; failures are ignored.
  virtual void Abrir(const std::string& documento) = 0;
  // The pointer shows that the game is busy, until told otherwise.
  virtual void Ocupado(bool /*ocupado*/) {}
};

}  // namespace quorbel
