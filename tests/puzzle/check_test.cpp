#include "puzzle/check.h"

#include <gtest/gtest.h>

namespace sl {
namespace {

// An 8 by 8 puzzle of empty letter cells whose every solution letter is "A".
Puzzle Unfilled() {
  Puzzle puzzle;
  puzzle.PuzzleSize = 8;
  for (int r = 1; r <= 8; ++r) {
    puzzle.Wlist.push_back("AAAAAAAA");
    for (int c = 1; c <= 8; ++c) {
      puzzle.Entry[r][c] = ".";
      puzzle.Solution[r][c] = "A";
    }
  }
  return puzzle;
}

TEST(CheckPuzzle, ReportsFillFirstThenWrongThenDone) {
  Puzzle p = Unfilled();
  EXPECT_EQ(CheckPuzzle(p), "Fill all letters first");
  for (int r = 1; r <= 8; ++r) {
    for (int c = 1; c <= 8; ++c) p.Entry[r][c] = "A";
  }
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

}  // namespace
}  // namespace sl
