#pragma once
// A colour value as the game's files and colour table hold it.
#include <cstdint>

namespace sl {

// Red in the low byte, then green, then blue. With the top bit set the low byte names a system
// colour (0x8000000F button face, 0x80000012 button text).
using Colour = uint32_t;

inline constexpr int kMaxComponent = 255;  // the brightest red, green or blue

inline constexpr Colour RGB(int r, int g, int b) {
  return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
inline constexpr int RedOf(Colour colour) { return static_cast<int>(colour & 0xFF); }
inline constexpr int GreenOf(Colour colour) { return static_cast<int>((colour >> 8) & 0xFF); }
inline constexpr int BlueOf(Colour colour) { return static_cast<int>((colour >> 16) & 0xFF); }
inline constexpr bool IsSystemColour(Colour colour) { return (colour & 0x80000000u) != 0; }
// The number of a system colour (its low byte).
inline constexpr int SystemColourIndex(Colour colour) { return RedOf(colour); }

// The colour whose red, green and blue are change(red), change(green) and change(blue).
template <class Change>
constexpr Colour EachComponent(Colour rgb, Change change) {
  return RGB(change(RedOf(rgb)), change(GreenOf(rgb)), change(BlueOf(rgb)));
}

inline constexpr Colour kBlack = RGB(0, 0, 0);
inline constexpr Colour kWhite = RGB(kMaxComponent, kMaxComponent, kMaxComponent);
inline constexpr Colour kButtonFace = 0x8000000F;
inline constexpr Colour kButtonText = 0x80000012;

}  // namespace sl
