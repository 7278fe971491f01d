#pragma once

#include <cstdint>

namespace quorbel {

// A colour as the game stores and compares it: red + 256 * green + 65536 * blue.
class Color {
 public:
  constexpr Color() = default;
  constexpr explicit Color(std::uint32_t value) : value_(value & 0xFFFFFFu) {}
  static constexpr Color Rgb(int r, int g, int b) {
    return Color(static_cast<std::uint32_t>(r) | static_cast<std::uint32_t>(g) << 8 |
                 static_cast<std::uint32_t>(b) << 16);
  }

  constexpr std::uint32_t value() const { return value_; }
  constexpr int Red() const { return static_cast<int>(value_ & 0xFF); }
  constexpr int Green() const { return static_cast<int>(value_ >> 8 & 0xFF); }
  constexpr int Blue() const { return static_cast<int>(value_ >> 16 & 0xFF); }

  friend constexpr bool operator==(Color, Color) = default;

 private:
  std::uint32_t value_ = 0;
};

namespace colores {
inline constexpr Color kNegro{0x000000};
inline constexpr Color kBlanco{0xFFFFFF};
inline constexpr Color kRojoClaro{0x0000FF};     // cursor while fixing a piece
inline constexpr Color kCasillaVacia{0xFFC0FF};  // a free board cell
inline constexpr Color kGrisClaro{0xC0C0C0};     // plain pieces, lost-game window
inline constexpr Color kAmarillo{0x00FFFF};      // score marks
inline constexpr Color kVerdeClaro{0x00FF00};    // clock digits
inline constexpr Color kCaraSistema{0xD8E9EC};   // the desktop's face colour for labels
inline constexpr Color kTextoVentana{0x000000};  // the desktop's window-text colour
}  // namespace colores

}  // namespace quorbel
