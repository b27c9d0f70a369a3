#include "common/text_lines.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "support/temp_folder.h"

namespace sl {
namespace {

using test::TempFolder;
using Lines = std::vector<std::string>;

// Every splitting against a plain reference is checked by the line reader fuzz harness.
TEST(TextLines, SplitStreamAndReadEndLinesAtCrLfLoneCrOrLf) {
  TempFolder folder;
  const std::pair<std::string, Lines> cases[] = {
      {"a\r\nb\rc\nd\n\re", {"a", "b", "c", "d", "", "e"}},  // LF CR is two line ends
      {std::string("x\0y\r", 4), {std::string("x\0y", 3)}},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(SplitLines(text), expected);
    LineReader reader(folder.Write("f", text));
    Lines streamed;
    std::string line;
    while (reader.Next(line)) streamed.push_back(line);
    EXPECT_FALSE(reader.Failed());
    EXPECT_EQ(streamed, expected);
  }
  Lines lines;
  EXPECT_TRUE(ReadLines(folder.Write("f", "x\ny"), lines));
  EXPECT_EQ(lines, (Lines{"x", "y"}));
  // Missing files and folders (as puzzle and config files show) read as failures.
  EXPECT_FALSE(ReadLines(folder.Path(), lines));
  EXPECT_TRUE(lines.empty());  // nothing stale is left
}

TEST(TextLines, WritingUsesCrLfAndReplacesAtomically) {
  TempFolder folder;
  const std::string path = folder.Write("f.txt", "old content\r\n");
  ASSERT_TRUE(WriteLinesReplacing(path, {"one", "", "two"}));
  EXPECT_EQ(folder.Read("f.txt"), "one\r\n\r\ntwo\r\n");
  ASSERT_TRUE(WriteLinesReplacing(path, {}));
  EXPECT_EQ(folder.Read("f.txt"), "");
  // Failures and what they leave behind are the file replacing's, checked in the Files tests.
  EXPECT_FALSE(WriteLinesReplacing(folder.Path(), {"x"}));
}

TEST(TextLines, AppendingEndsAnUnendedLastLineFirst) {
  TempFolder folder;
  ASSERT_TRUE(AppendLines(folder.File("new.txt"), {"one", "two"}));  // created when missing
  EXPECT_EQ(folder.Read("new.txt"), "one\r\ntwo\r\n");
  const std::pair<const char*, const char*> cases[] = {
      {"made elsewhere", "made elsewhere\r\nnext\r\n"},
      {"old mac\r", "old mac\rnext\r\n"},
  };
  for (const auto& [old, appended] : cases) {
    ASSERT_TRUE(AppendLines(folder.Write("old.txt", old), {"next"}));
    EXPECT_EQ(folder.Read("old.txt"), appended);
  }
  EXPECT_FALSE(AppendLines(folder.Path(), {"x"}));
  const std::string fifo = folder.File("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_FALSE(AppendLines(fifo, {"x"}));  // refused at once instead of waiting for a reader
}

}  // namespace
}  // namespace sl
