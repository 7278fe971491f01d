#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace quorbel::archivos {

// The whole of a regular file of at most `maximo` bytes; nothing when there is no such file,
// when it is larger, or when it cannot be read.
std::optional<std::string> LeerAcotado(const std::filesystem::path& ruta, std::size_t maximo);

// Replaces the file with `datos` atomically (a temporary file renamed over it, readable by
// all): a crash or a full disk never leaves half a file. False when it could not be written;
// the file on disk is then untouched and nothing is left behind.
bool EscribirAtomico(const std::filesystem::path& ruta, const std::string& datos);

// An advisory lock on the file `ruta` (made when missing, never removed, so that two holders
// can never each hold a file of their own), held while the value lives. The system drops it
// when its holder ends, so a copy of the game that crashed keeps no one waiting; one that
// hangs holding it is waited for at most `espera`.
class Cerrojo {
 public:
  Cerrojo(const std::filesystem::path& ruta, std::chrono::milliseconds espera);
  ~Cerrojo();
  Cerrojo(const Cerrojo&) = delete;
  Cerrojo& operator=(const Cerrojo&) = delete;
  bool Tomado() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

}  // namespace quorbel::archivos
