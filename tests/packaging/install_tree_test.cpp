// `cmake --install` into a fresh prefix: the tree a player's system gets, the desktop's
// validators on its menu entry and metainfo, and the installed tool finding the installed data.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "common/files.h"
#include "common/text_lines.h"
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

// What a tool prints for the first puzzle shipped under prefix, run from an unrelated folder.
test::CommandResult ShowFirstPuzzle(const std::string& tool, const std::string& prefix) {
  test::TempFolder elsewhere;
  return RunCommand("cd " + ShellQuote(elsewhere.Path()) + " && " + ShellQuote(tool) +
                    " show --file " + ShellQuote(prefix + "/share/stacklinks/puzzles.txt") +
                    " --number 1");
}

TEST_F(InstallTreeTest, ProgramsDataMenuEntryIconsAndMetainfo) {
  for (const char* program : {"bin/stacklinks", "bin/stacklinks-tool"}) {
    struct stat st {};
    ASSERT_EQ(::stat(Installed(program).c_str(), &st), 0) << program;
    EXPECT_TRUE(st.st_mode & S_IXOTH) << program;
  }
  for (const std::string file :
       {"stacklinks/english1.txt", "stacklinks/english2.txt", "stacklinks/mean6.txt",
        "stacklinks/puzzles.txt", "stacklinks/all.col", "stacklinks/stacklinks.htm",
        "doc/stacklinks/copyright", "doc/stacklinks/changelog.gz",
        "icons/hicolor/scalable/apps/stacklinks.svg"}) {
    EXPECT_TRUE(FileExists(Installed("share/" + file))) << file;
  }
  // Every size is there; that each icon has its folder's size is lintian's check of the package.
  for (const char* size : {"16", "22", "24", "32", "48", "64", "128", "256"}) {
    EXPECT_TRUE(FileExists(Installed(std::string("share/icons/hicolor/") + size + "x" + size +
                                     "/apps/stacklinks.png")))
        << size;
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

// The lines of a text file; empty when it cannot be read.
std::vector<std::string> Lines(const std::string& path) {
  std::vector<std::string> lines;
  ReadLines(path, lines);
  return lines;
}

std::string WithoutTrailingBlanks(std::string line) {
  line.erase(line.find_last_not_of(" \t") + 1);
  return line;
}

// The installed copyright file is well formed (a blank line inside a field is written " .", a
// licence paragraph has its text) and carries the word data's notices in full, as the Debian
// packages the word lists come from give them.
TEST_F(InstallTreeTest, CopyrightFileCarriesTheWordDataNoticesInFull) {
  const std::vector<std::string> lines = Lines(Installed("share/doc/stacklinks/copyright"));
  ASSERT_FALSE(lines.empty());
  std::set<std::string> shipped;
  for (size_t i = 0; i < lines.size(); ++i) {
    shipped.insert(WithoutTrailingBlanks(lines[i]));
    EXPECT_FALSE(!lines[i].empty() && WithoutTrailingBlanks(lines[i]).empty()) << "line " << i + 1;
    if (lines[i].rfind("License:", 0) == 0 && (i == 0 || lines[i - 1].empty())) {
      EXPECT_TRUE(i + 1 < lines.size() && lines[i + 1].rfind(" ", 0) == 0) << lines[i];
    }
  }
  for (const char* source :
       {"/usr/share/doc/wamerican/copyright", "/usr/share/doc/scowl/copyright"}) {
    for (const std::string& line : Lines(source)) {
      const std::string text = WithoutTrailingBlanks(line);
      if (!text.empty()) {
        EXPECT_EQ(shipped.count(" " + text), 1u) << source << ": " << text;
      }
    }
  }
  // wordnet-base's first paragraph is WordNet's own: its copyright line and its licence text.
  bool firstCopyright = true;
  bool inLicence = false;
  for (const std::string& line : Lines("/usr/share/doc/wordnet-base/copyright")) {
    if (firstCopyright && line.rfind("Copyright:", 0) == 0) {
      firstCopyright = false;
      EXPECT_EQ(shipped.count(line), 1u) << line;
    }
    if (line.rfind("License: WordNet", 0) == 0) {
      inLicence = true;
    } else if (inLicence) {
      if (line.rfind(" ", 0) != 0) break;
      EXPECT_EQ(shipped.count(WithoutTrailingBlanks(line)), 1u) << line;
    }
  }
}

// The roff form of a name as the manual pages write it: every "-" escaped.
std::string RoffName(const std::string& name) {
  std::string roff;
  for (char c : name) roff += c == '-' ? std::string("\\-") : std::string(1, c);
  return roff;
}

// Every command of `stacklinks-tool help` ("  NAME --option ...") and each of its options is in
// the tool's manual page. How the pages render is lintian's check of the package.
TEST_F(InstallTreeTest, ManualPageNamesEveryToolCommandAndOption) {
  const test::CommandResult help = RunCommand(ShellQuote(Installed("bin/stacklinks-tool")) + " help");
  ASSERT_EQ(help.exitCode, 0);
  const test::CommandResult page =
      RunCommand("gzip -dc " + ShellQuote(Installed("share/man/man6/stacklinks-tool.6.gz")));
  std::istringstream lines(help.out);
  int commands = 0;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("  ", 0) != 0 || line[2] == ' ') continue;
    std::istringstream words(line);
    std::string word;
    words >> word;
    ++commands;
    EXPECT_NE(page.out.find("\n.B " + RoffName(word) + " "), std::string::npos) << word;
    while (words >> word) {
      const auto dashes = word.find("--");
      if (dashes == std::string::npos) continue;
      const std::string option = word.substr(dashes, word.find_first_of("]=", dashes) - dashes);
      EXPECT_NE(page.out.find(RoffName(option)), std::string::npos) << line;
    }
  }
  EXPECT_GE(commands, 9) << help.out;
}

