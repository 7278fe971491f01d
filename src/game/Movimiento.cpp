#include "Movimiento.h"

#include <array>
#include <sstream>
#include <string_view>

namespace quorbel {

namespace {

constexpr std::array<std::string_view, 32> kNombres = {
    "Arrancar",
    "Nuevo",
    "Salir",
    "PulsarCasilla",
    "PulsarFicha",
    "PasarSobreFicha",
    "Enviar",
    "Tic",
    "VerSolucion",
    "Desechar",
    "NoFijar",
    "Recuperar",
    "ElegirRecuperada",
    "CerrarVentanaFichas",
    "Deshacer",
    "CambiarColor",
    "VerSimbolos",
    "VerTexto",
    "AbrirOpciones",
    "ActivarOpciones",
    "MoverCasillas",
    "MoverIntentos",
    "MoverFichas",
    "ElegirRepetidos",
    "ElegirColores",
    "ElegirJugarCon",
    "AceptarOpciones",
    "CerrarOpciones",
    "ComoJugar",
    "VerAcercaDe",
    "PedirPista",
    "VerMejoresTiempos",
};
static_assert(static_cast<std::size_t>(Accion::VerMejoresTiempos) + 1 == kNombres.size());

}  // namespace

std::string Texto(const Movimiento& m) {
  return std::string(kNombres[static_cast<std::size_t>(m.accion)]) + " " + std::to_string(m.valor) +
         " " + std::to_string(m.boton);
}

std::optional<Movimiento> LeerMovimiento(const std::string& linea) {
  std::istringstream entrada(linea);
  std::string nombre;
  Movimiento m;
  if (!(entrada >> nombre >> m.valor >> m.boton)) {
    return std::nullopt;
  }
  for (std::size_t i = 0; i < kNombres.size(); ++i) {
    if (kNombres[i] == nombre) {
      m.accion = static_cast<Accion>(i);
      return m;
    }
  }
  return std::nullopt;
}

}  // namespace quorbel
