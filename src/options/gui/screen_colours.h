#pragma once
// Colour values as the screen shows them.
#include <QColor>

#include "common/colour.h"

namespace sl {

// The RGB value a colour value shows as. System colours come from the application's palette; a
// system code the platform does not know counts as black.
Colour ToRgbColour(Colour colour);
QColor ScreenColour(Colour colour);

}  // namespace sl
