#include "puzzle/cursor.h"

#include <gtest/gtest.h>

#include "puzzle/grid_layout.h"
#include "support/blank_puzzle.h"

namespace sl {
namespace {

// The geometry of the 5800-twip grid surface: GridLeft 500 and GridTop 100 for N = 12, 1300 and
// 900 for N = 8; rows 540 twips apart.
GridGeometry Layout(int n) {
  GridGeometry g;
  ComputeGridLayout(g, n);
  return g;
}

TEST(MoveCursor, HomeAndFirstKeySearchRightFromRowOneColumnOne) {
  Puzzle p = test::BlankPuzzle(12);
  EXPECT_EQ(MoveCursor(p, -1, 0, "H"), (Cell{1, 2}));
  EXPECT_EQ(MoveCursor(p, -1, 0, "D"), (Cell{1, 2}));  // nothing selected: acts as Home
  EXPECT_EQ(MoveCursor(p, 7, 7, "H"), (Cell{1, 2}));
  EXPECT_FALSE(MoveCursor(p, 3, 3, "X"));
  EXPECT_FALSE(MoveCursor(p, 3, 3, "r"));
  EXPECT_FALSE(MoveCursor(p, 3, 3, ""));
}

TEST(MoveCursor, StepsWrapInsideTheRowOrColumn) {
  Puzzle p = test::BlankPuzzle(12);
  EXPECT_EQ(MoveCursor(p, 4, 12, "R"), (Cell{4, 1}));
  EXPECT_EQ(MoveCursor(p, 4, 1, "L"), (Cell{4, 12}));
  EXPECT_EQ(MoveCursor(p, 1, 5, "U"), (Cell{12, 5}));
  EXPECT_EQ(MoveCursor(p, 12, 5, "D"), (Cell{1, 5}));
  EXPECT_EQ(MoveCursor(p, 6, 6, "R"), (Cell{6, 7}));
  EXPECT_EQ(MoveCursor(p, 6, 6, "U"), (Cell{5, 6}));
}

TEST(MoveCursor, SkipsCellsWithoutLettersAndNeverHangs) {
  Puzzle p = test::BlankPuzzle(8);
  for (int c = 4; c <= 8; ++c) p.Entry[2][c] = "";  // a short word in row 2
  EXPECT_EQ(MoveCursor(p, 2, 3, "R"), (Cell{2, 1}));
  EXPECT_EQ(MoveCursor(p, 2, 1, "L"), (Cell{2, 3}));
  p.Entry[3][5] = "";
  EXPECT_EQ(MoveCursor(p, 1, 5, "D"), (Cell{4, 5}));  // (2,5) and (3,5) hold no letter

  // Only the start cell holds a letter: one full turn comes back to it.
  Puzzle lone = test::BlankPuzzle(8);
  for (int c = 1; c <= 8; ++c) lone.Entry[5][c] = c == 3 ? "." : "";
  EXPECT_EQ(MoveCursor(lone, 5, 3, "R"), (Cell{5, 3}));

  // No letter cell at all (no puzzle shown, or a size-0 puzzle): the search ends, nothing moves.
  Puzzle empty;
  EXPECT_FALSE(MoveCursor(empty, -1, 0, "H"));
  EXPECT_FALSE(MoveCursor(empty, 3, 3, "D"));
  empty.PuzzleSize = 0;
  EXPECT_FALSE(MoveCursor(empty, -1, 0, "R"));
}

TEST(CellAtPoint, RowBandIncludesTheGapBelowIt) {
  Puzzle p = test::BlankPuzzle(12);
  GridGeometry g = Layout(12);
  ASSERT_EQ(g.GridLeft, 500);
  ASSERT_EQ(g.GridTop, 100);
  EXPECT_EQ(CellAtPoint(p, g, 500, 100), (Cell{1, 1}));
  EXPECT_EQ(CellAtPoint(p, g, 899, 100 + 400 + 100), (Cell{1, 1}));  // in the gap under row 1
  EXPECT_EQ(CellAtPoint(p, g, 899, 639), (Cell{1, 1}));
  EXPECT_EQ(CellAtPoint(p, g, 900, 640), (Cell{2, 2}));  // the next row's top edge
  EXPECT_EQ(CellAtPoint(p, g, 5299, 6040 + 539), (Cell{12, 12}));
  EXPECT_FALSE(CellAtPoint(p, g, 499, 300));   // left of the grid
  EXPECT_FALSE(CellAtPoint(p, g, 600, 99));    // above it
  EXPECT_FALSE(CellAtPoint(p, g, 5300, 300));  // right of it
  EXPECT_FALSE(CellAtPoint(p, g, 600, 100 + 12 * 540));
  p.Entry[1][1] = "";
  EXPECT_FALSE(CellAtPoint(p, g, 550, 150));
}

TEST(CellAtPoint, MarkerOffsetsDifferByThirtyTwoTwips) {
  GridGeometry g = Layout(8);
  Point key = KeyboardMarkerPosition(g, Cell{2, 3});
  Point mouse = MouseMarkerPosition(g, Cell{2, 3});
  EXPECT_EQ(key.x, 1300 + 800);
  EXPECT_EQ(key.y, 900 + 540);
  EXPECT_EQ(mouse.x, key.x + 32);
  EXPECT_EQ(mouse.y, key.y + 32);
}

TEST(LetterEntry, TypingAndClearingChangeOnlyTheSelectedCell) {
  Puzzle p = test::BlankPuzzle(8);
  EXPECT_EQ(EnterLetter(p, 2, 3, U'q'), std::optional<std::string>("Q"));
  EXPECT_EQ(p.Entry[2][3], "Q");
  EXPECT_EQ(p.Entry[3][3], ".");  // a linked cell below is not filled with it
  for (char32_t ignored : {U'7', U'.', U' ', U'\b', U'\u00e9', U'['}) {
    EXPECT_FALSE(EnterLetter(p, 2, 3, ignored));
  }
  EXPECT_EQ(p.Entry[2][3], "Q");
  EXPECT_FALSE(EnterLetter(p, -1, 0, U'A'));  // nothing selected

  EXPECT_TRUE(ClearSelectedCell(p, 2, 3));
  EXPECT_EQ(p.Entry[2][3], ".");
  EXPECT_FALSE(ClearSelectedCell(p, -1, 0));
  p.Entry[4][4] = "";
  EXPECT_FALSE(ClearSelectedCell(p, 4, 4));  // never turns a non-letter cell into one
  EXPECT_EQ(p.Entry[4][4], "");
}

}  // namespace
}  // namespace sl
