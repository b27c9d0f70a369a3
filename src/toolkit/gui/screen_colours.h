#pragma once
// Colour values as the screen shows them.
#include <QColor>
#include <QPalette>
#include <initializer_list>

#include "common/colour.h"

class QWidget;

namespace sl {

// The RGB value a colour value shows as. System colours come from the application's palette; a
// system code the platform does not know counts as black.
Colour ToRgbColour(Colour colour);
QColor ScreenColour(Colour colour);

// Gives the widget's palette the colour in each of the roles.
void SetPaletteColour(QWidget& widget, std::initializer_list<QPalette::ColorRole> roles,
                      const QColor& colour);

}  // namespace sl
