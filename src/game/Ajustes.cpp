#include "Ajustes.h"

#include <algorithm>

namespace quorbel {

void Ajustes::SeleccionarRepetidos(int indice) {
  if (indice == 0 || indice == 1) {
    repetidos_ = indice;
  }
}

void Ajustes::SeleccionarColores(int indice) {
  if (indice == 0) {
    colores_ = 0;
    FijarLimite(Jugar() == JugarCon::Numeros ? 10 : 13);
  } else if (indice == 1) {
    if (Jugar() == JugarCon::Vacio) {
      // Pieces without text can only be told apart by their colour.
      SeleccionarColores(0);
      return;
    }
    colores_ = 1;
    FijarLimite(Jugar() == JugarCon::Letras ? 26 : 10);
  }
}

void Ajustes::SeleccionarJugarCon(int indice) {
  switch (indice) {
    case 0:
      jugarCon_ = 0;
      FijarLimite(Colores() ? 13 : 26);
      break;
    case 1:
      jugarCon_ = 1;
      FijarLimite(10);
      break;
    case 2:
      jugarCon_ = 2;
      if (!Colores()) {
        SeleccionarColores(0);
      }
      FijarLimite(13);
      break;
    default:
      break;
  }
}

void Ajustes::SetCasillas(int valor) {
  casillas_ = std::clamp(valor, kMinCasillas, kMaxCasillas);
  fichas_ = std::max(fichas_, casillas_);
}

void Ajustes::SetIntentos(int valor) {
  intentos_ = std::clamp(valor, kMinIntentos, kMaxIntentos);
}

void Ajustes::SetFichas(int valor) {
  fichas_ = std::clamp(valor, casillas_, limiteFichas_);
}

int Ajustes::LimiteSegunTabla() const {
  if (Colores()) {
    return Jugar() == JugarCon::Numeros ? 10 : 13;
  }
  return Jugar() == JugarCon::Letras ? 26 : 10;
}

void Ajustes::FijarLimite(int limite) {
  limiteFichas_ = limite;
  fichas_ = std::min(fichas_, limiteFichas_);
}

}  // namespace quorbel
