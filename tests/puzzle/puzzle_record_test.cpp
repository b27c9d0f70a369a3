#include "puzzle/puzzle_record.h"

#include <gtest/gtest.h>

namespace sl {
namespace {

Puzzle Shown(std::string_view line) {
  std::optional<PuzzleRecord> record = ParsePuzzleRecord(line);
  EXPECT_TRUE(record.has_value()) << line;
  Puzzle puzzle;
  if (record) ApplyRecord(puzzle, *record);
  return puzzle;
}

// A record of size n as the game writes it, with two-digit columns and meaning numbers.
std::string Record(int n) {
  std::string record = std::to_string(n) + ";";
  for (int i = 1; i <= n - 1; ++i) record += i % 2 ? "010509;" : "040810;";
  for (int k = 1; k <= n; ++k) record += std::string(n, char('A' + k)) + "," + std::to_string(k) + ";";
  return record;
}

TEST(PuzzleRecord, WrittenRecordReadsBackUnchanged) {
  const std::string four = "4;010203;020304;010304;ABCD,1;EBCF,2;EGCH,3;IGJH,-1;";
  EXPECT_EQ(FormatPuzzleRecord(Shown(four)), four);
  EXPECT_EQ(FormatPuzzleRecord(Shown(Record(12))), Record(12));  // the largest grid
}

TEST(PuzzleRecord, ReadsFieldsLenientlyAndIgnoresWhatFollowsTheLastWord) {
  const char* line = " 3x;01 203;01 203;ABC,  7z;DEF,-2;GHI,;x";
  std::optional<PuzzleRecord> record = ParsePuzzleRecord(line);
  ASSERT_TRUE(record);
  EXPECT_EQ(record->size, 3);
  EXPECT_EQ(record->words, (std::vector<std::string>{"ABC", "DEF", "GHI"}));
  EXPECT_EQ(record->meanings, (std::vector<int32_t>{7, -2, 0}));
  // Written in plain decimals, link texts exactly as held.
  EXPECT_EQ(FormatPuzzleRecord(Shown(line)), "3;01 203;01 203;ABC,7;DEF,-2;GHI,0;");
  EXPECT_EQ(ParsePuzzleRecord("1;A,,5")->meanings[0], 0);  // the number follows the first ","
}

TEST(PuzzleRecord, RefusesWhatTheGridCannotHold) {
  const char* bad[] = {
      "13;",                                          // size above 12
      "-1;",                                          // negative size
      "4;010203;020304;010304;ABCD,1;EBCF,2;EGCH,3",  // fewer than 2N fields
      "2;010201;AB,1;CD2",                            // word field without ","
      "2;010200;AB,1;CD,2",                           // link column 0
      "2;010301;AB,1;CD,2",                           // link column beyond N
      "2;01;AB,1;CD,2",                               // link text too short
      "2;010201;ABCDEFGHIJKLM,1;CD,2",                // word longer than 12 letters
  };
  for (const char* line : bad) EXPECT_FALSE(ParsePuzzleRecord(line)) << line;
  // A ";" inside the last word field is a word field without "," at every size.
  for (int n : {10, 12}) {
    std::string broken = Record(n);
    broken.replace(broken.rfind(';', broken.size() - 2) + 1, std::string::npos, "FORB;X,1;");
    EXPECT_FALSE(ParsePuzzleRecord(broken)) << broken;
  }
  EXPECT_TRUE(ParsePuzzleRecord("2;010201;ABCDEFGHIJKL,1;CD,2"));  // 12 letters are fine
}

TEST(PuzzleRecord, BlankJunkOrHugeLinesNeverFail) {
  for (std::string_view line : {std::string_view(""), std::string_view("\x01\xff junk", 7)}) {
    std::optional<PuzzleRecord> record = ParsePuzzleRecord(line);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->size, 0);
    EXPECT_TRUE(record->words.empty());
  }
  EXPECT_EQ(FormatPuzzleRecord(Shown("")), "0;");

  const std::string separators(10 << 20, ';');
  std::optional<PuzzleRecord> record = ParsePuzzleRecord("2;010201;AB,1;CD,2" + separators);
  ASSERT_TRUE(record);
  EXPECT_EQ(record->meanings, (std::vector<int32_t>{1, 2}));
  EXPECT_FALSE(ParsePuzzleRecord("12" + separators));  // empty word fields have no ","
}

TEST(PuzzleRecord, ApplyReplacesTheOldPuzzleAndFillsOnlyLetterCellsInsideTheGrid) {
  Puzzle puzzle = Shown(Record(12));
  puzzle.Clue[3] = "old clue";
  puzzle.Entry[5][5] = "Q";
  ApplyRecord(puzzle, *ParsePuzzleRecord("3;010203;010203;ABC,1;DE,2;FGHI,3;"));  // row 2 short
  EXPECT_EQ(puzzle.Entry[2][2], ".");
  EXPECT_EQ(puzzle.Entry[2][3], "");  // no letter cell after a short word
  EXPECT_EQ(puzzle.Solution[3][3], "H");
  EXPECT_EQ(puzzle.Solution[3][4], "");  // nothing outside the N by N grid
  EXPECT_EQ(puzzle.Entry[3][4], "");
  EXPECT_EQ(puzzle.Entry[5][5], "");
  EXPECT_EQ(puzzle.Clue[3], "");
  EXPECT_EQ(puzzle.LinkPositions[6], "");
  // The whole word is kept, so saving writes it back as it stood.
  EXPECT_EQ(FormatPuzzleRecord(puzzle), "3;010203;010203;ABC,1;DE,2;FGHI,3;");
  EXPECT_EQ(LinkColumns("0905"), (std::array<int32_t, 3>{9, 5, 0}));  // short links read as 0
}

}  // namespace
}  // namespace sl
