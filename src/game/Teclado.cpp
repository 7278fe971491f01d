#include "Teclado.h"

#include <cctype>

namespace quorbel {

std::string TeclaDeFicha(JugarCon jugar, int ficha) {
  static constexpr const char* kSinRotulo = "1234567890ABC";
  if (ficha < 1 || ficha > (jugar == JugarCon::Letras    ? 26
                            : jugar == JugarCon::Numeros ? 10
                                                         : 13)) {
    return "";
  }
  const char tecla = jugar == JugarCon::Letras    ? static_cast<char>('A' + ficha - 1)
                     : jugar == JugarCon::Numeros ? static_cast<char>('0' + ficha - 1)
                                                  : kSinRotulo[ficha - 1];
  return std::string(1, tecla);
}

int FichaDeTecla(JugarCon jugar, int fichas, char tecla) {
  const std::string buscada(1, static_cast<char>(std::toupper(static_cast<unsigned char>(tecla))));
  for (int ficha = 1; ficha <= fichas; ++ficha) {
    if (TeclaDeFicha(jugar, ficha) == buscada) {
      return ficha;
    }
  }
  return 0;
}

}  // namespace quorbel
