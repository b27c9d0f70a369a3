#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "output/puzzle_sheet.h"
#include "puzzle/puzzle_record.h"
#include "support/recording_surface.h"

namespace sl {
namespace {

using test::DrawCall;
using test::RecordingSurface;

// Puzzle 5 of "books/p.txt": eight words W1LETTER..W8LETTER; every link joins columns 3, 5, 7.
SheetContent EightWords() {
  std::string record = "8;";
  for (int i = 1; i <= 7; ++i) record += "030507;";
  for (int k = 1; k <= 8; ++k) record += "W" + std::to_string(k) + "LETTER,1;";
  SheetContent sheet;
  ApplyRecord(sheet.puzzle, *ParsePuzzleRecord(record));
  for (int k = 1; k <= 8; ++k) sheet.puzzle.Clue[k] = "clue " + std::to_string(k);
  sheet.number = 5;
  sheet.file = "books/p.txt";
  sheet.font = {"Tahoma", 20};
  return sheet;
}

std::vector<DrawCall> Drawn(const SheetContent& sheet, SheetKind kind, double twipsPerPixel,
                            DrawCall::Kind of) {
  RecordingSurface surface;
  surface.SetTwipsPerPixel(twipsPerPixel);
  DrawPuzzleSheet(surface, sheet, kind);
  return surface.CallsOf(of);
}

const DrawCall* TextCall(const std::vector<DrawCall>& calls, const std::string& text) {
  for (const DrawCall& call : calls) {
    if (call.text == text) return &call;
  }
  return nullptr;
}

TEST(PuzzleSheet, RowsAreSpacedByTheSinglePrecisionPitchRoundedHalvesToEven) {
  const int32_t expected[] = {0, 608, 1215, 1823, 2430, 3038, 3645, 4253, 4860};
  for (int r = 0; r <= 8; ++r) EXPECT_EQ(SheetRowOffset(r), expected[r]) << r;
}

TEST(PuzzleSheet, BoxesAndLinkLinesByKind) {
  // kind, origin, box line width
  const struct {
    SheetKind kind;
    int x0, y0, boxWidth;
  } kinds[] = {{SheetKind::Printed, 1600, 1200, 3}, {SheetKind::Picture, 0, 0, 1}};
  for (const auto& k : kinds) {
    const auto boxes = Drawn(EightWords(), k.kind, 2.4, DrawCall::Frame);
    ASSERT_EQ(boxes.size(), 64u);
    // Word 1, letter 1 sits one box right of the origin (the row numbers' slot) and one row down.
    EXPECT_EQ(boxes[0].x1, k.x0 + 450);
    EXPECT_EQ(boxes[0].y1, k.y0 + 608);
    EXPECT_EQ(boxes[0].x2 - boxes[0].x1, 450);
    EXPECT_EQ(boxes[0].y2 - boxes[0].y1, 450);
    EXPECT_EQ(boxes[63].x1, k.x0 + 8 * 450);
    EXPECT_EQ(boxes[63].y1, k.y0 + 4860);
    EXPECT_EQ(boxes[0].lineWidth, k.boxWidth);

    const auto links = Drawn(EightWords(), k.kind, 2.4, DrawCall::Line);
    ASSERT_EQ(links.size(), 7u * 3);
    // Between words 1 and 2 under column 3: 180 above word 2's boxes, 182 long.
    EXPECT_EQ(links[0].x1, k.x0 + 3 * 450 + 225);
    EXPECT_EQ(links[0].x2, links[0].x1);
    EXPECT_EQ(links[0].y1, k.y0 + 1215 - 180);
    EXPECT_EQ(links[0].y2, k.y0 + 1215 + 2);
    EXPECT_EQ(links[0].lineWidth, 5);
  }
}

TEST(PuzzleSheet, CellsWithoutLettersGetNoBoxButLinkLinesStay) {
  SheetContent sheet = EightWords();
  sheet.puzzle.Solution[3][8] = "";
  sheet.puzzle.Solution[8][1] = "";
  sheet.puzzle.LinkPositions[7] = "010812";  // column 12 is beyond an eight-word grid
  EXPECT_EQ(Drawn(sheet, SheetKind::Printed, 2.4, DrawCall::Frame).size(), 62u);
  const auto links = Drawn(sheet, SheetKind::Printed, 2.4, DrawCall::Line);
  ASSERT_EQ(links.size(), 6u * 3 + 2);
  EXPECT_EQ(links[18].x1, 1600 + 450 + 225);
  EXPECT_EQ(links[19].x1, 1600 + 8 * 450 + 225);
}

TEST(PuzzleSheet, TextsInTheGridFontAtTheirPlacesAndSizes) {
  SheetContent sheet = EightWords();
  // 100 twips a character on the test surface: the printed clue text may be 7550 wide.
  sheet.puzzle.Clue[2] = std::string(60, 'a') + " " + std::string(30, 'b');
  const auto texts = Drawn(sheet, SheetKind::Printed, 2.4, DrawCall::Text);
  const int x0 = 1600, y0 = 1200;
  const int x = x0 + 450, y = y0 + 9 * 450 + 2650;  // where the clues start
  // Row numbers are centred in the 450-twip slot by the surface's measures (200 by 200).
  const struct {
    std::string text;
    int x, y;
    double points;
  } expected[] = {
      {kSheetTitle, x0 + 450, y0 + 300, 7},
      {"Puz# 5:books/p.txt", x0 + 450, y0 + 100, 7},
      {"08", x0 + 125, y0 + 4860 + 125, 12},  // 0.6 of the grid font's 20 points
      {"Linked Letters: ELT", x0 + 450, y0 + 4860 + 450 + 225, 12},
      {"Clues", x, y - 300, 11},
      {" 1.", x, y, 9},
      {" 2.", x, y + 290, 9},
      {std::string(60, 'a'), x + 400, y + 290, 9},
      {std::string(30, 'b'), x + 400, y + 490, 9},
      {" 3.", x, y + 780, 9},
      {" 8.", x, y + 780 + 5 * 290, 9},
  };
  for (const auto& e : expected) {
    const DrawCall* call = TextCall(texts, e.text);
    ASSERT_NE(call, nullptr) << e.text;
    EXPECT_EQ(call->x1, e.x) << e.text;
    EXPECT_EQ(call->y1, e.y) << e.text;
    EXPECT_EQ(call->font.points, e.points) << e.text;
    EXPECT_EQ(call->font.name, "Tahoma") << e.text;
    EXPECT_FALSE(call->font.bold) << e.text;
  }
  EXPECT_EQ(TextCall(texts, "09"), nullptr);
}

TEST(PuzzleSheet, CluesWrapAsTheCluePanelDoesAtHalfTheGridFontKeepingTheHalfPoint) {
  SheetContent sheet = EightWords();
  sheet.font.size = 17;
  sheet.puzzle.Clue[1] = "a clue";
  RecordingSurface surface;
  DrawClues(surface, sheet, 0, 300);
  ASSERT_FALSE(surface.MeasuredPoints().empty());
  EXPECT_EQ(surface.MeasuredPoints().front(), 8.5);
}

TEST(PuzzleSheet, SolutionLinesUpsideDownInCourierPlacedByKindAndResolution) {
  const std::string line1 =
      " Puz# 5:  1.W1LETTER  2.W2LETTER  3.W3LETTER  4.W4LETTER  5.W5LETTER  6.W6LETTER ";
  const std::string line2 = " 7.W7LETTER  8.W8LETTER  9.  10.  11.  12. ";
  // kind, twips per pixel, line 1 and line 2 pixel places, pixel height
  const struct {
    SheetKind kind;
    double twipsPerPixel;
    int x, y1, y2, height;
  } cases[] = {
      // A 600 dpi page: f = 2.854, size 34, characters 45 pixels high.
      {SheetKind::Printed, 2.4, 3996, 6279, 6194, 45},
      // The screen's 15 twips a pixel: size whole(5.48) = 5, 7 pixels.
      {SheetKind::Printed, 15, 639, 1005, 991, 7},
      // The picture has fixed places and size 6 on any surface.
      {SheetKind::Picture, 15, 500, 860, 850, 8},
      {SheetKind::Picture, 2.4, 500, 860, 850, 8},
  };
  for (const auto& c : cases) {
    const auto rotated = Drawn(EightWords(), c.kind, c.twipsPerPixel, DrawCall::Rotated);
    ASSERT_EQ(rotated.size(), 2u);
    EXPECT_EQ(rotated[0].text, line1);
    EXPECT_EQ(rotated[1].text, line2);
    for (int i = 0; i < 2; ++i) {
      EXPECT_EQ(rotated[i].x1, c.x) << c.twipsPerPixel;
      EXPECT_EQ(rotated[i].y1, i == 0 ? c.y1 : c.y2) << c.twipsPerPixel;
      EXPECT_EQ(rotated[i].pixelHeight, c.height) << c.twipsPerPixel;
      EXPECT_EQ(rotated[i].tenthsOfDegree, 1800);
      EXPECT_EQ(rotated[i].face, "courier new");
      EXPECT_EQ(rotated[i].colour, kBlack);
    }
  }
}

}  // namespace
}  // namespace sl
