#include "puzzle/show_puzzle.h"

#include <gtest/gtest.h>

#include "puzzle/puzzle_file.h"
#include "puzzle/puzzle_record.h"
#include "support/temp_folder.h"

namespace sl {
namespace {

using test::TempFolder;

// A clue source over a fixed table: every word's clue is "clue of WORD".
class TableClues : public ClueSource {
 public:
  bool loadable = true;
  int loads = 0;
  bool EnsureLoaded() override {
    ++loads;
    return loadable;
  }
  void LookUpFirstClues(Puzzle& puzzle) override {
    for (size_t k = 1; k <= puzzle.Wlist.size(); ++k) {
      puzzle.Clue[k] = "clue of " + puzzle.Wlist[k - 1];
    }
  }
};

class ShowPuzzleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path = folder.Write("p.txt",
                        "3;010203;010203;ABC,1;DEF,2;GHI,3;\r\n"
                        "2;010201;XY,4;ZW,5;\r\n"
                        "\r\n"
                        "3;010203;010203;ABC,1;DEF\r\n"
                        "13;\r\n");
    count = CountPuzzles(path);
  }
  TempFolder folder;
  std::string path;
  int32_t count = 0;
};

TEST_F(ShowPuzzleTest, ReadsTheRecordAndLooksUpItsClues) {
  Puzzle puzzle;
  TableClues clues;
  ShowOutcome outcome = ReadPuzzleInto(puzzle, path, 2, count, &clues);
  EXPECT_EQ(outcome.status, ShowStatus::Shown);
  EXPECT_TRUE(outcome.sizeChanged);  // 12 before
  EXPECT_EQ(puzzle.PuzzleSize, 2);
  EXPECT_EQ(puzzle.Wlist, (std::vector<std::string>{"XY", "ZW"}));
  EXPECT_EQ(puzzle.Clue[2], "clue of ZW");
  EXPECT_EQ(puzzle.Entry[2][2], ".");

  outcome = ReadPuzzleInto(puzzle, path, 2, count, &clues);  // same size again
  EXPECT_FALSE(outcome.sizeChanged);

  outcome = ReadPuzzleInto(puzzle, path, 3, count, nullptr);  // blank line: empty puzzle
  EXPECT_EQ(outcome.status, ShowStatus::Shown);
  EXPECT_TRUE(outcome.sizeChanged);
  EXPECT_TRUE(puzzle.Empty());
}

TEST_F(ShowPuzzleTest, NumberBeyondTheCountDoesNothing) {
  Puzzle puzzle;
  TableClues clues;
  ASSERT_EQ(ReadPuzzleInto(puzzle, path, 1, count, &clues).status, ShowStatus::Shown);
  const std::string before = FormatPuzzleRecord(puzzle);
  EXPECT_EQ(ReadPuzzleInto(puzzle, path, count + 1, count, &clues).status,
            ShowStatus::NothingDone);
  EXPECT_EQ(ReadPuzzleInto(puzzle, folder.File("missing"), 1, 0, &clues).status,
            ShowStatus::NothingDone);
  EXPECT_EQ(FormatPuzzleRecord(puzzle), before);
  EXPECT_EQ(clues.loads, 1);  // the meanings are not even loaded
}

TEST_F(ShowPuzzleTest, EveryFailureLeavesThePreviousPuzzleIntact) {
  Puzzle puzzle;
  TableClues clues;
  ASSERT_EQ(ReadPuzzleInto(puzzle, path, 1, count, &clues).status, ShowStatus::Shown);
  puzzle.Entry[1][1] = "A";  // the player's work must survive a failed read
  const Puzzle before = puzzle;

  auto expectUnchanged = [&](ShowOutcome outcome, const char* what) {
    EXPECT_EQ(outcome.status, ShowStatus::Failed) << what;
    EXPECT_FALSE(outcome.sizeChanged) << what;
    EXPECT_EQ(puzzle.PuzzleSize, before.PuzzleSize) << what;
    EXPECT_EQ(puzzle.Wlist, before.Wlist) << what;
    EXPECT_EQ(puzzle.Entry, before.Entry) << what;
    EXPECT_EQ(puzzle.Clue, before.Clue) << what;
  };
  expectUnchanged(ReadPuzzleInto(puzzle, path, 4, count, &clues), "word without comma");
  expectUnchanged(ReadPuzzleInto(puzzle, path, 5, count, &clues), "size 13");
  // The count is stale: the file has fewer lines than the caller believes.
  expectUnchanged(ReadPuzzleInto(puzzle, path, 9, 9, &clues), "too few lines");
  expectUnchanged(ReadPuzzleInto(puzzle, folder.File("gone"), 1, 1, &clues), "missing file");
  clues.loadable = false;
  expectUnchanged(ReadPuzzleInto(puzzle, path, 2, count, &clues), "meanings unreadable");
}

TEST(PositionText, ShowsNumbersWithTheirLeadingBlanks) {
  EXPECT_EQ(PositionText(3, 120), "p# 3 of 120");
  EXPECT_EQ(PositionText(1, 1), "p# 1 of 1");
}

}  // namespace
}  // namespace sl
