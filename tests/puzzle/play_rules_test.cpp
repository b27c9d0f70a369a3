// The rules of play: the check, choosing the next puzzle, selecting cells and entering letters.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <tuple>

#include "puzzle/check.h"
#include "puzzle/cursor.h"
#include "puzzle/grid_layout.h"
#include "puzzle/navigation.h"
#include "support/blank_puzzle.h"

namespace sl {
namespace {

TEST(CheckPuzzle, ReportsFillFirstThenWrongThenDone) {
  Puzzle p = test::BlankPuzzle(8);
  EXPECT_EQ(CheckPuzzle(p), "Fill all letters first");
  p.Entry = p.Solution;
  EXPECT_EQ(CheckPuzzle(p), "All done !");
  p.Entry[8][8] = "B";
  EXPECT_EQ(CheckPuzzle(p), "Not done yet");
  p.Entry[1][1] = ".";  // an unfilled cell wins over a wrong one
  EXPECT_EQ(CheckPuzzle(p), "Fill all letters first");
  p.Entry[1][1] = "A";
  p.Entry[8][8] = "a";  // the comparison is case-sensitive
  EXPECT_EQ(CheckPuzzle(p), "Not done yet");

  Puzzle none;  // no puzzle shown: every entry empty
  EXPECT_EQ(CheckPuzzle(none), "Fill all letters first");
  none.PuzzleSize = 0;  // a blank line of a puzzle file
  EXPECT_EQ(CheckPuzzle(none), "All done !");
}

TEST(Navigation, NextAndPreviousWrapAndTheRightButtonGoesToTheEnds) {
  Random random(1);
  const std::tuple<NavCommand, int32_t, int, int32_t> cases[] = {  // current, button, chosen
      {NavCommand::Next, 7, 1, 8},       {NavCommand::Next, 120, 1, 1},
      {NavCommand::Next, 7, 2, 120},     {NavCommand::Previous, 7, 4, 6},
      {NavCommand::Previous, 1, 1, 120}, {NavCommand::Previous, 7, 2, 1},
      // No puzzle shown, or the file shrank below the current number.
      {NavCommand::Next, 0, 1, 1},       {NavCommand::Previous, 0, 1, 120},
      {NavCommand::Next, 500, 1, 1},     {NavCommand::Previous, 500, 1, 120},
      // Numbers from a hand-edited settings file at the ends of the range: no overflow.
      {NavCommand::Next, INT32_MAX, 1, 1},  {NavCommand::Previous, INT32_MIN, 1, 120},
  };
  for (const auto& [command, current, button, chosen] : cases) {  // of 120 puzzles
    EXPECT_EQ(ChooseNavigationNumber(command, current, 120, button, random), chosen)
        << current << " button " << button;
  }
}

TEST(Navigation, RandomCoversEveryPuzzleIncludingTheCurrentOne) {
  Random random(42);
  std::set<int32_t> seen;
  for (int i = 0; i < 500; ++i) {
    seen.insert(ChooseNavigationNumber(NavCommand::Random, 3, 5, 1, random));
  }
  EXPECT_EQ(seen, (std::set<int32_t>{1, 2, 3, 4, 5}));
}

TEST(MoveCursor, HomeWrapsInsideTheRowOrColumnSkipsCellsWithoutLettersAndNeverHangs) {
  Puzzle p = test::BlankPuzzle(8);
  const std::tuple<Cell, const char*, Cell> moves[] = {
      {{5, 5}, "H", {1, 2}}, {{5, 8}, "R", {5, 1}}, {{5, 1}, "L", {5, 8}},
      {{8, 5}, "D", {1, 5}}, {{1, 5}, "U", {8, 5}}};
  for (const auto& [from, direction, to] : moves) {
    EXPECT_EQ(MoveCursor(p, from.row, from.col, direction), to) << direction;
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
  // Left of the grid, above it, right of it and below it.
  for (const auto& [x, y] : {std::pair{499, 300}, {600, 99}, {5300, 300}, {600, 100 + 12 * 540}}) {
    EXPECT_FALSE(CellAtPoint(p, g, x, y)) << x << "," << y;
  }
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
