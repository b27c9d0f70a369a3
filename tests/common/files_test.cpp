#include "common/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace sl {
namespace {

using test::TempFolder;

TEST(Files, OnlyNonEmptyRegularFilesExist) {
  TempFolder folder;
  EXPECT_TRUE(FileExists(folder.Write("full.txt", "x")));
  EXPECT_FALSE(FileExists(folder.Write("empty.txt", "")));  // empty counts as missing
  EXPECT_FALSE(FileExists(folder.File("missing.txt")));
  EXPECT_FALSE(FileExists(folder.Path()));
  EXPECT_FALSE(FileExists(std::string("bad\0path", 8)));
}

TEST(Files, FileNamesAndSeparators) {
  EXPECT_EQ(FileNameOf("/a/b/puzzles.txt"), "puzzles.txt");
  EXPECT_EQ(FileNameOf("C:\\games\\puzzles.txt"), "puzzles.txt");
  EXPECT_EQ(FileNameOf("/a/"), "");
  EXPECT_EQ(WithTrailingSeparator("/"), "/");  // a root folder gets no second separator
  EXPECT_EQ(WithTrailingSeparator("/opt/game"), "/opt/game/");
  EXPECT_EQ(WithTrailingSeparator("C:\\"), "C:\\");
  const std::string program = ProgramFolder();
  ASSERT_FALSE(program.empty());
  EXPECT_EQ(program.back(), '/');
}

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

long EntriesIn(const std::string& folder) {
  namespace fs = std::filesystem;
  return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
}

TEST(Files, ReplacingWritesThroughLinksAndKeepsModes) {
  TempFolder folder;
  // A link, relative to its own folder, stays a link; its target takes the contents.
  const std::string target = folder.Write("real.cfg", "old");
  ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
  ASSERT_EQ(::symlink("real.cfg", folder.File("link.cfg").c_str()), 0);
  ASSERT_TRUE(ReplaceFileContents(folder.File("link.cfg"), "new"));
  struct stat st {};
  ASSERT_EQ(::lstat(folder.File("link.cfg").c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_EQ(folder.Read("real.cfg"), "new");
  EXPECT_EQ(ModeOf(target), 0640u);  // the replaced file's own permissions stay

  // A dangling link makes its target; a new file gets what the umask allows, not a fixed mode.
  ASSERT_EQ(::symlink("made.txt", folder.File("ahead.txt").c_str()), 0);
  const mode_t old = ::umask(027);
  const bool made = ReplaceFileContents(folder.File("ahead.txt"), "x");
  const bool fresh = ReplaceFileContents(folder.File("fresh.txt"), "y");
  ::umask(old);
  ASSERT_TRUE(made && fresh);
  EXPECT_EQ(folder.Read("made.txt"), "x");
  EXPECT_EQ(ModeOf(folder.File("made.txt")), 0640u);
  EXPECT_EQ(ModeOf(folder.File("fresh.txt")), 0640u);
  EXPECT_EQ(EntriesIn(folder.Path()), 5);  // no temporary file left behind
}

TEST(Files, ReplacingFailuresLeaveTheTargetAndNoTemporaryFile) {
  TempFolder folder;
  const std::string kept = folder.Write("kept.txt", "old");
  {
    ReplacingFile file;
    ASSERT_TRUE(file.Open(kept));
    ASSERT_TRUE(file.Write("half"));
    file.Fail("the writer gave up");
    EXPECT_FALSE(file.Commit());
    EXPECT_EQ(file.Error(), "the writer gave up");
  }
  {
    ReplacingFile file;
    ASSERT_TRUE(file.Open(kept));
    ASSERT_TRUE(file.Write("never committed"));
  }
  EXPECT_EQ(folder.Read("kept.txt"), "old");
  EXPECT_EQ(EntriesIn(folder.Path()), 1);

  ReplacingFile device;
  EXPECT_FALSE(device.Open("/dev/full"));  // never renamed over, even by root
  EXPECT_EQ(device.Error(), "it is not a regular file");
  ASSERT_EQ(::symlink("loop", folder.File("loop").c_str()), 0);
  EXPECT_FALSE(ReplaceFileContents(folder.File("loop"), "x"));
  EXPECT_FALSE(ReplaceFileContents(folder.File("no/such/folder.txt"), "x"));
}

}  // namespace
}  // namespace sl
