#include "ArchivoAjustes.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "Archivos.h"

namespace quorbel::archivo_ajustes {

namespace {

bool EsEspacio(char c) {
  return c == ' ' || c == '\t';
}
bool EsFinDeLinea(char c) {
  return c == '\r' || c == '\n';
}
bool EsDigito(char c) {
  return c >= '0' && c <= '9';
}

// Length of the number at the start of `t` (sign, digits, fraction, exponent), 0 if none.
std::size_t LargoNumero(std::string_view t) {
  std::size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
    ++i;
  }
  std::size_t digitos = 0;
  while (i < t.size() && EsDigito(t[i])) {
    ++i;
    ++digitos;
  }
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && EsDigito(t[i])) {
      ++i;
      ++digitos;
    }
  }
  if (digitos == 0) {
    return 0;
  }
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < t.size() && (t[j] == '+' || t[j] == '-')) {
      ++j;
    }
    if (j < t.size() && EsDigito(t[j])) {
      while (j < t.size() && EsDigito(t[j])) {
        ++j;
      }
      i = j;
    }
  }
  return i;
}

std::string_view SinEspacios(std::string_view t) {
  while (!t.empty() && EsEspacio(t.front())) {
    t.remove_prefix(1);
  }
  while (!t.empty() && EsEspacio(t.back())) {
    t.remove_suffix(1);
  }
  return t;
}

std::optional<double> Convertir(std::string_view numero) {
  std::string copia(numero);
  errno = 0;
  double valor = std::strtod(copia.c_str(), nullptr);
  if (errno == ERANGE && std::isinf(valor)) {
    return std::nullopt;
  }
  return valor;
}

}  // namespace

std::optional<std::string> LectorCampos::Siguiente() {
  while (pos_ < datos_.size() && EsEspacio(datos_[pos_])) {
    ++pos_;
  }
  if (pos_ >= datos_.size()) {
    return std::nullopt;
  }
  std::string campo;
  if (datos_[pos_] == '"') {
    std::size_t cierre = datos_.find('"', pos_ + 1);
    if (cierre == std::string_view::npos) {
      cierre = datos_.size();
    }
    campo = datos_.substr(pos_ + 1, cierre - pos_ - 1);
    pos_ = cierre < datos_.size() ? cierre + 1 : cierre;
    // Whatever stands between the closing quote and the delimiter is not part of the value.
    while (pos_ < datos_.size() && datos_[pos_] != ',' && !EsFinDeLinea(datos_[pos_])) {
      ++pos_;
    }
  } else {
    std::size_t inicio = pos_;
    while (pos_ < datos_.size() && datos_[pos_] != ',' && !EsFinDeLinea(datos_[pos_])) {
      ++pos_;
    }
    campo = SinEspacios(datos_.substr(inicio, pos_ - inicio));
  }
  SaltarDelimitador();
  return campo;
}

void LectorCampos::SaltarDelimitador() {
  if (pos_ >= datos_.size()) {
    return;
  }
  if (datos_[pos_] == '\r') {
    ++pos_;
    if (pos_ < datos_.size() && datos_[pos_] == '\n') {
      ++pos_;
    }
  } else {
    ++pos_;  // a comma or a line feed
  }
}

std::optional<double> ValorInicial(std::string_view texto) {
  texto = SinEspacios(texto);
  std::size_t largo = LargoNumero(texto);
  if (largo == 0) {
    return 0.0;
  }
  return Convertir(texto.substr(0, largo));
}

std::optional<double> ValorCompleto(std::string_view texto) {
  texto = SinEspacios(texto);
  std::size_t largo = LargoNumero(texto);
  if (largo == 0 || largo != texto.size()) {
    return std::nullopt;
  }
  return Convertir(texto);
}

std::optional<int> Redondear(double valor, int min, int max) {
  if (!std::isfinite(valor)) {
    return std::nullopt;
  }
  // The default rounding mode sends halves to the even neighbour: 2.5 gives 2, 3.5 gives 4.
  double entero = std::nearbyint(valor);
  if (entero < min || entero > max) {
    return std::nullopt;
  }
  return static_cast<int>(entero);
}

bool CargarDesde(std::string_view datos, Ajustes& ajustes) {
  if (datos.find('\0') != std::string_view::npos) {
    return false;  // binary data, not a settings file
  }
  if (datos.substr(0, 3) == "\xEF\xBB\xBF") {
    datos.remove_prefix(3);  // a byte-order mark left by a text editor
  }
  LectorCampos lector(datos);

  auto indice = [&](int opciones) -> std::optional<int> {
    auto campo = lector.Siguiente();
    if (!campo) {
      return std::nullopt;
    }
    auto valor = ValorInicial(*campo);
    return valor ? Redondear(*valor, 0, opciones - 1) : std::nullopt;
  };
  auto numero = [&](int min, int max) -> std::optional<int> {
    auto campo = lector.Siguiente();
    if (!campo) {
      return std::nullopt;
    }
    auto valor = ValorCompleto(*campo);
    return valor ? Redondear(*valor, min, max) : std::nullopt;
  };

  auto repetidos = indice(2);
  if (!repetidos) {
    return false;
  }
  ajustes.SeleccionarRepetidos(*repetidos);
  auto colores = indice(2);
  if (!colores) {
    return false;
  }
  ajustes.SeleccionarColores(*colores);
  auto jugar = indice(3);
  if (!jugar) {
    return false;
  }
  ajustes.SeleccionarJugarCon(*jugar);
  ajustes.AplicarLimite();

  auto casillas = numero(Ajustes::kMinCasillas, Ajustes::kMaxCasillas);
  if (!casillas) {
    return false;
  }
  ajustes.SetCasillas(*casillas);
  auto intentos = numero(Ajustes::kMinIntentos, Ajustes::kMaxIntentos);
  if (!intentos) {
    return false;
  }
  ajustes.SetIntentos(*intentos);
  auto fichas = numero(ajustes.MinFichas(), ajustes.LimiteFichas());
  if (!fichas) {
    return false;
  }
  ajustes.SetFichas(*fichas);
  return true;
}

bool Cargar(const std::filesystem::path& ruta, Ajustes& ajustes) {
  auto datos = archivos::LeerAcotado(ruta, kTamanoMaximo);
  return datos && CargarDesde(*datos, ajustes);
}

std::string Formatear(const Ajustes& a) {
  auto entre_comillas = [](int v) { return "\"" + std::to_string(v) + "\"\r\n"; };
  return std::to_string(a.IndiceRepetidos()) + "\r\n" + std::to_string(a.IndiceColores()) + "\r\n" +
         std::to_string(a.IndiceJugarCon()) + "\r\n" + entre_comillas(a.Casillas()) +
         entre_comillas(a.Intentos()) + entre_comillas(a.Fichas());
}

bool Guardar(const std::filesystem::path& ruta, const Ajustes& ajustes) {
  return archivos::EscribirAtomico(ruta, Formatear(ajustes));
}

}  // namespace quorbel::archivo_ajustes
