#include "options/colour_picker.h"

#include <array>
#include <cmath>

#include "common/numbers.h"

namespace sl {

namespace {

constexpr float kFullLevel = 256.0f;
constexpr int kPaletteColumns = 4;
constexpr int kBoxLeft = 10;
constexpr int kBoxTop = 30;
constexpr int kBoxWidth = 55;
constexpr int kBoxHeight = 200;
constexpr int kBoxPitchX = 65;
constexpr int kBoxPitchY = 225;

constexpr std::array<Colour, kPaletteColours> kPalette = {
    RGB(0, 0, 0),       RGB(0, 0, 128),   RGB(0, 128, 0),   RGB(0, 128, 128),
    RGB(128, 0, 0),     RGB(128, 0, 128), RGB(128, 128, 0), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(0, 0, 255),   RGB(0, 255, 0),   RGB(0, 255, 255),
    RGB(255, 0, 0),     RGB(255, 0, 255), RGB(255, 255, 0), RGB(255, 255, 255)};

// whole(v) of a single-precision value: nearest, halves to the even neighbour.
int Whole(float value) { return RoundHalfEven(static_cast<double>(value)); }

bool Inside(double x, double y, const UnitBox& box) {
  return x >= box.left && x <= box.right && y >= box.top && y <= box.bottom;
}

}  // namespace

Colour clrBlackness(Colour rgb, int level) {
  const float f = static_cast<float>(level) / kFullLevel;
  return EachComponent(rgb, [f](int c) { return Whole(static_cast<float>(c) * f); });
}

Colour clrWhiteness(Colour rgb, int level) {
  const float f = static_cast<float>(256 - level) / kFullLevel;
  return EachComponent(rgb, [f](int c) {
    return Whole(static_cast<float>(kMaxComponent - c) * f + static_cast<float>(c));
  });
}

Colour PaletteColour(int number) {
  return number >= 0 && number < kPaletteColours ? kPalette[number] : kBlack;
}

UnitBox PaletteBox(int number) {
  const int row = number / kPaletteColumns;
  const int column = number % kPaletteColumns;
  const int left = kBoxLeft + kBoxPitchX * column;
  const int top = kBoxTop + kBoxPitchY * row;
  return {left, top, left + kBoxWidth, top + kBoxHeight};
}

Colour PickerColourAt(double x, double y, Colour stripColour, Colour background) {
  for (int n = 0; n < kPaletteColours; ++n) {
    if (Inside(x, y, PaletteBox(n))) return kPalette[n];
  }
  const double level = std::floor(x - kStripLeft);
  if (level < 0 || level >= kShadeLevels) return background;
  if (y >= kBlackStripTop && y <= kBlackStripBottom) {
    return clrBlackness(stripColour, static_cast<int>(level));
  }
  if (y >= kWhiteStripTop && y <= kWhiteStripBottom) {
    return clrWhiteness(stripColour, static_cast<int>(level));
  }
  return background;
}

}  // namespace sl
