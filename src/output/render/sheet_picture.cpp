#include "output/render/sheet_picture.h"

#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <cmath>

#include "common/numbers.h"
#include "output/render/qpainter_surface.h"

namespace sl {

QImage SheetPicture(const SheetContent& sheet, double twipsPerPixel, double devicePixelRatio) {
  const double ratio = std::max(1.0, devicePixelRatio);
  const int width = std::max(1, RoundHalfEven(kPictureWidthTwips / twipsPerPixel));
  const int height = std::max(1, RoundHalfEven(kPictureHeightTwips / twipsPerPixel));
  QImage image(static_cast<int>(std::ceil(width * ratio)),
               static_cast<int>(std::ceil(height * ratio)), QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  // Points and twips map onto the image as onto a screen of that resolution.
  const int dotsPerMeter = static_cast<int>(std::lround(kTwipsPerInch / twipsPerPixel / 0.0254));
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  image.fill(Qt::white);

  QPainter painter(&image);
  QPainterSurface surface(painter, QPalette(), twipsPerPixel);
  DrawPuzzleSheet(surface, sheet, SheetKind::Picture);
  painter.end();
  return image;
}

}  // namespace sl
