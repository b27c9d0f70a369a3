#include "puzzle/cursor.h"

#include <gtest/gtest.h>

#include "puzzle/grid_layout.h"
#include "support/blank_puzzle.h"

namespace sl {
namespace {

TEST(MoveCursor, HomeWrapsInsideTheRowOrColumnSkipsCellsWithoutLettersAndNeverHangs) {
  Puzzle p = test::BlankPuzzle(8);
  const struct {
    Cell from;
    const char* direction;
    Cell to;
  } moves[] = {{{5, 5}, "H", {1, 2}}, {{5, 8}, "R", {5, 1}}, {{5, 1}, "L", {5, 8}},
               {{8, 5}, "D", {1, 5}}, {{1, 5}, "U", {8, 5}}};
  for (const auto& m : moves) {
    EXPECT_EQ(MoveCursor(p, m.from.row, m.from.col, m.direction), m.to) << m.direction;
  }
  EXPECT_FALSE(MoveCursor(p, 3, 3, "r"));  // unknown directions move nothing
  EXPECT_EQ(MoveCursor(p, -1, 0, "D"), (Cell{1, 2}));  // nothing selected: acts as Home
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
  EXPECT_FALSE(MoveCursor(empty, 3, 3, "D"));
  empty.PuzzleSize = 0;
  EXPECT_FALSE(MoveCursor(empty, -1, 0, "H"));
}

TEST(CellAtPoint, FindsOnlyLetterCellsInsideTheGrid) {
  Puzzle p = test::BlankPuzzle(12);
  GridGeometry g;
  ComputeGridLayout(g, 12);  // grid from (500, 100), rows 540 twips apart
  EXPECT_EQ(CellAtPoint(p, g, 500, 100), (Cell{1, 1}));
  EXPECT_EQ(CellAtPoint(p, g, 900, 640), (Cell{2, 2}));  // the next row's top edge
  EXPECT_EQ(CellAtPoint(p, g, 5299, 6040 + 539), (Cell{12, 12}));
  EXPECT_FALSE(CellAtPoint(p, g, 499, 300));   // left of the grid
  EXPECT_FALSE(CellAtPoint(p, g, 600, 99));    // above it
  EXPECT_FALSE(CellAtPoint(p, g, 5300, 300));  // right of it
  EXPECT_FALSE(CellAtPoint(p, g, 600, 100 + 12 * 540));
  p.Entry[1][1] = "";
  EXPECT_FALSE(CellAtPoint(p, g, 550, 150));
  // The keyboard puts the marker on the cell's corner, the mouse 32 twips further in.
  EXPECT_EQ(KeyboardMarkerPosition(g, {2, 3}).x, 1300);
  EXPECT_EQ(MouseMarkerPosition(g, {2, 3}).y, 640 + 32);
}

TEST(LetterEntry, OnlyLettersAToZEnterAndOnlyLetterCellsChange) {
  Puzzle p = test::BlankPuzzle(8);
  EXPECT_EQ(EnterLetter(p, 2, 3, U'z'), std::optional<std::string>("Z"));
  for (char32_t ignored : {U'@', U'[', U'`', U'{', U'\u00e9'}) {
    EXPECT_FALSE(EnterLetter(p, 2, 3, ignored));
  }
  EXPECT_EQ(p.Entry[2][3], "Z");
  p.Entry[4][4] = "";
  EXPECT_FALSE(EnterLetter(p, 4, 4, U'A'));
  EXPECT_FALSE(ClearSelectedCell(p, 4, 4));  // never turns a non-letter cell into one
  EXPECT_EQ(p.Entry[4][4], "");
  EXPECT_FALSE(ClearSelectedCell(p, -1, 0));
}

}  // namespace
}  // namespace sl
