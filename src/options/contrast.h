#pragma once
// The contrast ratio of two colours as web accessibility measures it (1 to 21; body text wants
// at least 4.5).
#include "common/colour.h"

namespace sl {

inline constexpr double kReadableContrast = 4.5;

// Relative luminance of an RGB colour, 0 (black) to 1 (white).
double RelativeLuminance(Colour rgb);
// (lighter + 0.05) / (darker + 0.05) of the two luminances.
double ContrastRatio(Colour a, Colour b);

}  // namespace sl
