#pragma once

namespace quorbel {

// What the pieces show.
enum class JugarCon { Letras = 0, Numeros = 1, Vacio = 2 };

// The six settings in force, with the interlocks of the options dialog: the pieces value
// stays between the positions and the limit that the piece kind and colours allow.
class Ajustes {
 public:
  static constexpr int kMinCasillas = 3, kMaxCasillas = 10;
  static constexpr int kMinIntentos = 1, kMaxIntentos = 20;

  bool Repetidos() const { return repetidos_ == 0; }
  bool Colores() const { return colores_ == 0; }
  JugarCon Jugar() const { return static_cast<JugarCon>(jugarCon_); }
  int Casillas() const { return casillas_; }
  int Intentos() const { return intentos_; }
  int Fichas() const { return fichas_; }
  int MinFichas() const { return casillas_; }
  int LimiteFichas() const { return limiteFichas_; }

  // Index of the selected option of each group, as the settings file stores it.
  int IndiceRepetidos() const { return repetidos_; }
  int IndiceColores() const { return colores_; }
  int IndiceJugarCon() const { return jugarCon_; }

  // Option clicks: 0 "Si." / 1 "No."; 0 "Letras." / 1 "Números." / 2 "Vacío.".
  // An index outside the group is ignored.
  void SeleccionarRepetidos(int indice);
  void SeleccionarColores(int indice);
  void SeleccionarJugarCon(int indice);

  // Slider changes; a value outside the slider's bounds is pulled inside them.
  void SetCasillas(int valor);
  void SetIntentos(int valor);
  void SetFichas(int valor);

  // The limit the table gives for the current colours and piece kind.
  int LimiteSegunTabla() const;
  void AplicarLimite() { FijarLimite(LimiteSegunTabla()); }

  friend bool operator==(const Ajustes&, const Ajustes&) = default;

 private:
  void FijarLimite(int limite);

  int repetidos_ = 1;
  int colores_ = 0;
  int jugarCon_ = 1;
  int casillas_ = 4;
  int intentos_ = 10;
  int fichas_ = 10;
  int limiteFichas_ = 10;
};

}  // namespace quorbel
