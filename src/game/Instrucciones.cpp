// Help: the instructions document and the about box.
#include "Juego.h"
#include "Textos.h"

namespace quorbel {

// The instructions beside the program, as in the build folder, or else where an installed
// game keeps its documentation.
void Juego::ComoJugar() {
  for (const std::string& carpeta :
       {plataforma_.DirectorioPrograma(), plataforma_.DirectorioDocumentacion()}) {
    const std::filesystem::path documento = std::filesystem::path(carpeta) / textos::kInstrucciones;
    std::error_code error;
    if (std::filesystem::is_regular_file(documento, error)) {
      plataforma_.Abrir(documento.string());
      return;
    }
  }
}

}  // namespace quorbel
