#include "common/text_lines.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace sl {
namespace {

using test::TempFolder;
using Lines = std::vector<std::string>;

TEST(TextLines, SplitEndsLinesAtCrLfLoneCrOrLf) {
  EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n"), Lines{"a"});
  EXPECT_EQ(SplitLines(""), Lines{});
  EXPECT_EQ(SplitLines("\r\n\r\n"), (Lines{"", ""}));
  EXPECT_EQ(SplitLines("a\n\rb"), (Lines{"a", "", "b"}));  // LF CR is two line ends
  EXPECT_EQ(SplitLines(std::string("x\0y", 3)), Lines{std::string("x\0y", 3)});
}

TEST(TextLines, StreamingReaderAgreesWithSplitLines) {
  TempFolder folder;
  const std::string texts[] = {"a\r\nb\rc\nd", "a\r\n", "", "\r\n\r\n", "a\n\rb", "\r",
                               std::string("\0\r\0", 3)};
  for (const std::string& text : texts) {
    LineReader reader(folder.Write("f", text));
    ASSERT_TRUE(reader.IsOpen());
    Lines streamed;
    std::string line;
    while (reader.Next(line)) streamed.push_back(line);
    EXPECT_FALSE(reader.Failed());
    EXPECT_EQ(streamed, SplitLines(text));
  }
  LineReader missing(folder.File("missing"));
  std::string line;
  EXPECT_FALSE(missing.IsOpen());
  EXPECT_FALSE(missing.Next(line));
  EXPECT_FALSE(LineReader(folder.Path()).IsOpen());  // a folder is not a file
}

TEST(TextLines, ReadLinesFailsCleanlyOnMissingFiles) {
  TempFolder folder;
  Lines lines{"stale"};
  EXPECT_FALSE(ReadLines(folder.File("missing"), lines));
  EXPECT_TRUE(lines.empty());
  EXPECT_FALSE(ReadLines(folder.Path(), lines));
  EXPECT_TRUE(ReadLines(folder.Write("f", "x\ny"), lines));
  EXPECT_EQ(lines, (Lines{"x", "y"}));
}

TEST(TextLines, WritingUsesCrLfAndReplacesAtomically) {
  TempFolder folder;
  const std::string path = folder.Write("f.txt", "old content\r\n");
  ASSERT_TRUE(WriteLinesReplacing(path, {"one", "", "two"}));
  EXPECT_EQ(folder.Read("f.txt"), "one\r\n\r\ntwo\r\n");
  ASSERT_TRUE(WriteLinesReplacing(path, {}));
  EXPECT_EQ(folder.Read("f.txt"), "");

  EXPECT_FALSE(WriteLinesReplacing(folder.File("no/folder.txt"), {"x"}));
  EXPECT_FALSE(WriteLinesReplacing(folder.Path(), {"x"}));
  EXPECT_FALSE(WriteLinesReplacing("", {"x"}));
  // No temporary files are left behind by successful or failed writes.
  size_t entries = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
    (void)entry;
    ++entries;
  }
  EXPECT_EQ(entries, 1u);
}

TEST(TextLines, AppendingEndsAnUnendedLastLineFirst) {
  TempFolder folder;
  const std::string path = folder.File("a.txt");
  ASSERT_TRUE(AppendLines(path, {"one"}));
  ASSERT_TRUE(AppendLines(path, {"two", "three"}));
  EXPECT_EQ(folder.Read("a.txt"), "one\r\ntwo\r\nthree\r\n");

  folder.Write("lf.txt", "made elsewhere");
  ASSERT_TRUE(AppendLines(folder.File("lf.txt"), {"next"}));
  EXPECT_EQ(folder.Read("lf.txt"), "made elsewhere\r\nnext\r\n");
  folder.Write("cr.txt", "old mac\r");
  ASSERT_TRUE(AppendLines(folder.File("cr.txt"), {"next"}));
  EXPECT_EQ(folder.Read("cr.txt"), "old mac\rnext\r\n");

  EXPECT_FALSE(AppendLines(folder.File("no/folder.txt"), {"x"}));
  EXPECT_FALSE(AppendLines(folder.Path(), {"x"}));
}

}  // namespace
}  // namespace sl
