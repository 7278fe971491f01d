#pragma once

#include <compare>
#include <cstddef>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace quorbel {

// What makes games comparable: the same positions, pieces, attempts and repeats.
struct TipoPartida {
  int casillas = 4;
  int fichas = 10;
  int intentos = 10;
  bool repetidos = false;
  auto operator<=>(const TipoPartida&) const = default;
  // "4 casillas · 10 fichas · 10 intentos · sin repetidas"
  std::string Titulo() const;
};

// A won game: the seconds on the clock, the rows used, and the day (YYYY-MM-DD).
struct Marca {
  int segundos = 0;
  int filas = 0;
  std::string fecha;
  friend bool operator==(const Marca&, const Marca&) = default;
};

// The ten best times of each kind of game, kept in a text file that a person can read: a
// line a time, "casillas fichas intentos repetidas segundos filas fecha", e.g.
// "4 10 10 no 37 5 2026-12-07".
class MejoresTiempos {
 public:
  static constexpr std::size_t kTamanoMaximo = 256 * 1024;
  static constexpr std::size_t kPuestos = 10;

  // Reads the file. Lines that are not a time are skipped. A file that cannot be read as a
  // whole (too large, binary, unreadable) is moved aside under a name of its own and never
  // written over; when even that fails, the times stay unsaved rather than destroy it.
  void Cargar(const std::filesystem::path& ruta);
  // Writes the file atomically; false when it cannot be written.
  bool Guardar(const std::filesystem::path& ruta) const;

  // The best times of a kind of game, fastest first, fewer rows breaking ties.
  const std::vector<Marca>& De(const TipoPartida& tipo) const;
  // Enters a time; returns its place among the best (0 for the fastest), or -1 when it is not
  // among them.
  int Anotar(const TipoPartida& tipo, const Marca& marca);

  std::string Formatear() const;
  // The times of a file's bytes; false when the bytes are not a text file at all.
  bool Leer(std::string_view datos);

 private:
  std::map<TipoPartida, std::vector<Marca>> tiempos_;
  bool soloLectura_ = false;  // a damaged file that could not be moved aside
};

}  // namespace quorbel
