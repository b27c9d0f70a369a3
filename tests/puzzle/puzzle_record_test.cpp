#include "puzzle/puzzle_record.h"

#include <gtest/gtest.h>

namespace sl {
namespace {

constexpr const char* kFour = "4;010203;020304;010304;ABCD,1;EBCF,2;EGCH,3;IGJH,-1;";

Puzzle Shown(std::string_view line) {
  std::optional<PuzzleRecord> record = ParsePuzzleRecord(line);
  EXPECT_TRUE(record.has_value()) << line;
  Puzzle puzzle;
  if (record) ApplyRecord(puzzle, *record);
  return puzzle;
}

TEST(PuzzleRecord, WrittenRecordReadsBackUnchanged) {
  EXPECT_EQ(FormatPuzzleRecord(Shown(kFour)), kFour);
  const std::string twelve =
      "12;010509;020610;030711;040812;010509;020610;030711;040812;010509;020610;030711;"
      "AAAAAAAAAAAA,1;BBBBBBBBBBBB,0;CCCCCCCCCCCC,3;DDDDDDDDDDDD,4;EEEEEEEEEEEE,5;"
      "FFFFFFFFFFFF,6;GGGGGGGGGGGG,7;HHHHHHHHHHHH,8;IIIIIIIIIIII,9;JJJJJJJJJJJJ,10;"
      "KKKKKKKKKKKK,11;LLLLLLLLLLLL,12;";
  EXPECT_EQ(FormatPuzzleRecord(Shown(twelve)), twelve);
}

TEST(PuzzleRecord, ReadsFieldsLenientlyAndIgnoresWhatFollowsTheLastWord) {
  std::optional<PuzzleRecord> record =
      ParsePuzzleRecord(" 3x;01 203;01 203;ABC,  7z;DEF,-2;GHI,;x");
  ASSERT_TRUE(record);
  EXPECT_EQ(record->size, 3);
  EXPECT_EQ(record->links, (std::vector<std::string>{"01 203", "01 203"}));
  EXPECT_EQ(record->words, (std::vector<std::string>{"ABC", "DEF", "GHI"}));
  EXPECT_EQ(record->meanings, (std::vector<int32_t>{7, -2, 0}));
  // Written in plain decimals, link texts exactly as held.
  EXPECT_EQ(FormatPuzzleRecord(Shown(" 3x;01 203;01 203;ABC,  7z;DEF,-2;GHI,;x")),
            "3;01 203;01 203;ABC,7;DEF,-2;GHI,0;");
  // The meaning number is what follows the first ",".
  EXPECT_EQ(ParsePuzzleRecord("1;A,,5")->meanings[0], 0);
  EXPECT_EQ(ParsePuzzleRecord("1;A,3,5")->words[0], "A");
}

TEST(PuzzleRecord, RefusesWhatTheGridCannotHold) {
  const char* bad[] = {
      "13;",                                          // size above 12
      "-1;",                                          // negative size
      "4;010203;020304;010304;ABCD,1;EBCF,2;EGCH,3",  // fewer than 2N fields
      "3;010203;010203",                              // no word fields at all
      "2;010201;AB,1;CD2",                            // word field without ","
      "2;010200;AB,1;CD,2",                           // link column 0
      "2;010301;AB,1;CD,2",                           // link column beyond N
      "2;01;AB,1;CD,2",                               // link text too short
      "2;xx0102;AB,1;CD,2",                           // non-numeric column
      "2;010201;ABCDEFGHIJKLM,1;CD,2",                // word longer than 12 letters
  };
  for (const char* line : bad) EXPECT_FALSE(ParsePuzzleRecord(line)) << line;
  EXPECT_TRUE(ParsePuzzleRecord("2;010201;ABCDEFGHIJKL,1;CD,2"));  // 12 letters are fine
}

TEST(PuzzleRecord, BlankOrJunkLineIsAnEmptyPuzzle) {
  for (std::string_view line : {std::string_view(""), std::string_view("\x01\xff junk", 7)}) {
    std::optional<PuzzleRecord> record = ParsePuzzleRecord(line);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->size, 0);
    EXPECT_TRUE(record->words.empty());
  }
  Puzzle puzzle = Shown("");
  EXPECT_EQ(puzzle.PuzzleSize, 0);
  EXPECT_TRUE(puzzle.Empty());
  EXPECT_EQ(FormatPuzzleRecord(puzzle), "0;");
}

TEST(PuzzleRecord, HugeLinesOfSeparatorsReadLikeShortOnes) {
  const std::string separators(10 << 20, ';');
  std::optional<PuzzleRecord> record = ParsePuzzleRecord("2;010201;AB,1;CD,2" + separators);
  ASSERT_TRUE(record);
  EXPECT_EQ(record->meanings, (std::vector<int32_t>{1, 2}));
  EXPECT_EQ(ParsePuzzleRecord(separators)->size, 0);
  EXPECT_FALSE(ParsePuzzleRecord("12" + separators));  // empty word fields have no ","
}

TEST(PuzzleRecord, LinkColumnsAreThreeTwoDigitNumbers) {
  EXPECT_EQ(LinkColumns("010512"), (std::array<int32_t, 3>{1, 5, 12}));
  EXPECT_EQ(LinkColumns("0905"), (std::array<int32_t, 3>{9, 5, 0}));
  EXPECT_EQ(LinkColumns(""), (std::array<int32_t, 3>{0, 0, 0}));
}

TEST(PuzzleRecord, ApplyFillsSolutionAndEntryOnlyOnLetterCells) {
  Puzzle puzzle;
  puzzle.Clue[3] = "old clue";
  puzzle.Entry[5][5] = "Q";
  puzzle.LinkPositions[6] = "010203";
  puzzle = Shown("3;010203;010203;ABC,1;DE,2;FGHI,3;");  // row 2 short, row 3 too long

  EXPECT_EQ(puzzle.PuzzleSize, 3);
  EXPECT_EQ(puzzle.Wlist, (std::vector<std::string>{"ABC", "DE", "FGHI"}));
  EXPECT_EQ(puzzle.Solution[1][3], "C");
  EXPECT_EQ(puzzle.Entry[1][3], ".");
  EXPECT_EQ(puzzle.Solution[2][2], "E");
  EXPECT_EQ(puzzle.Entry[2][3], "");  // no letter cell after a short word
  EXPECT_EQ(puzzle.Solution[2][3], "");
  EXPECT_EQ(puzzle.Solution[3][3], "H");
  EXPECT_EQ(puzzle.Solution[3][4], "");  // nothing outside the N by N grid
  EXPECT_EQ(puzzle.Entry[3][4], "");
  EXPECT_EQ(puzzle.Entry[0][0], "");
  EXPECT_EQ(puzzle.Entry[5][5], "");
  EXPECT_EQ(puzzle.Clue[3], "");
  EXPECT_EQ(puzzle.LinkPositions[6], "");
  EXPECT_EQ(puzzle.MeaningNumber[3], 3);
  // The whole word is kept, so saving writes it back as it stood.
  EXPECT_EQ(FormatPuzzleRecord(puzzle), "3;010203;010203;ABC,1;DE,2;FGHI,3;");
}

}  // namespace
}  // namespace sl
