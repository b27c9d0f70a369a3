#include "common/files.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace sl
