#include "puzzle/puzzle_file.h"

#include <gtest/gtest.h>

#include "puzzle/puzzle_record.h"
#include "support/temp_folder.h"

namespace sl {
namespace {

using test::TempFolder;

constexpr const char* kRecordA = "3;010203;010203;ABC,1;ABC,2;ABC,3;";
constexpr const char* kRecordB = "3;010203;010203;XYZ,0;XYZ,5;XYZ,0;";

Puzzle PuzzleOf(const char* record) {
  Puzzle puzzle;
  ApplyRecord(puzzle, *ParsePuzzleRecord(record));
  return puzzle;
}

TEST(PuzzleFile, CountsAndReadsLinesOfAnyEndingBlankOrNot) {
  TempFolder folder;
  const std::string path = folder.Write("mixed", "\r\ntwo\nthree\rfour\r\n");
  EXPECT_EQ(CountPuzzles(path), 4);  // a blank line is a puzzle too
  EXPECT_EQ(ReadPuzzleLine(path, 1), "");
  EXPECT_EQ(ReadPuzzleLine(path, 3), "three");
  EXPECT_EQ(ReadPuzzleLine(path, 4), "four");
  EXPECT_FALSE(ReadPuzzleLine(path, 5));
  EXPECT_FALSE(ReadPuzzleLine(path, 0));
}

TEST(PuzzleFile, UnreadableOrOddFilesCountNothingAndNeverCrash) {
  TempFolder folder;
  EXPECT_EQ(CountPuzzles(folder.File("missing.txt")), 0);
  EXPECT_EQ(CountPuzzles(folder.Path()), 0);  // a folder, not a file
  EXPECT_FALSE(ReadPuzzleLine(folder.Path(), 1));
  EXPECT_EQ(CountPuzzles(folder.Write("empty.txt", "")), 0);

  const std::string binary = folder.Write("binary", std::string("\0\xff\x01;\r\n\0\0", 8));
  EXPECT_EQ(CountPuzzles(binary), 2);
  EXPECT_EQ(ReadPuzzleLine(binary, 1), std::string("\0\xff\x01;", 4));

  const std::string huge = folder.Write("huge", std::string(10 << 20, 'Q') + "\r\n3;x\r\n");
  EXPECT_EQ(CountPuzzles(huge), 2);
  EXPECT_EQ(ReadPuzzleLine(huge, 2), "3;x");
  EXPECT_EQ(ReadPuzzleLine(huge, 1)->size(), size_t{10 << 20});
}

TEST(PuzzleFile, AppendAddsAtTheEndAndReplaceLeavesOneRecord) {
  TempFolder folder;
  const std::string path = folder.File("new.txt");
  ASSERT_TRUE(AppendPuzzle(path, PuzzleOf(kRecordA), true));  // created when missing
  ASSERT_TRUE(AppendPuzzle(path, PuzzleOf(kRecordB), true));
  EXPECT_EQ(folder.Read("new.txt"), std::string(kRecordA) + "\r\n" + kRecordB + "\r\n");
  ASSERT_TRUE(AppendPuzzle(path, PuzzleOf(kRecordB), false));
  EXPECT_EQ(folder.Read("new.txt"), std::string(kRecordB) + "\r\n");
}

TEST(PuzzleFile, FailedWriteReportsFalseAndLeavesTheFileAlone) {
  TempFolder folder;
  const Puzzle puzzle = PuzzleOf(kRecordA);
  for (bool append : {true, false}) {
    EXPECT_FALSE(AppendPuzzle(folder.File("no/such/folder.txt"), puzzle, append));
    EXPECT_FALSE(AppendPuzzle(folder.Path(), puzzle, append));  // a folder where a file belongs
  }
  // An existing file in a folder that cannot take the replacement's temporary file.
  const std::string kept = folder.Write("kept.txt", "old\r\n");
  EXPECT_FALSE(AppendPuzzle(kept + "/x", puzzle, false));
  EXPECT_EQ(folder.Read("kept.txt"), "old\r\n");
}

TEST(PuzzleFile, EnsureExtensionOnlyForNamesWithoutAnyDot) {
  EXPECT_EQ(EnsureExtension("mine", "txt"), "mine.txt");
  EXPECT_EQ(EnsureExtension("/home/a.b/mine", "txt"), "/home/a.b/mine");  // whole path searched
  EXPECT_EQ(EnsureExtension("", "txt"), "");  // a cancelled dialog stays cancelled
}

}  // namespace
}  // namespace sl
