// The puzzle record, the puzzle file, and reading one puzzle of a file as the game shows it.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "puzzle/puzzle_file.h"
#include "puzzle/puzzle_record.h"
#include "puzzle/show_puzzle.h"
#include "support/blank_puzzle.h"
#include "support/temp_folder.h"

namespace sl {
namespace {

using test::PuzzleOf;

// A record of size n as the game writes it, with two-digit columns and meaning numbers.
std::string Record(int n) {
  std::string record = std::to_string(n) + ";";
  for (int i = 1; i <= n - 1; ++i) record += i % 2 ? "010509;" : "040810;";
  for (int k = 1; k <= n; ++k) {
    record += std::string(n, char('A' + k)) + "," + std::to_string(k) + ";";
  }
  return record;
}

// The puzzle file fuzz harness compares reading with a reference; these are plain examples.
TEST(PuzzleRecord, ReadsLenientlyIgnoresWhatFollowsTheLastWordAndWritesBackWhatItRead) {
  const std::string separators(10 << 20, ';');
  const std::pair<std::string, std::string> cases[] = {
      {"4;010203;020304;010304;ABCD,1;EBCF,2;EGCH,3;IGJH,-1;",
       "4;010203;020304;010304;ABCD,1;EBCF,2;EGCH,3;IGJH,-1;"},
      // Numbers read leniently and written plainly, link texts exactly as held.
      {" 3x;01 203;01 203;ABC,  7z;DEF,-2;GHI,;x", "3;01 203;01 203;ABC,7;DEF,-2;GHI,0;"},
      {"2;010201;AB,1;CD,2" + separators, "2;010201;AB,1;CD,2;"},
  };
  for (const auto& [line, written] : cases) {
    EXPECT_EQ(FormatPuzzleRecord(PuzzleOf(line)), written) << line.substr(0, 60);
  }
  EXPECT_FALSE(ParsePuzzleRecord("12" + separators));  // empty word fields have no ","
}

TEST(PuzzleRecord, RefusesWhatTheGridCannotHold) {
  const char* bad[] = {
      "13;",                                          // size above 12
      "4;010203;020304;010304;ABCD,1;EBCF,2;EGCH,3",  // fewer than 2N fields
      "2;010200;AB,1;CD,2",                           // link column 0
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

TEST(PuzzleRecord, ApplyReplacesTheOldPuzzleAndKeepsWordsOfAnyLength) {
  Puzzle puzzle = PuzzleOf(Record(12));
  puzzle.Clue[3] = "old clue";
  puzzle.Entry[5][5] = "Q";
  ApplyRecord(puzzle, *ParsePuzzleRecord("3;010203;010203;ABC,1;DE,2;FGHI,3;"));  // row 2 short
  EXPECT_EQ(puzzle.Entry[5][5] + puzzle.Clue[3] + puzzle.LinkPositions[6], "");  // the old ones
  // The whole word is kept, so saving writes it back as it stood.
  EXPECT_EQ(FormatPuzzleRecord(puzzle), "3;010203;010203;ABC,1;DE,2;FGHI,3;");
  EXPECT_EQ(LinkColumns("0905"), (std::array<int32_t, 3>{9, 5, 0}));  // short links read as 0
}

using test::TempFolder;

TEST(PuzzleFile, CountsAndReadsBlankAndHugeLinesOfAnyEndingAndNothingOfNoFile) {
  TempFolder folder;
  const std::string path = folder.Write("mixed", "\r\ntwo\nthree\rfour\r\n");
  EXPECT_EQ(CountPuzzles(path), 4);  // a blank line is a puzzle too
  EXPECT_EQ(ReadPuzzleLine(path, 3), "three");
  EXPECT_FALSE(ReadPuzzleLine(path, 5));
  const std::string huge = folder.Write("huge", std::string(10 << 20, 'Q') + "\r\n3;x\r\n");
  EXPECT_EQ(CountPuzzles(huge), 2);
  EXPECT_EQ(ReadPuzzleLine(huge, 1)->size(), size_t{10 << 20});  // read whole, not cut
  for (const std::string& none : {folder.File("missing.txt"), folder.Write("empty.txt", ""),
                                  folder.Path()}) {
    EXPECT_EQ(CountPuzzles(none), 0) << none;
    EXPECT_FALSE(ReadPuzzleLine(none, 1)) << none;
  }
}

TEST(PuzzleFile, ReplacingLeavesOneRecordAppendingAddsOneAndFailuresLeaveTheFile) {
  TempFolder folder;
  const Puzzle puzzle = PuzzleOf("3;010203;010203;ABC,1;ABC,2;ABC,3;");
  const std::string record = "3;010203;010203;ABC,1;ABC,2;ABC,3;\r\n";
  const std::string kept = folder.Write("kept.txt", "old\r\nolder\r\n");
  ASSERT_TRUE(AppendPuzzle(kept, puzzle, false));
  EXPECT_EQ(folder.Read("kept.txt"), record);
  ASSERT_TRUE(AppendPuzzle(kept, puzzle, true));
  EXPECT_EQ(folder.Read("kept.txt"), record + record);
  for (bool append : {true, false}) {
    EXPECT_FALSE(AppendPuzzle(folder.Path(), puzzle, append));  // a folder where a file belongs
    // An existing file where a folder should be, so no temporary file can be made beside it.
    EXPECT_FALSE(AppendPuzzle(kept + "/x", puzzle, append));
  }
  EXPECT_EQ(folder.Read("kept.txt"), record + record);
}

// Overwrites the file's bytes in place: same file, same size, new text.
void Overwrite(const std::string& path, const std::string& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "r+b");
  ASSERT_TRUE(file);
  ASSERT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), file), bytes.size());
  std::fclose(file);
}

