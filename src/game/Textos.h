#pragma once

// The texts the game shows, exactly as the player reads them.
namespace quorbel::textos {

inline constexpr const char* kNuevaPartida = "Quieres comenzar una nueva partida?";
inline constexpr const char* kRepetidas = "No puede haber fichas repetidas.";
inline constexpr const char* kFelicidades = "Felicidades! Lo has resuelto!";
inline constexpr const char* kViendoSolucion = "Viendo la solución cualquiera acierta.";
inline constexpr const char* kFallaste = "Fallaste. La solución es...";
inline constexpr const char* kSolucion = "Solución:";
inline constexpr const char* kVerSolucion = "Quieres ver la solución?";
inline constexpr const char* kRecuperar = "Recuperar:";
inline constexpr const char* kNadaQueRecuperar = "No hay fichas para recuperar.";
inline constexpr const char* kNoMasDesechos = "No puedes desechar mas fichas.";
inline constexpr const char* kFijada = "Esa ficha está fijada.";
inline constexpr const char* kFijarTodas = "No puedes fijar todas las posiciones.";
inline constexpr const char* kSinTexto = "Las fichas deben tener texto.";
inline constexpr const char* kPocosColores = "No hay tantas fichas de color.";
inline constexpr const char* kReiniciar = "Esto reiniciará la partida.\rQuieres continuar?";
inline constexpr const char* kInstrucciones = "Instrucciones.htm";

}  // namespace quorbel::textos
