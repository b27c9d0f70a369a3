#include "puzzle/check.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace sl