// "k<TAB>word<TAB>clue" of the first word has a clue: the meanings were found.
bool FirstWordHasAClue(const std::string& shown) {
  const auto firstWord = shown.find("\n1\t");
  if (firstWord == std::string::npos) return false;
  const auto clue = shown.find('\t', firstWord + 3);
  return clue != std::string::npos && clue + 1 < shown.size() && shown[clue + 1] != '\n';
}

// A copy of the tool alone, with no data beside it or installed around it, finds none (the
// installed tool finding its data is the games folder's test).
TEST_F(InstallTreeTest, ACopyOfTheToolAloneFindsNoData) {
  test::TempFolder elsewhere;
  const std::string alone = elsewhere.File("stacklinks-tool");
  std::filesystem::copy_file(Installed("bin/stacklinks-tool"), alone);
  std::filesystem::permissions(alone, std::filesystem::perms::owner_exec,
                               std::filesystem::perm_options::add);
  const test::CommandResult lost = ShowFirstPuzzle(alone, prefix.Path());
  EXPECT_EQ(lost.exitCode, 1);
  EXPECT_NE(lost.out.find("Error in reading puzzle"), std::string::npos) << lost.out << lost.err;
}

// The Debian package installs the programs in games/ (as cpack does: the install script with
// STACKLINKS_PROGRAM_DIR set); from there they still find the data in share/stacklinks/.
TEST(PackageTreeTest, ProgramsInTheGamesFolderFindTheInstalledData) {
  test::TempFolder root;
  const test::CommandResult install = RunCommand(
      ShellQuote(CMAKE_COMMAND) + " -DCMAKE_INSTALL_PREFIX=" + ShellQuote(root.Path()) +
      " -DSTACKLINKS_PROGRAM_DIR=games -P " +
      ShellQuote(std::string(STACKLINKS_BUILD_DIR) + "/cmake_install.cmake"));
  ASSERT_EQ(install.exitCode, 0) << install.out << install.err;
  EXPECT_FALSE(std::filesystem::exists(root.File("bin")));
  for (const char* program : {"games/stacklinks", "games/stacklinks-tool"}) {
    EXPECT_TRUE(FileExists(root.File(program))) << program;
  }
  const test::CommandResult shown = ShowFirstPuzzle(root.File("games/stacklinks-tool"), root.Path());
  ASSERT_EQ(shown.exitCode, 0) << shown.err;
  EXPECT_TRUE(FirstWordHasAClue(shown.out)) << shown.out;
}

}  // namespace
}  // namespace sl
