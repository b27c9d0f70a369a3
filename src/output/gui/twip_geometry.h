#pragma once
// Placing widgets by twips, the unit the window layouts are designed in.
class QWidget;

namespace sl {

// Pixels for a length in twips on the widget's screen (15 twips per pixel at 96 DPI).
int TwipsToPixelsX(const QWidget& widget, int twips);
int TwipsToPixelsY(const QWidget& widget, int twips);
int PixelsToTwipsX(const QWidget& widget, double pixels);
int PixelsToTwipsY(const QWidget& widget, double pixels);

// Moves and sizes the widget inside its parent; all four values in twips.
void PlaceInTwips(QWidget& widget, int left, int top, int width, int height);

}  // namespace sl
