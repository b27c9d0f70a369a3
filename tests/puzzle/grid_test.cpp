#include <gtest/gtest.h>

#include <algorithm>

#include "puzzle/grid_drawing.h"
#include "puzzle/grid_layout.h"
#include "puzzle/puzzle_record.h"
#include "support/recording_surface.h"

namespace sl {
namespace {

using test::DrawCall;
using test::RecordingSurface;

constexpr Colour kBackground = RGB(10, 20, 30);
constexpr Colour kInk = RGB(200, 0, 0);

TEST(GridLayout, CentresTheCellsAndSpacesTheRows) {
  GridGeometry g;
  ComputeGridLayout(g, 12);
  EXPECT_EQ(g.GridLeft, 500);
  EXPECT_EQ(g.GridTop, 100);
  EXPECT_EQ(g.CellLeft[12][12] + g.CellSize, 5300);
  EXPECT_EQ(g.CellTop[2][1], 640);
  EXPECT_EQ(g.CellTop[12][1], 6040);  // no drift from the single-precision row pitch
  ComputeGridLayout(g, 8);
  EXPECT_EQ(g.GridLeft, 1300);
  EXPECT_EQ(g.GridTop, 900);
  // An odd leftover is halved to the even neighbour: (5801 - 4800) / 2 = 500.5.
  ComputeGridLayout(g, 12, 5801);
  EXPECT_EQ(g.GridLeft, 500);
}

struct Scene {
  Puzzle puzzle;
  GridGeometry geometry;
  GridLook look;
  explicit Scene(const char* record, int style = 2) {
    ApplyRecord(puzzle, *ParsePuzzleRecord(record));
    ComputeGridLayout(geometry, puzzle.PuzzleSize);
    look.GridStyle = style;
  }
  GridScene View() const { return {puzzle, geometry, look, kBackground, kInk}; }
};

constexpr const char* kThree = "3;010203;010203;ABC,1;ABC,2;ABC,3;";

TEST(GridDrawing, FramesFollowTheStyleAndRowsAreNumbered) {
  for (int style : {0, 1, 2, 7}) {
    Scene scene(kThree, style);
    RecordingSurface surface;
    DrawGrid(surface, scene.View());
    const auto lines = surface.CallsOf(DrawCall::Line);
    const auto frames = surface.CallsOf(DrawCall::Frame);
    EXPECT_EQ(surface.CallsOf(DrawCall::Fill)[0].x2, 6400);  // the whole surface is cleared first
    const int x = scene.geometry.CellLeft[1][1];
    const int y = scene.geometry.CellTop[1][1];
    if (style == 0) {
      ASSERT_EQ(frames.size(), 9u);
      EXPECT_EQ(frames[0].y2, y + 400);
      EXPECT_TRUE(lines.empty());
    } else if (style == 7) {
      EXPECT_EQ(surface.CallsOf(DrawCall::Fill).size(), 1u);  // only the clearing
      EXPECT_TRUE(lines.empty() && frames.empty());
    } else {
      ASSERT_EQ(lines.size(), 36u);
      const Colour topLeft = style == 2 ? kBlack : kWhite;  // sunk is dark at the top left
      EXPECT_EQ(lines[0].colour, topLeft);
      EXPECT_EQ(lines[1].colour, topLeft);
      EXPECT_NE(lines[2].colour, topLeft);
      EXPECT_EQ(lines[3].y1, y + 400 - 18);  // the bevel is reduced by the inset
    }
    const auto texts = surface.CallsOf(DrawCall::Text);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[2].text, "03");
    EXPECT_EQ(texts[0].x1, x - 267);
    EXPECT_EQ(texts[0].y1, y + 100);
    EXPECT_EQ(texts[0].font.points, 9);
    EXPECT_EQ(surface.Font().points, 10);
  }
}

TEST(GridDrawing, CellTextIsCentredInTheGridFontAndOnlyTheInsideIsErased) {
  Scene scene(kThree);
  scene.look.GridFontName = "Liberation Serif";
  scene.look.GridFontSize = 20;
  RecordingSurface surface;
  DrawCell(surface, scene.View(), "W", 2, 3);
  const int x = scene.geometry.CellLeft[2][3];
  const int y = scene.geometry.CellTop[2][3];
  const auto texts = surface.CallsOf(DrawCall::Text);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].x1, x + (400 - 100) / 2);
  EXPECT_EQ(texts[0].y1, y + (400 - 200) / 2);
  EXPECT_EQ(texts[0].font.name, "Liberation Serif");
  EXPECT_EQ(texts[0].font.points, 20);
  const auto fills = surface.CallsOf(DrawCall::Fill);
  ASSERT_EQ(fills.size(), 1u);
  EXPECT_EQ(fills[0].x1, x + 40);
  EXPECT_EQ(fills[0].y2, y + 360);
  surface.Clear();
  DrawCell(surface, scene.View(), "", 2, 3);  // no letter cell: erase only
  EXPECT_TRUE(surface.Texts().empty());
}

TEST(GridDrawing, LinkLinesJoinTheLinkedCellsDownToTheNextRow) {
  Scene scene("12;010512;010203;010203;010203;010203;010203;010203;010203;010203;010203;010203;"
              "A,0;A,0;A,0;A,0;A,0;A,0;A,0;A,0;A,0;A,0;A,0;A,0;");
  RecordingSurface surface;
  RedrawPuzzle(surface, scene.View());
  std::vector<DrawCall> links;
  for (const DrawCall& line : surface.CallsOf(DrawCall::Line)) {
    if (line.lineWidth == 2) links.push_back(line);
  }
  ASSERT_EQ(links.size(), 33u);
  const int below = scene.geometry.CellTop[2][1];
  const int columns[] = {1, 5, 12};
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(links[k].x1, scene.geometry.CellLeft[1][columns[k]] + 200);
    EXPECT_EQ(links[k].x2, links[k].x1);
    EXPECT_EQ(links[k].y1, below - 160);
    EXPECT_EQ(links[k].y2, below + 5);
    EXPECT_EQ(links[k].colour, kInk);
  }
}

TEST(GridDrawing, SolutionIsDrawnOverTheEntriesWithoutChangingThem) {
  Scene scene(kThree);
  scene.puzzle.Entry[1][1] = "Q";
  RecordingSurface surface;
  DrawSolution(surface, scene.View());
  const std::vector<std::string> texts = surface.Texts();
  // Row numbers, the entries, then all nine solution letters last.
  ASSERT_EQ(texts.size(), 3u + 9u + 9u);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "Q"), 1);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "."), 8);
  EXPECT_EQ(std::vector<std::string>(texts.end() - 3, texts.end()),
            (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_EQ(scene.puzzle.Entry[1][1], "Q");
}

}  // namespace
}  // namespace sl
