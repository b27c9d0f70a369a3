#pragma once
// Greedy word wrap measured on a surface's current font.
#include <string>
#include <vector>

#include "common/surface.h"

namespace sl {

// Splits the text into lines no wider than width when printed on the surface. Words are broken
// only at blanks, tabs and CRs (a CR always starts a new line); a word wider than the width
// stands alone on its line.
std::vector<std::string> WrapText(const std::string& text, Surface& surface, int width);

}  // namespace sl
