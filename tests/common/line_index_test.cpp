#include "common/line_index.h"

#include <gtest/gtest.h>

#include <random>

#include "common/text_lines.h"
#include "support/temp_folder.h"

namespace sl {
namespace {

using test::TempFolder;

// Every line through the index, as the file's lines are split everywhere else.
void ExpectLinesOf(const std::string& path, const std::string& text) {
  LineIndex index;
  ASSERT_TRUE(index.Build(path));
  const std::vector<std::string> lines = SplitLines(text);
  ASSERT_EQ(index.Count(), static_cast<int64_t>(lines.size()));
  for (size_t n = 1; n <= lines.size(); ++n) {
    ASSERT_EQ(index.Line(path, static_cast<int64_t>(n)), lines[n - 1]) << "line " << n;
  }
  EXPECT_FALSE(index.Line(path, 0));
  EXPECT_FALSE(index.Line(path, index.Count() + 1));
}

TEST(LineIndex, SplitsLikeTheLineReaderWhateverTheEndsAndWhereverTheReadsBreak) {
  TempFolder folder;
  // The file is read in blocks of 64 KiB: a CR LF split across two blocks is one line end, a
  // lone CR ending a block is a line end of its own.
  const std::string block(65535, 'x');
  const std::string texts[] = {
      "", "\r\n", "\n\n", "a", "a\r", "a\n\rb", "\r\ntwo\nthree\rfour\r\n",
      std::string("x\0y\r", 4), block + "\r\nnext", block + "\rnext", block + "\r\r\n",
      block + "y\nnext\r"};
  for (const std::string& text : texts) ExpectLinesOf(folder.Write("f", text), text);

  // Random lines of random ends, blank ones and a last one without an end among them.
  std::mt19937 random(7);
  std::string text;
  const char* const ends[] = {"\r\n", "\r", "\n"};
  while (text.size() < 300000) {
    text += std::string(random() % 300, static_cast<char>('a' + random() % 26));
    text += ends[random() % 3];
  }
  text += "last";
  ExpectLinesOf(folder.Write("random", text), text);
}

TEST(LineIndex, MatchesOnlyTheSameFileUnchangedAndLongSettled) {
  TempFolder folder;
  const std::string path = folder.Write("f", "one\r\ntwo\r\n");
  LineIndex index;
  ASSERT_TRUE(index.Build(path));
  const FileStamp stamp = *FileStamp::Of(path);
  // Just written: the same stamp could hide a second write in the same clock tick.
  EXPECT_FALSE(index.Matches(stamp, 2));
  EXPECT_TRUE(index.Matches(stamp, 0));
  FileStamp longer = stamp, changed = stamp, other = stamp;
  longer.size += 1;
  changed.changedNs += 1;
  other.inode += 1;
  for (const FileStamp& s : {longer, changed, other}) EXPECT_FALSE(index.Matches(s, 0));

  for (const std::string& none : {folder.File("missing"), folder.Path()}) {
    EXPECT_FALSE(index.Build(none)) << none;
    EXPECT_EQ(index.Count(), 0);
    EXPECT_FALSE(index.Matches(stamp, 0));
    EXPECT_FALSE(FileStamp::Of(none));
  }
}

}  // namespace
}  // namespace sl
