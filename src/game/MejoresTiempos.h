#pragma once

#include <chrono>
#include <compare>
#include <cstddef>
#include <filesystem>
#include <map>
#include <optional>
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
struct TiempoGanado {
  int segundos = 0;
  int filas = 0;
  std::string fecha;
  friend bool operator==(const TiempoGanado&, const TiempoGanado&) = default;
};

// The ten best times of each kind of game, kept in a text file that a person can read: a
// line a time, "casillas fichas intentos repetidas segundos filas fecha", e.g.
// "4 10 10 no 37 5 2026-12-07".
class MejoresTiempos {
 public:
  static constexpr std::size_t kTamanoMaximo = 256 * 1024;
  static constexpr std::size_t kPuestos = 10;

  // How long a win waits for another copy of the game to finish writing the file.
  static constexpr std::chrono::seconds kEsperaCerrojo{2};

  // Reads the file as it is now. Lines that are not a time are skipped. A file that cannot be
  // read as a whole (too large, binary, unreadable) is moved aside under a name of its own and
  // never written over.
  void Cargar(const std::filesystem::path& ruta);
  // Enters a won game's time in the file. Other copies of the game may have written to it
  // since it was read, so it is read again under the file's lock, the time entered and the
  // file written back atomically before the lock is let go. Returns the time's place among
  // the best (0 for the fastest), or -1 when it is not among them or cannot be kept; the
  // times are then the file's, and Perdida() holds a time that was among them.
  int Anotar(const std::filesystem::path& ruta, const TipoPartida& tipo,
             const TiempoGanado& tiempo);
  // The time among the best that the last entry could not keep.
  const std::optional<TiempoGanado>& Perdida() const { return perdida_; }

  // The best times of a kind of game, fastest first, fewer rows breaking ties.
  const std::vector<TiempoGanado>& De(const TipoPartida& tipo) const;

  std::string Formatear() const;
  // The times of a file's bytes; false when the bytes are not a text file at all.
  bool Leer(std::string_view datos);

 private:
  // Reads the file into the times, moving a damaged one aside when `apartar`; false when a
  // file stays there that must not be written over.
  bool Releer(const std::filesystem::path& ruta, bool apartar);
  int Entrar(const TipoPartida& tipo, const TiempoGanado& tiempo);

  std::map<TipoPartida, std::vector<TiempoGanado>> tiempos_;
  std::optional<TiempoGanado> perdida_;
};

}  // namespace quorbel
