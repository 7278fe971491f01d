#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "Ajustes.h"

namespace quorbel {

// The settings file: six fields, one a line, CR LF line ends. Lines 1 to 3 hold the index of
// the chosen option of "Repetidos:", "Colores:" and "Jugar con:"; lines 4 to 6 hold the
// positions, attempts and pieces between double quotes.
namespace archivo_ajustes {

inline constexpr const char* kNombre = "Quorbel.ini";
// A larger file is not a settings file: it is refused without being parsed.
inline constexpr std::size_t kTamanoMaximo = 64 * 1024;

// Reads the file field by field into `ajustes` through the dialog's own interlocks. Stops at
// the first field that is missing or fails; the fields read before it stay applied.
// Returns whether all six fields were read.
bool Cargar(const std::filesystem::path& ruta, Ajustes& ajustes);

// Same as Cargar, from the file's bytes.
bool CargarDesde(std::string_view datos, Ajustes& ajustes);

// The file's bytes for these settings.
std::string Formatear(const Ajustes& ajustes);

// Replaces the file atomically: a crash or a full disk never leaves half a file.
// Returns false when it could not be written; the file on disk is then untouched.
bool Guardar(const std::filesystem::path& ruta, const Ajustes& ajustes);

// Splits the text into fields the way the file is read: a field ends at a comma or a line
// end, leading spaces and tabs are skipped, and a field opened by a double quote runs to the
// next double quote.
class LectorCampos {
 public:
  explicit LectorCampos(std::string_view datos) : datos_(datos) {}
  // The next field, or nothing when the text has ended.
  std::optional<std::string> Siguiente();

 private:
  void SaltarDelimitador();
  std::string_view datos_;
  std::size_t pos_ = 0;
};

// The number at the start of the text (0 when there is none), or nothing when it does not
// fit in a double.
std::optional<double> ValorInicial(std::string_view texto);
// The text as a number when the whole of it (spaces around aside) is one.
std::optional<double> ValorCompleto(std::string_view texto);
// The nearest whole number, halves to the even neighbour, when it lies in [min, max].
std::optional<int> Redondear(double valor, int min, int max);

}  // namespace archivo_ajustes
}  // namespace quorbel
