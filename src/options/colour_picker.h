#pragma once
// The colour picker's arithmetic and geometry: the 16-colour palette, the two shade strips and
// the colour found at a point of its drawing area. Points are in the picker's own drawing units
// (x to the right, y down); colours are RGB.
#include "common/colour.h"

namespace sl {

inline constexpr int kPaletteColours = 16;
inline constexpr int kShadeLevels = 257;    // levels 0..256 of each strip
inline constexpr int kStripLeft = 10;       // level L is the unit column from 10 + L to 11 + L
inline constexpr int kBlackStripTop = 950;  // black (left) up to the colour (right)
inline constexpr int kBlackStripBottom = 1150;
inline constexpr int kWhiteStripTop = 1175;  // white (left) up to the colour (right)
inline constexpr int kWhiteStripBottom = 1375;
inline constexpr int kPaletteBottom = 900;   // a click at this height or below picks a shade
inline constexpr int kDrawingUnitsWide = 267;
inline constexpr int kDrawingUnitsHigh = 1375;

// Each component c becomes whole(c * level / 256) in single precision, halves to even: level
// 256 keeps the colour, 0 gives black.
Colour clrBlackness(Colour rgb, int level);
// Each component c becomes whole((255 - c) * (256 - level) / 256 + c) in single precision,
// halves to even: level 256 keeps the colour, 0 gives white.
Colour clrWhiteness(Colour rgb, int level);

// The classic 16-colour palette, numbers 0 (black) to 15 (white).
Colour PaletteColour(int number);

struct UnitBox {
  int left, top, right, bottom;  // inclusive corners
};
// Palette box of colour number n: row n / 4, column n % 4, four by four.
UnitBox PaletteBox(int number);

// The colour drawn at (x, y): a palette box's colour, a strip's shade of stripColour at the
// level under x, or the background between and around them.
Colour PickerColourAt(double x, double y, Colour stripColour, Colour background);

}  // namespace sl
