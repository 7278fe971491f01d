#pragma once

#include <filesystem>
#include <memory>

#include <Qt>

#include "Juego.h"

namespace quorbel {

class PlataformaQt;
class VentanaPrincipal;
class VentanaFichas;
class DialogoOpciones;

// Title-bar buttons. The main window can be minimised and closed but never maximised, as its
// board has one size; the smaller windows can only be closed. Without CustomizeWindowHint a
// window manager would be offered every button.
inline constexpr Qt::WindowFlags kBotonesPrincipal =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
inline constexpr Qt::WindowFlags kBotonesDialogo =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// The running program: the game, its desktop services and its windows. Every event reaches
// the game as a move through Despachar, and the windows then show the game's record as it
// stands.
class Aplicacion {
 public:
  explicit Aplicacion(std::filesystem::path rutaAjustes = archivo_ajustes::kNombre);
  ~Aplicacion();
  Aplicacion(const Aplicacion&) = delete;
  Aplicacion& operator=(const Aplicacion&) = delete;

  // Start-up: loads the settings, deals the first game, shows the about box and then the
  // main window.
  void Iniciar();

  // Plays a move of the player's, then shows the windows as the game now stands.
  void Despachar(const Movimiento& movimiento);
  // Brings every window in line with the game's record.
  void Sincronizar();

  Juego& juego() { return *juego_; }
  PlataformaQt& plataforma() { return *plataforma_; }
  VentanaPrincipal& principal() { return *principal_; }
  VentanaFichas& ventanaFichas() { return *ventanaFichas_; }
  DialogoOpciones& opciones() { return *opciones_; }

 private:
  std::unique_ptr<PlataformaQt> plataforma_;
  std::unique_ptr<Juego> juego_;
  std::unique_ptr<VentanaPrincipal> principal_;
  VentanaFichas* ventanaFichas_ = nullptr;  // owned by the main window
  DialogoOpciones* opciones_ = nullptr;     // owned by the main window
};

}  // namespace quorbel
