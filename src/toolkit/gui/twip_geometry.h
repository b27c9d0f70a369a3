#pragma once
// Placing widgets by twips, the unit the window layouts are designed in.
#include <QString>
#include <QWidget>

namespace sl {

// A widget's place inside its parent, in twips.
struct TwipRect {
  int left, top, width, height;
};

// Pixels for a length in twips on the widget's screen (15 twips per pixel at 96 DPI).
int TwipsToPixelsX(const QWidget& widget, int twips);
int TwipsToPixelsY(const QWidget& widget, int twips);
int PixelsToTwipsX(const QWidget& widget, double pixels);
int PixelsToTwipsY(const QWidget& widget, double pixels);

// Moves and sizes the widget inside its parent; all four values in twips.
void PlaceInTwips(QWidget& widget, int left, int top, int width, int height);
void PlaceInTwips(QWidget& widget, const TwipRect& place);

// Gives a new control its objectName and its place; returns it.
template <class Widget>
Widget* Placed(Widget* widget, const char* name, const TwipRect& place) {
  widget->setObjectName(QString::fromLatin1(name));
  PlaceInTwips(*widget, place);
  return widget;
}

}  // namespace sl
