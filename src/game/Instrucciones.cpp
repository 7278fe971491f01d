// Help: the instructions document and the about box.
#include "Juego.h"
#include "Textos.h"

namespace quorbel {

void Juego::ComoJugar() {
  const std::filesystem::path documento =
      std::filesystem::path(plataforma_.DirectorioPrograma()) / textos::kInstrucciones;
  std::error_code error;
  if (std::filesystem::is_regular_file(documento, error)) {
    plataforma_.Abrir(documento.string());
  }
}

void Juego::VerAcercaDe() {
  plataforma_.MostrarModal(Ventana::AcercaDe);
}

}  // namespace quorbel
