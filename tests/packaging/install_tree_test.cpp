// `cmake --install` into a fresh prefix: the tree a player's system gets, the desktop's
// validators on its menu entry and metainfo, and the installed tool finding the installed data.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "common/files.h"
#include "support/run_command.h"
#include "support/temp_folder.h"

namespace sl {
namespace {

using test::RunCommand;
using test::ShellQuote;

const std::string kAppId = STACKLINKS_APP_ID;

class InstallTreeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const test::CommandResult install =
        RunCommand(ShellQuote(CMAKE_COMMAND) + " --install " + ShellQuote(STACKLINKS_BUILD_DIR) +
                   " --prefix " + ShellQuote(prefix.Path()));
    ASSERT_EQ(install.exitCode, 0) << install.out << install.err;
  }
  std::string Installed(const std::string& path) const { return prefix.File(path); }

  test::TempFolder prefix;
};

// Width and height from a PNG's header, or 0 x 0 when it is no PNG.
std::pair<int, int> PngSize(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  unsigned char header[24] = {};
  in.read(reinterpret_cast<char*>(header), sizeof header);
  if (!in || std::string(reinterpret_cast<char*>(header) + 1, 3) != "PNG") return {0, 0};
  auto number = [&](int at) {
    return header[at] << 24 | header[at + 1] << 16 | header[at + 2] << 8 | header[at + 3];
  };
  return {number(16), number(20)};
}

TEST_F(InstallTreeTest, ProgramsDataMenuEntryIconsAndMetainfo) {
  for (const char* program : {"bin/stacklinks", "bin/stacklinks-tool"}) {
    struct stat st {};
    ASSERT_EQ(::stat(Installed(program).c_str(), &st), 0) << program;
    EXPECT_TRUE(st.st_mode & S_IXOTH) << program;
  }
  for (const char* data :
       {"english1.txt", "english2.txt", "mean6.txt", "puzzles.txt", "all.col", "stacklinks.htm"}) {
    EXPECT_TRUE(FileExists(Installed(std::string("share/stacklinks/") + data))) << data;
  }
  EXPECT_TRUE(FileExists(Installed("share/icons/hicolor/scalable/apps/stacklinks.svg")));
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const std::string png = Installed("share/icons/hicolor/" + std::to_string(size) + "x" +
                                      std::to_string(size) + "/apps/stacklinks.png");
    EXPECT_EQ(PngSize(png), std::make_pair(size, size)) << png;
  }

  const std::string desktop = Installed("share/applications/" + kAppId + ".desktop");
  ASSERT_TRUE(FileExists(desktop));
  const test::CommandResult entry = RunCommand("desktop-file-validate " + ShellQuote(desktop));
  EXPECT_EQ(entry.exitCode, 0);
  EXPECT_EQ(entry.out + entry.err, "");

  const std::string metainfo = Installed("share/metainfo/" + kAppId + ".metainfo.xml");
  ASSERT_TRUE(FileExists(metainfo));
  const test::CommandResult info =
      RunCommand("appstreamcli validate --no-net --no-color " + ShellQuote(metainfo));
  EXPECT_EQ(info.exitCode, 0) << info.out << info.err;
  EXPECT_EQ(info.out.find(": "), std::string::npos) << info.out;  // no warning or hint lines
}

TEST_F(InstallTreeTest, InstalledToolFindsTheInstalledMeaningsFromAnyFolder) {
  test::TempFolder elsewhere;
  const std::string show = ShellQuote(Installed("bin/stacklinks-tool")) + " show --file " +
                           ShellQuote(Installed("share/stacklinks/puzzles.txt")) + " --number 1";
  const test::CommandResult shown =
      RunCommand("cd " + ShellQuote(elsewhere.Path()) + " && " + show);
  ASSERT_EQ(shown.exitCode, 0) << shown.err;
  // "k<TAB>word<TAB>clue": the first word's clue comes from the installed meanings.
  const auto firstWord = shown.out.find("\n1\t");
  ASSERT_NE(firstWord, std::string::npos) << shown.out;
  const auto clue = shown.out.find('\t', firstWord + 3);
  ASSERT_NE(clue, std::string::npos);
  EXPECT_NE(shown.out[clue + 1], '\n') << shown.out;

  // A copy of the tool alone, with no data beside it or installed around it, finds none.
  const std::string alone = elsewhere.File("stacklinks-tool");
  std::filesystem::copy_file(Installed("bin/stacklinks-tool"), alone);
  std::filesystem::permissions(alone, std::filesystem::perms::owner_exec,
                               std::filesystem::perm_options::add);
  const test::CommandResult lost = RunCommand(
      ShellQuote(alone) + " show --file " +
      ShellQuote(Installed("share/stacklinks/puzzles.txt")) + " --number 1");
  EXPECT_EQ(lost.exitCode, 1);
  EXPECT_NE(lost.out.find("Error in reading puzzle"), std::string::npos) << lost.out << lost.err;
}

}  // namespace
}  // namespace sl
