#pragma once

#include <string>

#include "Ajustes.h"

namespace quorbel {

// The caption of palette piece `ficha` (from 1): "0"-"9" with Números, "A"-"Z" with Letras,
// none with Vacío.
std::string RotuloDeFicha(JugarCon jugar, int ficha);

// The key that names each palette piece: its caption, or, for pieces without one, "1"-"9",
// "0", "A", "B", "C" in palette order. Empty for a piece that has no key.
std::string TeclaDeFicha(JugarCon jugar, int ficha);

// The piece among the game's `fichas` that a typed character names, either case; 0 when it
// names none.
int FichaDeTecla(JugarCon jugar, int fichas, char tecla);

}  // namespace quorbel
