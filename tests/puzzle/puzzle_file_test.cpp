#include "puzzle/puzzle_file.h"

#include <gtest/gtest.h>

#include "puzzle/puzzle_record.h"
#include "support/temp_folder.h"

namespace sl {
namespace {

using test::TempFolder;

TEST(PuzzleFile, CountsAndReadsBlankBinaryAndHugeLinesOfAnyEnding) {
  TempFolder folder;
  const std::string path = folder.Write("mixed", "\r\ntwo\nthree\rfour\r\n");
  EXPECT_EQ(CountPuzzles(path), 4);  // a blank line is a puzzle too
  EXPECT_EQ(ReadPuzzleLine(path, 1), "");
  EXPECT_EQ(ReadPuzzleLine(path, 3), "three");
  EXPECT_FALSE(ReadPuzzleLine(path, 5));
  EXPECT_FALSE(ReadPuzzleLine(path, 0));

  const std::string binary = folder.Write("binary", std::string("\0\xff\x01;\r\n\0\0", 8));
  EXPECT_EQ(CountPuzzles(binary), 2);
  EXPECT_EQ(ReadPuzzleLine(binary, 1), std::string("\0\xff\x01;", 4));
  const std::string huge = folder.Write("huge", std::string(10 << 20, 'Q') + "\r\n3;x\r\n");
  EXPECT_EQ(CountPuzzles(huge), 2);
  EXPECT_EQ(ReadPuzzleLine(huge, 2), "3;x");
  EXPECT_EQ(ReadPuzzleLine(huge, 1)->size(), size_t{10 << 20});  // read whole, not cut
}

TEST(PuzzleFile, MissingEmptyOrFolderCountsNothing) {
  TempFolder folder;
  EXPECT_EQ(CountPuzzles(folder.File("missing.txt")), 0);
  EXPECT_EQ(CountPuzzles(folder.Write("empty.txt", "")), 0);
  EXPECT_EQ(CountPuzzles(folder.Path()), 0);
  EXPECT_FALSE(ReadPuzzleLine(folder.Path(), 1));
}

TEST(PuzzleFile, ReplacingLeavesOneRecordAppendingAddsOneAndFailuresLeaveTheFile) {
  TempFolder folder;
  Puzzle puzzle;
  ApplyRecord(puzzle, *ParsePuzzleRecord("3;010203;010203;ABC,1;ABC,2;ABC,3;"));
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

TEST(PuzzleFile, EnsureExtensionOnlyForNamesWithoutAnyDot) {
  EXPECT_EQ(EnsureExtension("mine", "txt"), "mine.txt");
  EXPECT_EQ(EnsureExtension("/home/a.b/mine", "txt"), "/home/a.b/mine");  // whole path searched
  EXPECT_EQ(EnsureExtension("", "txt"), "");  // a cancelled dialog stays cancelled
}

}  // namespace
}  // namespace sl
