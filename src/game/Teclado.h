#pragma once

#include <string>

#include <optional>

#include "Ajustes.h"
#include "Estado.h"
#include "Movimiento.h"

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

// What a key on the board does, as the same press of the mouse would: the arrows, Home and End
// move the cursor along the row, Space fixes at it, Return is "OK", a piece's key places the
// piece, or opens its menu with Shift. Nothing for a key that does nothing now.
std::optional<Movimiento> MovimientoDeTecla(const Estado& e, Tecla tecla, char caracter = 0,
                                            bool mayusculas = false);

}  // namespace quorbel
