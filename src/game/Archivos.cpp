#include "Archivos.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <system_error>
#include <thread>

namespace quorbel::archivos {

namespace {

bool EscribirTodo(int fd, const std::string& datos) {
  std::size_t escrito = 0;
  while (escrito < datos.size()) {
    const ssize_t n = ::write(fd, datos.data() + escrito, datos.size() - escrito);
    if (n < 0 && errno != EINTR) {
      return false;
    }
    escrito += n < 0 ? 0 : static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

std::optional<std::string> LeerAcotado(const std::filesystem::path& ruta, std::size_t maximo) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(ruta, error)) {
    return std::nullopt;
  }
  std::ifstream entrada(ruta, std::ios::binary);
  std::string datos(maximo + 1, '\0');
  entrada.read(datos.data(), static_cast<std::streamsize>(datos.size()));
  datos.resize(static_cast<std::size_t>(entrada.gcount()));
  if (!entrada.is_open() || entrada.bad() || datos.size() > maximo) {
    return std::nullopt;
  }
  return datos;
}

bool EscribirAtomico(const std::filesystem::path& ruta, const std::string& datos) {
  std::string temporal = ruta.string() + ".XXXXXX";
  const int fd = ::mkstemp(temporal.data());
  if (fd < 0) {
    return false;
  }
  bool bien = ::fchmod(fd, 0644) == 0 && EscribirTodo(fd, datos) && ::fsync(fd) == 0;
  bien = ::close(fd) == 0 && bien;
  if (bien && std::rename(temporal.c_str(), ruta.c_str()) == 0) {
    return true;
  }
  ::unlink(temporal.c_str());
  return false;
}

Cerrojo::Cerrojo(const std::filesystem::path& ruta, std::chrono::milliseconds espera) {
  fd_ = ::open(ruta.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd_ < 0) {
    fd_ = ::open(ruta.c_str(), O_RDONLY | O_CLOEXEC);  // one made by someone else
  }
  const auto limite = std::chrono::steady_clock::now() + espera;
  while (fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
    if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= limite) {
      ::close(fd_);
      fd_ = -1;
    } else {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }
}

Cerrojo::~Cerrojo() {
  if (fd_ >= 0) {
    ::close(fd_);  // closing the only descriptor lets go of the lock
  }
}

}  // namespace quorbel::archivos
