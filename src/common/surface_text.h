#pragma once
// Text steps every drawing on a Surface shares.
#include <string>

#include "common/surface.h"

namespace sl {

// Keeps the surface's font and changes only its size.
void SetFontPoints(Surface& surface, double points);
void SetFontBold(Surface& surface, bool bold);

// Prints one line at (x, y) and returns the next line's y, as printing a line advances the print
// position. An empty line still takes the height of one line.
int PrintLine(Surface& surface, int x, int y, const std::string& text, Colour colour);

}  // namespace sl
