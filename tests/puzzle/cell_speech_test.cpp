// What a screen reader says for the cells and clues.
#include "puzzle/cell_speech.h"

#include <gtest/gtest.h>

#include "puzzle/puzzle_record.h"

namespace sl {
namespace {

TEST(CellSpeech, NamesTheLetterOrEmptyAndTheLinksOfTheCell) {
  Puzzle puzzle;
  // Words 1-2 linked in columns 1, 3, 4; words 2-3 in columns 2, 3, 4; word 3 is short.
  ApplyRecord(puzzle, *ParsePuzzleRecord("4;010304;020304;040302;BEAT,1;BOAT,1;COA,1;COAT,1;"));
  puzzle.Entry[2][3] = "A";
  puzzle.Clue[2] = "small\r\nship";
  const struct {
    int row, col;
    const char* name;
  } cells[] = {
      {1, 1, "empty, linked to the cell below"},
      {1, 2, "empty"},
      {2, 1, "empty, linked to the cell above"},
      {2, 3, "A, linked to the cells above and below"},
      {3, 4, "no letter"},  // the short word
      {4, 4, "empty, linked to the cell above"},  // a link's columns read in any order
      {0, 1, "no letter"},
      {5, 5, "no letter"},
  };
  for (const auto& c : cells) {
    EXPECT_EQ(CellSpokenName(puzzle, c.row, c.col), c.name) << c.row << "," << c.col;
  }
  EXPECT_EQ(CellSpokenPlace(puzzle, 2, 3), "Row 2, column 3. Clue 2: small  ship");
  EXPECT_EQ(CellSpokenPlace(puzzle, 1, 4), "Row 1, column 4");  // no clue shown for word 1
  EXPECT_EQ(ClueSpoken(puzzle, 2), "2. small  ship");
}

}  // namespace
}  // namespace sl
