// Where the game reads its data and writes its own files, for a build or portable copy and for
// an installed one.
#include "options/game_folders.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/files.h"
#include "support/temp_folder.h"

namespace sl {
namespace {

TEST(GameFolders, DecidedFromTheFacts) {
  const struct {
    const char* what;
    FolderFacts facts;
    const char* data;
    const char* settings;
    const char* work;
    const char* batch;
  } cases[] = {
      {"data beside the executable wins over installed data",
       {"/usr/bin/", true, "/usr/share/stacklinks/", "/h/.config", "/h/.local/share"},
       "/usr/bin/", "/usr/bin/", "/usr/bin/", ""},
      {"installed", {"/usr/bin/", false, "/usr/share/stacklinks", "/h/.config/", "/h/.local/share"},
       "/usr/share/stacklinks/", "/h/.config/stacklinks/", "/h/.local/share/stacklinks/",
       "/h/.local/share/stacklinks/"},
      {"installed, no home folders known", {"/usr/bin/", false, "/usr/share/stacklinks/", "", ""},
       "/usr/share/stacklinks/", "", "", ""},
      {"no data anywhere", {"/tmp/x", false, "", "/h/.config", "/h/.local/share"},
       "/tmp/x/", "/tmp/x/", "/tmp/x/", ""},
      {"program in the root folder", {"/", true, "", "", ""}, "/", "/", "/", ""},
  };
  for (const auto& c : cases) {
    const GameFolders folders = DecideGameFolders(c.facts);
    EXPECT_EQ(folders.dataFolder, c.data) << c.what;
    EXPECT_EQ(folders.settingsFolder, c.settings) << c.what;
    EXPECT_EQ(folders.workFolder, c.work) << c.what;
    EXPECT_EQ(folders.batchFolder, c.batch) << c.what;
  }
}

// The files of an installed copy are shown in the main window's start-up test.
TEST(GameFolders, APortableCopyWritesBatchesInTheCurrentFolder) {
  const GameFolders portable = DecideGameFolders({"/opt/game", true, "", "", ""});
  EXPECT_EQ(portable.ConfigFile(), "/opt/game/stacklinks.cfg");
  EXPECT_EQ(portable.BatchFile("8puzadd.txt"), "8puzadd.txt");
}

TEST(GameFolders, FactsOfAnExecutableFolder) {
  for (const bool beside : {true, false}) {
    for (const bool installed : {true, false}) {
      test::TempFolder root;
      std::filesystem::create_directories(root.File("bin"));
      std::filesystem::create_directories(root.File("share/stacklinks"));
      if (beside) root.Write("bin/mean6.txt", "ABC:x\r\n");
      // An empty meanings file marks nothing.
      root.Write("share/stacklinks/mean6.txt", installed ? "ABC:x\r\n" : "");
      const FolderFacts facts = ExecutableFolderFacts(root.File("bin"), "../share/stacklinks");
      EXPECT_EQ(facts.executableFolder, root.File("bin/"));
      EXPECT_EQ(facts.dataBesideExecutable, beside) << beside << installed;
      EXPECT_EQ(facts.installedDataFolder, installed ? root.File("share/stacklinks/") : "")
          << beside << installed;
    }
  }
}

TEST(GameFolders, WritableFoldersAreMadeWhenMissing) {
  test::TempFolder home;
  const GameFolders folders =
      DecideGameFolders({"/usr/bin/", false, "/usr/share/stacklinks/", home.File("config"),
                         home.File("a/b/share")});
  EXPECT_TRUE(MakeWritableFolders(folders));
  EXPECT_TRUE(std::filesystem::is_directory(home.File("config/stacklinks")));
  EXPECT_TRUE(std::filesystem::is_directory(home.File("a/b/share/stacklinks")));
  EXPECT_TRUE(MakeWritableFolders(folders));  // already there

  home.Write("file", "x");  // a file where a folder should be
  EXPECT_FALSE(MakeWritableFolders(
      DecideGameFolders({"/usr/bin/", false, "/usr/share/stacklinks/", home.File("file"), ""})));
}

TEST(GameFolders, StartingFilePrefersTheCurrentFolderThenTheShippedOne) {
  test::TempFolder current;
  test::TempFolder data;
  const std::string before = CurrentFolder();
  ASSERT_TRUE(SetCurrentFolder(current.Path()));
  const GameFolders folders = DecideGameFolders({data.Path(), true, "", "", ""});
  const struct {
    const char* inCurrent;  // nullptr: absent
    const char* inData;
    bool expectShipped;
  } cases[] = {
      {"x", "x", false},
      {nullptr, "x", true},
      {"", "x", true},  // an empty file counts as missing
      {nullptr, nullptr, false},
  };
  for (const auto& c : cases) {
    std::filesystem::remove(current.File("puzzles.txt"));
    std::filesystem::remove(data.File("puzzles.txt"));
    if (c.inCurrent) current.Write("puzzles.txt", c.inCurrent);
    if (c.inData) data.Write("puzzles.txt", c.inData);
    EXPECT_EQ(StartingFile("puzzles.txt", folders),
              c.expectShipped ? data.File("puzzles.txt") : "puzzles.txt")
        << (c.inCurrent ? c.inCurrent : "-") << (c.inData ? c.inData : "-");
  }
  SetCurrentFolder(before);
}

}  // namespace
}  // namespace sl
