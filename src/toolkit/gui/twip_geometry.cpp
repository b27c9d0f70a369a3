#include "toolkit/gui/twip_geometry.h"

#include <QWidget>
#include <cmath>

#include "output/render/qpainter_surface.h"

namespace sl {

int TwipsToPixelsX(const QWidget& widget, int twips) {
  return static_cast<int>(std::lround(twips / TwipsPerPixelX(widget)));
}

int TwipsToPixelsY(const QWidget& widget, int twips) {
  return static_cast<int>(std::lround(twips / TwipsPerPixelY(widget)));
}

int PixelsToTwipsX(const QWidget& widget, double pixels) {
  return static_cast<int>(std::lround(pixels * TwipsPerPixelX(widget)));
}

int PixelsToTwipsY(const QWidget& widget, double pixels) {
  return static_cast<int>(std::lround(pixels * TwipsPerPixelY(widget)));
}

void PlaceInTwips(QWidget& widget, int left, int top, int width, int height) {
  // Edges are converted rather than sizes, so neighbours that touch in twips touch on screen.
  const int x = TwipsToPixelsX(widget, left);
  const int y = TwipsToPixelsY(widget, top);
  widget.setGeometry(x, y, TwipsToPixelsX(widget, left + width) - x,
                     TwipsToPixelsY(widget, top + height) - y);
}

void PlaceInTwips(QWidget& widget, const TwipRect& place) {
  PlaceInTwips(widget, place.left, place.top, place.width, place.height);
}

}  // namespace sl
