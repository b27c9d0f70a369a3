#include "output/gui/qpainter_surface.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

namespace sl {
namespace {

const QColor kInk(10, 20, 30);
const Colour kInkColour = RGB(10, 20, 30);

// A white image of logical width x height pixels at the given DPI and device pixel ratio.
QImage Canvas(int width, int height, int dpi = 96, double ratio = 1.0) {
  QImage image(static_cast<int>(width * ratio), static_cast<int>(height * ratio),
               QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.setDotsPerMeterX(static_cast<int>(dpi / 0.0254 + 0.5));
  image.setDotsPerMeterY(static_cast<int>(dpi / 0.0254 + 0.5));
  image.fill(Qt::white);
  return image;
}

// Device pixels of the ink colour along a row or column.
int InkRun(const QImage& image, bool row, int fixed) {
  int count = 0;
  const int length = row ? image.width() : image.height();
  for (int i = 0; i < length; ++i) {
    const QColor pixel = row ? image.pixelColor(i, fixed) : image.pixelColor(fixed, i);
    if (pixel == kInk) ++count;
  }
  return count;
}

template <class Draw>
QImage Drawn(QImage image, Draw draw) {
  QPainter painter(&image);
  QPainterSurface surface(painter);
  draw(surface);
  painter.end();
  return image;
}

TEST(QPainterSurface, TwipsBecomePixelsAtFifteenPerPixelAndFillsIncludeBothCorners) {
  const QImage image = Drawn(Canvas(40, 40), [](Surface& s) { s.FillRect(15, 30, 150, 300, kInkColour); });
  // 15..150 twips are pixels 1..10 across, 30..300 are 2..20 down, both ends painted.
  EXPECT_EQ(InkRun(image, true, 10), 10);
  EXPECT_EQ(image.pixelColor(1, 2), kInk);
  EXPECT_EQ(image.pixelColor(10, 20), kInk);
  EXPECT_NE(image.pixelColor(11, 20), kInk);
  EXPECT_NE(image.pixelColor(0, 2), kInk);
}

TEST(QPainterSurface, HighDpiImagesGetTheSameShapesWithTwiceThePixels) {
  const auto draw = [](Surface& s) {
    s.FillRect(0, 0, 150, 150, kInkColour);
    s.Line(300, 0, 300, 450, kInkColour, 1);
  };
  const QImage normal = Drawn(Canvas(40, 40), draw);
  const QImage sharp = Drawn(Canvas(40, 40, 96, 2.0), draw);
  EXPECT_EQ(InkRun(normal, true, 5), 11 + 1);
  EXPECT_EQ(InkRun(sharp, true, 10), 2 * (11 + 1));
  // A one-pixel line is one screen pixel wide: two device pixels, sharp (no blended edge).
  EXPECT_EQ(sharp.pixelColor(40, 10), kInk);
  EXPECT_EQ(sharp.pixelColor(41, 10), kInk);
  EXPECT_EQ(sharp.pixelColor(39, 10), QColor(Qt::white));
  EXPECT_EQ(sharp.pixelColor(42, 10), QColor(Qt::white));
}

TEST(QPainterSurface, LineWidthsAreScreenPixelsOnEveryDevice) {
  const auto thick = [](Surface& s) { s.Line(1440, 0, 1440, 1440, kInkColour, 2); };
  EXPECT_EQ(InkRun(Drawn(Canvas(200, 200), thick), true, 50), 2);
  // On a 600 DPI page a two-pixel line keeps its 2/96 inch: 12 or 13 dots, not 2.
  const int dots = InkRun(Drawn(Canvas(700, 700, 600), thick), true, 300);
  EXPECT_GE(dots, 12);
  EXPECT_LE(dots, 13);
  // Frames are four lines around the rectangle.
  const QImage framed = Drawn(Canvas(40, 40), [](Surface& s) { s.FrameRect(15, 15, 300, 300, kInkColour, 1); });
  EXPECT_EQ(framed.pixelColor(1, 10), kInk);
  EXPECT_EQ(framed.pixelColor(20, 10), kInk);
  EXPECT_EQ(framed.pixelColor(10, 20), kInk);
  EXPECT_NE(framed.pixelColor(10, 10), kInk);
}

TEST(QPainterSurface, SystemColoursComeFromThePalette) {
  QPalette palette;
  palette.setColor(QPalette::Button, QColor(1, 2, 3));
  palette.setColor(QPalette::ButtonText, QColor(4, 5, 6));
  EXPECT_EQ(ToQColor(kButtonFace, palette), QColor(1, 2, 3));
  EXPECT_EQ(ToQColor(kButtonText, palette), QColor(4, 5, 6));
  EXPECT_EQ(ToQColor(RGB(200, 100, 50), palette), QColor(200, 100, 50));
}

TEST(QPainterSurface, TextsAreWindows1252AndMeasuredInTwips) {
  QImage image = Canvas(200, 60);
  QPainter painter(&image);
  QPainterSurface surface(painter);
  FontStyle font;
  font.points = 12;
  surface.SetFont(font);
  const QFontMetricsF metrics(ToQFont(font), &image);
  // "\xE9t\xE9" is "été" in Windows-1252.
  const double pixels = metrics.horizontalAdvance(QStringLiteral("\u00E9t\u00E9"));
  EXPECT_NEAR(surface.TextWidth("\xE9t\xE9"), pixels * 15, 1);
  EXPECT_NEAR(surface.TextHeight("W"), metrics.height() * 15, 1);
  EXPECT_NEAR(surface.TextHeight("W\r\nW"), 2 * metrics.height() * 15, 1);
  EXPECT_EQ(surface.TextWidth(""), 0);
  surface.DrawText(150, 150, "\xE9t\xE9", kInkColour);
  painter.end();
  bool inked = false;
  for (int y = 10; y < 40 && !inked; ++y) inked = InkRun(image, true, y) > 0 || inked;
  EXPECT_TRUE(inked);
  EXPECT_EQ(FromCp1252("\x80"), QStringLiteral("\u20AC"));
  EXPECT_EQ(ToCp1252(QStringLiteral("\u20AC\u00E9")), "\x80\xE9");
}

}  // namespace
}  // namespace sl