// Counting and reading keep what they learnt of a file between calls: they must follow every
// change, whether the file has just been written or has been left alone for a while.
TEST(PuzzleFile, CountAndLinesFollowTheFileOnDisk) {
  TempFolder folder;
  const std::string path = folder.Write("p.txt", "a\r\nb\r\n");
  ASSERT_EQ(ReadPuzzleLine(path, 2), "b");
  Overwrite(path, "c\r\nd\r\n");
  EXPECT_EQ(ReadPuzzleLine(path, 2), "d");

  std::this_thread::sleep_for(std::chrono::milliseconds(2100));  // settled from now on
  ASSERT_EQ(CountPuzzles(path), 2);
  EXPECT_EQ(ReadPuzzleLine(path, 1), "c");
  Overwrite(path, "e\nf\ng\n");
  EXPECT_EQ(CountPuzzles(path), 3);
  EXPECT_EQ(ReadPuzzleLine(path, 2), "f");
  folder.Write("other.txt", "g\r\n");
  ASSERT_EQ(std::rename(folder.File("other.txt").c_str(), path.c_str()), 0);
  EXPECT_EQ(CountPuzzles(path), 1);
  EXPECT_EQ(ReadPuzzleLine(path, 1), "g");
}

TEST(PuzzleFile, EnsureExtensionOnlyForNamesWithoutAnyDot) {
  EXPECT_EQ(EnsureExtension("mine", "txt"), "mine.txt");
  EXPECT_EQ(EnsureExtension("/home/a.b/mine", "txt"), "/home/a.b/mine");  // whole path searched
  EXPECT_EQ(EnsureExtension("", "txt"), "");  // a cancelled dialog stays cancelled
}

// A clue source that counts its loads and can be made to fail them.
class CountedClues : public ClueSource {
 public:
  bool loadable = true;
  int loads = 0;
  bool EnsureLoaded() override {
    ++loads;
    return loadable;
  }
  void LookUpFirstClues(Puzzle&) override {}
};

class ShowPuzzleTest : public ::testing::Test {
 protected:
  test::TempFolder folder;
  std::string path = folder.Write("p.txt",
                                  "3;010203;010203;ABC,1;DEF,2;GHI,3;\r\n"
                                  "2;010201;XY,4;ZW,5;\r\n"
                                  "3;010203;010203;ABC,1;DEF\r\n");
  int32_t count = CountPuzzles(path);
  Puzzle puzzle;
  CountedClues clues;
};

// What a shown puzzle prints is checked through the tool's show command, and the size-changed
// flag by the puzzle file fuzz harness.
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
  expectUnchanged(ReadPuzzleInto(puzzle, path, 3, count, &clues), kFailed, "word without comma");
  // The count is stale: the file has fewer lines than the caller believes.
  expectUnchanged(ReadPuzzleInto(puzzle, path, 9, 9, &clues), kFailed, "too few lines");
  expectUnchanged(ReadPuzzleInto(puzzle, folder.File("gone"), 1, 1, &clues), kFailed, "missing");
  clues.loadable = false;
  expectUnchanged(ReadPuzzleInto(puzzle, path, 2, count, &clues), kFailed, "meanings unreadable");
}

}  // namespace
}  // namespace sl
