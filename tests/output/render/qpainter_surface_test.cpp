#include "output/render/qpainter_surface.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include "puzzle/grid_drawing.h"
#include "puzzle/grid_layout.h"
#include "puzzle/puzzle_record.h"

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

// Device pixels of the ink colour along row y.
int InkInRow(const QImage& image, int y) {
  int count = 0;
  for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == kInk;
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
  const QImage image =
      Drawn(Canvas(40, 40), [](Surface& s) { s.FillRect(15, 30, 150, 300, kInkColour); });
  // 15..150 twips are pixels 1..10 across, 30..300 are 2..20 down, both ends painted.
  EXPECT_EQ(InkInRow(image, 10), 10);
  EXPECT_EQ(image.pixelColor(1, 2), kInk);
  EXPECT_EQ(image.pixelColor(10, 20), kInk);
  EXPECT_NE(image.pixelColor(11, 20), kInk);
  EXPECT_NE(image.pixelColor(1, 21), kInk);
  // Frames are four lines around the rectangle.
  const QImage framed =
      Drawn(Canvas(40, 40), [](Surface& s) { s.FrameRect(15, 15, 300, 300, kInkColour, 1); });
  EXPECT_EQ(framed.pixelColor(1, 10), kInk);
  EXPECT_EQ(framed.pixelColor(20, 10), kInk);
  EXPECT_NE(framed.pixelColor(10, 10), kInk);
}

TEST(QPainterSurface, LineWidthsAreDevicePixelsAndStaySharp) {
  const auto draw = [](Surface& s) {
    s.FillRect(0, 0, 150, 150, kInkColour);
    s.Line(300, 0, 300, 450, kInkColour, 1);
  };
  EXPECT_EQ(InkInRow(Drawn(Canvas(40, 40), draw), 5), 11 + 1);
  // Twice the device pixels: the one-pixel line is two of them, in full ink (no blended edge).
  EXPECT_EQ(InkInRow(Drawn(Canvas(40, 40, 96, 2.0), draw), 10), 2 * (11 + 1));

  const auto thick = [](Surface& s) { s.Line(1440, 0, 1440, 1440, kInkColour, 2); };
  EXPECT_EQ(InkInRow(Drawn(Canvas(200, 200), thick), 50), 2);
  EXPECT_EQ(InkInRow(Drawn(Canvas(700, 700, 600), thick), 300), 2);
  // Paper counts in the pixels of a 600 dpi device whatever the printer's resolution.
  QImage page = Canvas(1300, 1300, 1200);
  QPainter painter(&page);
  QPainterSurface surface(painter, QPalette(), 2.4);
  thick(surface);
  painter.end();
  EXPECT_EQ(InkInRow(page, 600), 4);
}

TEST(QPainterSurface, SystemColoursComeFromThePalette) {
  QPalette palette;
  palette.setColor(QPalette::Button, QColor(1, 2, 3));
  palette.setColor(QPalette::ButtonText, QColor(4, 5, 6));
  EXPECT_EQ(ToQColor(kButtonFace, palette), QColor(1, 2, 3));
  EXPECT_EQ(ToQColor(kButtonText, palette), QColor(4, 5, 6));
  EXPECT_EQ(ToQColor(RGB(200, 100, 50), palette), QColor(200, 100, 50));
}

// Where drawn texts land, upside-down ones included, is checked on the sheet picture.
TEST(QPainterSurface, TextsAreWindows1252MeasuredInTwipsAndTurningKeepsTheFont) {
  QImage image = Canvas(300, 200);
  QPainter painter(&image);
  QPainterSurface surface(painter);
  FontStyle font;
  font.points = 12;
  surface.SetFont(font);
  const QFontMetricsF metrics(ToQFont(font), &image);
  // "\xE9t\xE9" is "été" in Windows-1252.
  const double pixels = metrics.horizontalAdvance(QStringLiteral("\u00E9t\u00E9"));
  EXPECT_NEAR(surface.TextWidth("\xE9t\xE9"), pixels * 15, 1);
  EXPECT_NEAR(surface.TextHeight("W\r\nW"), 2 * metrics.height() * 15, 1);
  surface.DrawRotatedText(250, 150, "WWWW", "courier new", 20, 1800, kInkColour);
  EXPECT_EQ(surface.Font().points, 12);
  painter.end();
  EXPECT_EQ(ToCp1252(QStringLiteral("\u20AC\u00E9")), "\x80\xE9");
}

// A grid font size far too big for the cells: each letter is still drawn inside its frame.
TEST(QPainterSurface, GridLettersTooBigForTheCellsStayInside) {
  Puzzle puzzle;
  ApplyRecord(puzzle, *ParsePuzzleRecord("3;010302;010203;WMW,1;WMW,2;WMW,3;"));
  GridGeometry geometry;
  ComputeGridLayout(geometry, puzzle.PuzzleSize);
  GridLook look;
  look.GridFontName = "Liberation Sans";
  look.GridFontSize = 96;
  const GridScene scene{puzzle, geometry, look, kWhite, kInkColour};
  const QImage image = Drawn(Canvas(400, 300), [&](Surface& surface) {
    DrawCell(surface, scene, "W", 1, 1);
  });
  const int left = geometry.CellLeft[1][1] / 15;
  const int top = geometry.CellTop[1][1] / 15;
  const int size = geometry.CellSize / 15;
  int inside = 0;
  int outside = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixelColor(x, y) != kInk) continue;
      const bool in = x >= left && x <= left + size && y >= top && y <= top + size;
      (in ? inside : outside) += 1;
    }
  }
  EXPECT_GT(inside, 20);
  EXPECT_EQ(outside, 0);
}

}  // namespace
}  // namespace sl
