#include "options/contrast.h"

#include <algorithm>
#include <cmath>


namespace sl {

namespace {

// One sRGB component (0..255) as linear light.
double Linear(int component) {
  const double c = component / static_cast<double>(kMaxComponent);
  return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

double RelativeLuminance(Colour rgb) {
  return 0.2126 * Linear(RedOf(rgb)) + 0.7152 * Linear(GreenOf(rgb)) +
         0.0722 * Linear(BlueOf(rgb));
}

double ContrastRatio(Colour a, Colour b) {
  const double la = RelativeLuminance(a);
  const double lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace sl
