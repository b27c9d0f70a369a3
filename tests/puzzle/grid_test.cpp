#include <gtest/gtest.h>

#include <tuple>

#include "puzzle/grid_drawing.h"
#include "puzzle/grid_layout.h"
#include "support/blank_puzzle.h"
#include "support/recording_surface.h"

namespace sl {
namespace {

using test::DrawCall;
using test::RecordingSurface;

constexpr Colour kInk = RGB(200, 0, 0);

TEST(GridLayout, CentresTheCellsAndSpacesTheRows) {
  GridGeometry g;
  ComputeGridLayout(g, 8);
  EXPECT_EQ(std::make_pair(g.GridLeft, g.GridTop), std::make_pair(1300, 900));
  ComputeGridLayout(g, 12);
  EXPECT_EQ(g.CellLeft[1][1], 500);
  EXPECT_EQ(g.CellLeft[12][12] + g.CellSize, 5300);
  EXPECT_EQ(g.CellTop[1][1], 100);
  EXPECT_EQ(g.CellTop[12][1], 6040);  // 540 apart, no drift from the single-precision pitch
  ComputeGridLayout(g, 12, 5801);  // an odd leftover: 500.5 is halved to the even neighbour
  EXPECT_EQ(g.GridLeft, 500);
}

// A three-letter puzzle laid out on the grid surface, drawn in the given style. Showing the
// solution is played through in the play command tests.
struct Scene {
  Puzzle puzzle;
  GridGeometry geometry;
  GridLook look;
  explicit Scene(int style = 2) : puzzle(test::PuzzleOf("3;010302;010203;ABC,1;ABC,2;ABC,3;")) {
    ComputeGridLayout(geometry, puzzle.PuzzleSize);
    look.GridStyle = style;
  }
  GridScene View() const { return {puzzle, geometry, look, RGB(10, 20, 30), kInk}; }
  int Left(int r, int c) const { return geometry.CellLeft[r][c]; }
  int Top(int r, int c) const { return geometry.CellTop[r][c]; }
};

TEST(GridDrawing, ClearsTheSurfaceFramesCellsByStyleAndNumbersTheRows) {
  // style, frames, bevel lines, bevel colour at the top left (a sunk cell is dark there)
  const std::tuple<int, size_t, size_t, Colour> styles[] = {
      {0, 9, 0, 0}, {1, 0, 36, kWhite}, {2, 0, 36, kBlack}, {7, 0, 0, 0}};
  for (const auto& [style, frames, lines, topLeft] : styles) {
    Scene scene(style);
    RecordingSurface surface;
    DrawGrid(surface, scene.View());
    const DrawCall clear = surface.CallsOf(DrawCall::Fill)[0];  // the whole surface first
    EXPECT_GE(std::min(clear.x2, clear.y2), std::max(kGridSurfaceWidth, kGridSurfaceHeight));
    EXPECT_EQ(surface.CallsOf(DrawCall::Frame).size(), frames) << style;
    const auto bevel = surface.CallsOf(DrawCall::Line);
    ASSERT_EQ(bevel.size(), lines) << style;
    if (lines == 0) continue;
    EXPECT_EQ(bevel[0].colour, topLeft);
    EXPECT_NE(bevel[2].colour, topLeft);
    // Row numbers in two digits, left of every row, in their own smaller font.
    const auto texts = surface.CallsOf(DrawCall::Text);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[2].text, "03");
    EXPECT_LT(texts[0].x1, scene.Left(1, 1));
    EXPECT_EQ(surface.Font().points, 10);  // the letters' size after the grid
  }
}

TEST(GridDrawing, CellTextIsCentredInTheGridFontAndOnlyTheInsideIsErased) {
  Scene scene;
  scene.look.GridFontName = "Liberation Serif";
  scene.look.GridFontSize = 20;
  RecordingSurface surface;
  DrawCell(surface, scene.View(), "W", 2, 3);
  const auto texts = surface.CallsOf(DrawCall::Text);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].x1, scene.Left(2, 3) + (400 - 100) / 2);
  EXPECT_EQ(texts[0].y1, scene.Top(2, 3) + (400 - 200) / 2);
  EXPECT_EQ(texts[0].font.name, "Liberation Serif");
  EXPECT_EQ(texts[0].font.points, 20);
  const auto fills = surface.CallsOf(DrawCall::Fill);
  ASSERT_EQ(fills.size(), 1u);
  EXPECT_TRUE(fills[0].x1 > scene.Left(2, 3) && fills[0].y2 < scene.Top(2, 3) + 400);
  surface.Clear();
  DrawCell(surface, scene.View(), "", 2, 3);  // no letter cell: erase only
  EXPECT_TRUE(surface.Texts().empty());
}

// Drawing letters in the grid font leaves that font on the surface; the row numbers drawn next
// (a redraw, or a print run between) keep their own face all the same.
TEST(GridDrawing, RowNumbersKeepTheirOwnFontAfterLettersWereDrawn) {
  Scene scene;
  scene.look.GridFontName = "Liberation Serif";
  RecordingSurface surface;
  DrawCell(surface, scene.View(), "W", 2, 3);
  surface.Clear();
  DrawGrid(surface, scene.View());
  for (const DrawCall& number : surface.CallsOf(DrawCall::Text)) {
    EXPECT_EQ(number.font.name, "Arial") << number.text;
    EXPECT_EQ(number.font.points, 9) << number.text;
  }
}

TEST(GridDrawing, LinkLinesJoinTheLinkedCellsDownToTheNextRow) {
  Scene scene;
  RecordingSurface surface;
  RedrawPuzzle(surface, scene.View());
  std::vector<DrawCall> links;
  for (const DrawCall& line : surface.CallsOf(DrawCall::Line)) {
    if (line.lineWidth == 2) links.push_back(line);
  }
  ASSERT_EQ(links.size(), 6u);
  EXPECT_EQ(links[0].x1, scene.Left(1, 1) + 200);
  EXPECT_EQ(links[1].x1, scene.Left(1, 3) + 200);  // the record's second column is 3
  EXPECT_EQ(links[1].x2, links[1].x1);  // straight down into the next row
  EXPECT_TRUE(links[1].y1 < scene.Top(2, 1) && links[1].y2 > scene.Top(2, 1));
  EXPECT_EQ(links[1].colour, kInk);
}

}  // namespace
}  // namespace sl
