#include "puzzle/show_puzzle.h"

#include <gtest/gtest.h>

#include "puzzle/puzzle_file.h"
#include "puzzle/puzzle_record.h"
#include "support/temp_folder.h"

namespace sl {
namespace {

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
  test::TempFolder folder;
  std::string path = folder.Write("p.txt",
                                  "3;010203;010203;ABC,1;DEF,2;GHI,3;\r\n"
                                  "2;010201;XY,4;ZW,5;\r\n"
                                  "\r\n"
                                  "3;010203;010203;ABC,1;DEF\r\n"
                                  "13;\r\n");
  int32_t count = CountPuzzles(path);
  Puzzle puzzle;
  TableClues clues;
};

TEST_F(ShowPuzzleTest, ReadsTheRecordLooksUpItsCluesAndTellsWhenTheSizeChanged) {
  ShowOutcome outcome = ReadPuzzleInto(puzzle, path, 2, count, &clues);
  EXPECT_EQ(outcome.status, ShowStatus::Shown);
  EXPECT_TRUE(outcome.sizeChanged);  // 12 before
  EXPECT_EQ(puzzle.Wlist, (std::vector<std::string>{"XY", "ZW"}));
  EXPECT_EQ(puzzle.Clue[2], "clue of ZW");
  EXPECT_FALSE(ReadPuzzleInto(puzzle, path, 2, count, &clues).sizeChanged);

  outcome = ReadPuzzleInto(puzzle, path, 3, count, nullptr);  // blank line: empty puzzle
  EXPECT_EQ(outcome.status, ShowStatus::Shown);
  EXPECT_TRUE(outcome.sizeChanged);
  EXPECT_TRUE(puzzle.Empty());
}

TEST_F(ShowPuzzleTest, NumberBeyondTheCountDoesNothingAndFailuresLeaveThePuzzleIntact) {
  ASSERT_EQ(ReadPuzzleInto(puzzle, path, 1, count, &clues).status, ShowStatus::Shown);
  puzzle.Entry[1][1] = "A";  // the player's work must survive a failed read
  const Puzzle before = puzzle;
  auto expectUnchanged = [&](ShowOutcome outcome, ShowStatus status, const char* what) {
    EXPECT_EQ(outcome.status, status) << what;
    EXPECT_FALSE(outcome.sizeChanged) << what;
    EXPECT_EQ(FormatPuzzleRecord(puzzle), FormatPuzzleRecord(before)) << what;
    EXPECT_EQ(puzzle.Entry, before.Entry) << what;
    EXPECT_EQ(puzzle.Clue, before.Clue) << what;
  };
  const ShowStatus kFailed = ShowStatus::Failed;
  expectUnchanged(ReadPuzzleInto(puzzle, path, count + 1, count, &clues), ShowStatus::NothingDone,
                  "beyond the count");
  EXPECT_EQ(clues.loads, 1);  // the meanings are not even loaded
  expectUnchanged(ReadPuzzleInto(puzzle, path, 4, count, &clues), kFailed, "word without comma");
  expectUnchanged(ReadPuzzleInto(puzzle, path, 5, count, &clues), kFailed, "size 13");
  // The count is stale: the file has fewer lines than the caller believes.
  expectUnchanged(ReadPuzzleInto(puzzle, path, 9, 9, &clues), kFailed, "too few lines");
  expectUnchanged(ReadPuzzleInto(puzzle, folder.File("gone"), 1, 1, &clues), kFailed, "missing");
  clues.loadable = false;
  expectUnchanged(ReadPuzzleInto(puzzle, path, 2, count, &clues), kFailed, "meanings unreadable");
}

}  // namespace
}  // namespace sl
