// The letters kept between runs: given back only whole and only to the puzzle they came from.
#include "puzzle/kept_entries.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>

#include "puzzle/puzzle_record.h"
#include "support/temp_folder.h"

namespace sl {
namespace {

// A 3-word puzzle whose last word is one letter short, so row 3 column 3 has no cell.
Puzzle Shown(const char* lastWord = "CAB") {
  Puzzle puzzle;
  ApplyRecord(puzzle, *ParsePuzzleRecord(std::string("3;010203;010203;BAT,1;CAT,1;") + lastWord +
                                         ",1;"));
  return puzzle;
}

constexpr const char* kFile = "/games/puzzles.txt";

std::vector<std::string> KeptLines() {
  Puzzle played = Shown("CA");
  played.Entry[1][1] = "B";
  played.Entry[2][3] = "T";
  played.Entry[3][2] = "A";
  return FormatKeptEntries(played, kFile, 7);
}

TEST(KeptEntries, GiveBackEveryLetterOfThatPuzzleAndNoCellWhereThereWasNone) {
  const std::vector<std::string> lines = KeptLines();
  EXPECT_EQ(lines, (std::vector<std::string>{"Stacklinks entries 1", kFile, "7",
                                             "3;010203;010203;BAT;CAT;CA", "B..", "..T", ".A-",
                                             "end"}));
  Puzzle again = Shown("CA");
  ASSERT_TRUE(RestoreKeptEntries(lines, kFile, 7, again));
  EXPECT_EQ(again.Entry[1][1], "B");
  EXPECT_EQ(again.Entry[2][3], "T");
  EXPECT_EQ(again.Entry[3][2], "A");
  EXPECT_EQ(again.Entry[1][2], ".");
  EXPECT_EQ(again.Entry[3][3], "");
}

// Each change makes the file damaged or another puzzle's; the puzzle keeps its empty grid.
TEST(KeptEntries, ADamagedOrForeignFileChangesNothing) {
  using Lines = std::vector<std::string>;
  const struct {
    const char* what;
    std::function<void(Lines&)> change;
    int32_t number = 7;
    const char* lastWord = "CA";
  } cases[] = {
      {"cut short", [](Lines& l) { l.pop_back(); }},
      {"a line added", [](Lines& l) { l.insert(l.begin() + 5, "..."); }},
      {"another file", [](Lines& l) { l[1] = "/games/other.txt"; }},
      {"another number", [](Lines&) {}, 8},
      {"other words in the file", [](Lines&) {}, 7, "CAB"},
      {"a short row", [](Lines& l) { l[4] = "B."; }},
      {"a small letter", [](Lines& l) { l[4] = "b.."; }},
      {"no cell where there is one", [](Lines& l) { l[4] = "-.."; }},
      {"a letter where there is no cell", [](Lines& l) { l[6] = ".AQ"; }},
      {"another header", [](Lines& l) { l[0] = "Stacklinks entries 2"; }},
      {"no end", [](Lines& l) { l.back() = "END"; }},
  };
  for (const auto& c : cases) {
    Lines lines = KeptLines();
    c.change(lines);
    Puzzle puzzle = Shown(c.lastWord);
    const Puzzle before = puzzle;
    EXPECT_FALSE(RestoreKeptEntries(lines, kFile, c.number, puzzle)) << c.what;
    EXPECT_EQ(puzzle.Entry, before.Entry) << c.what;
  }
}

TEST(KeptEntries, NoPuzzleShownKeepsNothingToGiveBack) {
  const std::vector<std::string> lines = FormatKeptEntries(Puzzle{}, "", 0);
  EXPECT_EQ(lines, std::vector<std::string>{"Stacklinks entries 1"});
  Puzzle puzzle = Shown();
  EXPECT_FALSE(RestoreKeptEntries(lines, "", 0, puzzle));
  // A path with a line end could not be read back as the same path: nothing is kept for it.
  EXPECT_EQ(FormatKeptEntries(Shown(), "a\nb", 1).size(), 1u);
}

TEST(KeptEntries, TheFileIsReplacedWholeAndOnlyARegularFileIsRead) {
  test::TempFolder folder;
  const std::string path = folder.File("stacklinks.entries");
  Puzzle played = Shown();
  played.Entry[2][2] = "A";
  ASSERT_TRUE(SaveKeptEntries(path, played, kFile, 1));
  EXPECT_EQ(folder.Read("stacklinks.entries").substr(0, 22), "Stacklinks entries 1\r\n");
  Puzzle again = Shown();
  ASSERT_TRUE(LoadKeptEntries(path, kFile, 1, again));
  EXPECT_EQ(again.Entry[2][2], "A");

  // The kept file is replaced, never cut: a folder that cannot be written keeps the old one.
  EXPECT_FALSE(SaveKeptEntries(folder.File("missing/stacklinks.entries"), played, kFile, 1));
  EXPECT_FALSE(LoadKeptEntries(folder.File("missing/stacklinks.entries"), kFile, 1, again));

  // A pipe in the file's place would never end; it is not opened.
  const std::string pipe = folder.File("pipe.entries");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  Puzzle untouched = Shown();
  EXPECT_FALSE(LoadKeptEntries(pipe, kFile, 1, untouched));
  EXPECT_EQ(untouched.Entry[2][2], ".");
}

}  // namespace
}  // namespace sl
