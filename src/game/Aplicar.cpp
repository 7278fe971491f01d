// Applying a move, and taking the current row's moves back with "Deshacer".
#include "Juego.h"

namespace quorbel {

void Juego::Aplicar(const Movimiento& m) {
  // A move made while another waits on a window (the picker, the options dialog) starts from
  // the picture as it stands.
  Dibujar();
  const bool deshacible = DeshacerPuede(m) && FilaEnJuego();
  const std::size_t pasos = instantaneas_;
  std::optional<Instantanea> antes;
  if (deshacible) {
    antes = Tomar();
  }
  switch (m.accion) {
    case Accion::Arrancar:
      Arrancar();
      break;
    case Accion::Nuevo:
      Nuevo();
      break;
    case Accion::Salir:
      Salir();
      break;
    case Accion::PulsarCasilla:
      PulsarCasilla(m.valor, m.boton);
      break;
    case Accion::PulsarFicha:
      PulsarFicha(m.valor, m.boton);
      break;
    case Accion::PasarSobreFicha:
      PasarSobreFicha(m.valor);
      break;
    case Accion::Enviar:
      Enviar();
      break;
    case Accion::Tic:
      Tic();
      break;
    case Accion::VerSolucion:
      VerSolucion();
      break;
    case Accion::Desechar:
      Desechar();
      break;
    case Accion::NoFijar:
      NoFijar();
      break;
    case Accion::Recuperar:
      Recuperar();
      break;
    case Accion::ElegirRecuperada:
      ElegirRecuperada(m.valor);
      break;
    case Accion::CerrarVentanaFichas:
      CerrarVentanaFichas();
      break;
    case Accion::Deshacer:
      Deshacer();
      break;
    case Accion::CambiarColor:
      CambiarColor();
      break;
    case Accion::VerSimbolos:
      MostrarResultados(true);
      break;
    case Accion::VerTexto:
      MostrarResultados(false);
      break;
    case Accion::AbrirOpciones:
      AbrirOpciones();
      break;
    case Accion::ActivarOpciones:
      ActivarOpciones();
      break;
    case Accion::MoverCasillas:
      ajustes.SetCasillas(m.valor);
      break;
    case Accion::MoverIntentos:
      ajustes.SetIntentos(m.valor);
      break;
    case Accion::MoverFichas:
      ajustes.SetFichas(m.valor);
      break;
    case Accion::ElegirRepetidos:
      ajustes.SeleccionarRepetidos(m.valor);
      break;
    case Accion::ElegirColores:
      ajustes.SeleccionarColores(m.valor);
      break;
    case Accion::ElegirJugarCon:
      ajustes.SeleccionarJugarCon(m.valor);
      break;
    case Accion::AceptarOpciones:
      AceptarOpciones();
      break;
    case Accion::CerrarOpciones:
      CerrarOpciones();
      break;
    case Accion::ComoJugar:
      ComoJugar();
      break;
    case Accion::VerAcercaDe:
      plataforma_.MostrarModal(Ventana::AcercaDe);
      break;
    case Accion::PedirPista:
      PedirPista();
      break;
    case Accion::VerMejoresTiempos:
      VerMejoresTiempos();
      break;
  }
  // Only a move that changed the row can be taken back; a refused one leaves nothing to undo.
  // A move made while a window waited (the picker's choice) counts on its own.
  if (antes && FilaEnJuego() && antes->FilaActual == FilaActual && instantaneas_ == pasos &&
      (casillas != antes->casillas || desechadas != antes->desechadas ||
       FijaEnColumna != antes->FijaEnColumna || cursor != antes->cursor ||
       okHabilitado != antes->okHabilitado)) {
    deshacer_.push_back(std::move(*antes));
    ++instantaneas_;
    if (deshacer_.size() > kMaxDeshacer) {
      deshacer_.pop_front();
    }
  }
  Dibujar();
}

void Juego::Dibujar() {
  dibujo_.Dibujar(*this, PuedeDeshacer());
}

// What the player can take back: the moves that change the row being filled.
bool Juego::DeshacerPuede(const Movimiento& m) {
  switch (m.accion) {
    case Accion::PulsarFicha:
      return m.boton == kBotonIzquierdo;  // the other buttons open the piece's menu
    case Accion::NoFijar:
    case Accion::Desechar:
    case Accion::ElegirRecuperada:
      return true;
    default:
      return false;
  }
}

Juego::Instantanea Juego::Tomar() const {
  return {casillas,   FijaEnColumna, desechadas,     cursor,           okHabilitado,
          FilaActual, FichaActual,   FichaBajoRaton, dibujo_.principal};
}

// The row and its picture go back to just before the last move that changed them. What moved
// on meanwhile stays as it is: the clock, the colours, the scores' look, the small window.
void Juego::Deshacer() {
  if (!PuedeDeshacer()) {
    return;
  }
  Instantanea& antes = deshacer_.back();
  casillas = std::move(antes.casillas);
  FijaEnColumna = std::move(antes.FijaEnColumna);
  desechadas = std::move(antes.desechadas);
  cursor = antes.cursor;
  okHabilitado = antes.okHabilitado;
  FichaActual = antes.FichaActual;
  FichaBajoRaton = antes.FichaBajoRaton;
  dibujo_.principal = std::move(antes.principal);
  deshacer_.pop_back();
}

}  // namespace quorbel
