#include "output/render/sheet_picture.h"

#include <gtest/gtest.h>

#include <string>

#include "puzzle/puzzle_record.h"

namespace sl {
namespace {

SheetContent TwoWords() {
  SheetContent sheet;
  ApplyRecord(sheet.puzzle, *ParsePuzzleRecord("2;010201;AB,1;CD,1;"));
  sheet.number = 3;
  return sheet;
}

bool Dark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

// Dark pixels inside the rectangle of the image (device pixels).
int DarkIn(const QImage& image, const QRect& area) {
  int dark = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) dark += Dark(image, x, y);
  }
  return dark;
}

TEST(SheetPicture, WhiteScreenSizedPictureOfThePictureSheet) {
  const QImage picture = SheetPicture(TwoWords(), 15);
  EXPECT_EQ(picture.size(), QSize(533, 880));
  EXPECT_EQ(picture.pixel(0, 0), qRgb(255, 255, 255));
  EXPECT_EQ(picture.pixel(532, 879), qRgb(255, 255, 255));
  // The first box's thin frame: its top edge at 608 twips (row 41), from 450 twips (column 30).
  EXPECT_TRUE(Dark(picture, 45, 40) || Dark(picture, 45, 41));
  EXPECT_FALSE(Dark(picture, 45, 45));
  // The upside-down solution lines end at pixel (500, 860) and stand above and left of it.
  EXPECT_GT(DarkIn(picture, QRect(300, 830, 200, 30)), 20);
  EXPECT_EQ(DarkIn(picture, QRect(501, 800, 32, 80)), 0);

  // A sharper screen: twice the pixels for the same size.
  const QImage sharp = SheetPicture(TwoWords(), 15, 2.0);
  EXPECT_EQ(sharp.size(), QSize(1066, 1760));
  EXPECT_EQ(sharp.deviceIndependentSize().toSize(), QSize(533, 880));
}

// The picture is narrower than a page: long clues wrap inside it, whatever the grid font.
TEST(SheetPicture, LongCluesWrapWithinThePicture) {
  for (const int gridPoints : {6, 17}) {
    SheetContent sheet = TwoWords();
    sheet.font.size = gridPoints;
    std::string clue;
    for (int i = 0; i < 24; ++i) clue += "considerable ";
    sheet.puzzle.Clue[1] = clue;
    const QImage picture = SheetPicture(sheet, 15);
    EXPECT_EQ(DarkIn(picture, QRect(520, 0, 13, 800)), 0) << gridPoints;
    // The clue goes on below its first line (at 4000 twips) rather than off the edge.
    const int clueTop = (3 * 450 + 2650) / 15;
    EXPECT_GT(DarkIn(picture, QRect(60, clueTop + 16, 400, 30)), 50) << gridPoints;
  }
}

}  // namespace
}  // namespace sl
