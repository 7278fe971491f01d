#include "MejoresTiempos.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <tuple>

#include "Archivos.h"

namespace quorbel {

namespace {

bool MasRapida(const TiempoGanado& a, const TiempoGanado& b) {
  return std::tie(a.segundos, a.filas) < std::tie(b.segundos, b.filas);
}

std::optional<int> Entero(std::string_view texto, int minimo, int maximo) {
  int valor = 0;
  const auto [fin, error] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
  if (error != std::errc() || fin != texto.data() + texto.size() || valor < minimo ||
      valor > maximo) {
    return std::nullopt;
  }
  return valor;
}

// A day written YYYY-MM-DD.
bool EsFecha(std::string_view f) {
  return f.size() == 10 && f[4] == '-' && f[7] == '-' && Entero(f.substr(0, 4), 1, 9999) &&
         Entero(f.substr(5, 2), 1, 12) && Entero(f.substr(8, 2), 1, 31);
}

std::vector<std::string_view> Palabras(std::string_view linea) {
  std::vector<std::string_view> palabras;
  std::size_t i = 0;
  while (i < linea.size()) {
    const std::size_t inicio = linea.find_first_not_of(" \t\r", i);
    if (inicio == std::string_view::npos) {
      break;
    }
    i = std::min(linea.find_first_of(" \t\r", inicio), linea.size());
    palabras.push_back(linea.substr(inicio, i - inicio));
  }
  return palabras;
}

// Beside the times: locking the file itself would not do, since each write puts a new file in
// its place.
std::filesystem::path RutaCerrojo(const std::filesystem::path& ruta) {
  std::filesystem::path cerrojo = ruta;
  return cerrojo += ".cerrojo";
}

}  // namespace

std::string TipoPartida::Titulo() const {
  return std::to_string(casillas) + " casillas · " + std::to_string(fichas) + " fichas · " +
         std::to_string(intentos) + " intentos · " + (repetidos ? "con" : "sin") + " repetidas";
}

const std::vector<TiempoGanado>& MejoresTiempos::De(const TipoPartida& tipo) const {
  static const std::vector<TiempoGanado> kNinguna;
  const auto tabla = tiempos_.find(tipo);
  return tabla == tiempos_.end() ? kNinguna : tabla->second;
}

int MejoresTiempos::Entrar(const TipoPartida& tipo, const TiempoGanado& tiempo) {
  std::vector<TiempoGanado>& tabla = tiempos_[tipo];
  const auto puesto = std::upper_bound(tabla.begin(), tabla.end(), tiempo, MasRapida);
  if (puesto - tabla.begin() >= static_cast<std::ptrdiff_t>(kPuestos)) {
    return -1;
  }
  const auto indice = static_cast<int>(puesto - tabla.begin());
  tabla.insert(puesto, tiempo);
  tabla.resize(std::min(tabla.size(), kPuestos));
  return indice;
}

std::string MejoresTiempos::Formatear() const {
  std::string texto =
      "# Mejores tiempos de Quorbel: casillas fichas intentos repetidas "
      "segundos filas fecha\n";
  for (const auto& [tipo, tabla] : tiempos_) {
    for (const TiempoGanado& m : tabla) {
      texto += std::to_string(tipo.casillas) + ' ' + std::to_string(tipo.fichas) + ' ' +
               std::to_string(tipo.intentos) + (tipo.repetidos ? " si " : " no ") +
               std::to_string(m.segundos) + ' ' + std::to_string(m.filas) + ' ' + m.fecha + '\n';
    }
  }
  return texto;
}

bool MejoresTiempos::Leer(std::string_view datos) {
  if (datos.find('\0') != std::string_view::npos) {
    return false;  // not a text file
  }
  tiempos_.clear();
  while (!datos.empty()) {
    const std::size_t fin = std::min(datos.find('\n'), datos.size());
    const std::vector<std::string_view> p = Palabras(datos.substr(0, fin));
    datos.remove_prefix(std::min(fin + 1, datos.size()));
    if (p.size() != 7 || p[0].starts_with('#')) {
      continue;
    }
    const auto casillas = Entero(p[0], 3, 10);
    const auto fichas = Entero(p[1], casillas.value_or(3), 26);
    const auto intentos = Entero(p[2], 1, 20);
    const auto segundos = Entero(p[4], 0, 1'000'000'000);
    const auto filas = Entero(p[5], 1, intentos.value_or(20));
    if (casillas && fichas && intentos && (p[3] == "si" || p[3] == "no") && segundos && filas &&
        EsFecha(p[6])) {
      Entrar({*casillas, *fichas, *intentos, p[3] == "si"}, {*segundos, *filas, std::string(p[6])});
    }
  }
  return true;
}

bool MejoresTiempos::Releer(const std::filesystem::path& ruta, bool apartar) {
  tiempos_.clear();
  std::error_code error;
  if (!std::filesystem::exists(ruta, error)) {
    return !error;  // a file that cannot even be looked at is never written over
  }
  const auto datos = archivos::LeerAcotado(ruta, kTamanoMaximo);
  if (datos && Leer(*datos)) {
    return true;
  }
  // Damaged: kept under a name of its own, and the game starts a new file.
  for (int i = 0; apartar && i < 100; ++i) {
    std::filesystem::path aparte = ruta;
    aparte += i == 0 ? ".dañado" : ".dañado." + std::to_string(i);
    if (!std::filesystem::exists(aparte, error) && !error) {
      std::filesystem::rename(ruta, aparte, error);
      return !error;
    }
  }
  return false;
}

void MejoresTiempos::Cargar(const std::filesystem::path& ruta) {
  perdida_.reset();
  tiempos_.clear();
  if (!ruta.empty()) {
    // Under the lock, so that a damaged file is never mistaken for the new one another copy
    // has just put in its place.
    const archivos::Cerrojo cerrojo(RutaCerrojo(ruta), kEsperaCerrojo);
    Releer(ruta, cerrojo.Tomado());
  }
}

int MejoresTiempos::Anotar(const std::filesystem::path& ruta, const TipoPartida& tipo,
                           const TiempoGanado& tiempo) {
  perdida_.reset();
  std::error_code error;
  std::filesystem::create_directories(ruta.parent_path(), error);
  const archivos::Cerrojo cerrojo(RutaCerrojo(ruta), kEsperaCerrojo);
  const bool escribible = Releer(ruta, cerrojo.Tomado());
  MejoresTiempos con = *this;
  const int puesto = con.Entrar(tipo, tiempo);
  if (puesto < 0) {
    return -1;
  }
  if (cerrojo.Tomado() && escribible && archivos::EscribirAtomico(ruta, con.Formatear())) {
    tiempos_ = std::move(con.tiempos_);
    return puesto;
  }
  perdida_ = tiempo;
  return -1;
}

}  // namespace quorbel
