#pragma once
// A colour value as the game's files and colour table hold it.
#include <cstdint>

namespace sl {

// Red in the low byte, then green, then blue. With the top bit set the low byte names a system
// colour (0x8000000F button face, 0x80000012 button text).
using Colour = uint32_t;

inline constexpr Colour RGB(int r, int g, int b) {
  return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
inline constexpr Colour kBlack = RGB(0, 0, 0);
inline constexpr Colour kWhite = RGB(255, 255, 255);
inline constexpr Colour kButtonFace = 0x8000000F;
inline constexpr Colour kButtonText = 0x80000012;

}  // namespace sl
