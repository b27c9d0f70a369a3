// stacklinks-tool ipuz: which files it writes and where, and that every refusal writes nothing.
// (tests/cli/ipuz_reader/ reads the files with an independent ipuz parser.)
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <tuple>

#include "support/run_command.h"
#include "support/temp_folder.h"

namespace sl {
namespace {

using test::ShellQuote;

class IpuzCommandTest : public ::testing::Test {
 protected:
  test::CommandResult Ipuz(const std::string& arguments) const {
    return test::RunCommand(ShellQuote(STACKLINKS_TOOL) + " ipuz --file " + ShellQuote(puzzles) +
                            " --meanings " + ShellQuote(meanings) + " " + arguments);
  }

  // Every file and folder below the temporary folder.
  std::set<std::string> Listing() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.Path())) {
      names.insert(entry.path().lexically_relative(folder.Path()).string());
    }
    return names;
  }

  test::TempFolder folder;
  std::string puzzles = folder.Write("puzzles.txt",
                                     "3;010203;010203;ABC,1;DEF,1;GHI,1;\r\n"
                                     "3;030102;020202;CAT,1;DOG,2;EMU,1;\r\n"
                                     "3;010203;010203;ABC,1;DEF,1;GHI,1;\r\n"
                                     "3;010203;ABC,1;\r\n"                      // too few fields
                                     "3;010203;010203;ABC,1;DE,1;GHI,1;\r\n");  // a hole
  std::string meanings = folder.Write("mean6.txt", "CAT:a pet\r\nCAT:a lion\r\nDOG:barks\r\n");
};

TEST_F(IpuzCommandTest, RangeGoesIntoAFolderNamedAfterThePuzzleFile) {
  const test::CommandResult result = Ipuz("--range 2-3 --out " + ShellQuote(folder.File("out")));
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, folder.File("out/puzzles-2.ipuz") + "\n" +
                            folder.File("out/puzzles-3.ipuz") + "\n");
  // The clues and grid are compared with the records by the independent reader.
  const std::string title = "\"title\": \"Stacklinks: puzzles.txt, puzzle 2\"";
  EXPECT_NE(folder.Read("out/puzzles-2.ipuz").find(title), std::string::npos);
  EXPECT_NE(folder.Read("out/puzzles-3.ipuz").find("puzzle 3\""), std::string::npos);
}

TEST_F(IpuzCommandTest, OnePuzzleReplacesTheFileOutNamesOrGoesIntoItsFolder) {
  const std::string named = folder.Write("mine.ipuz", "old");
  test::CommandResult result = Ipuz("--number 2 --out " + ShellQuote(named));
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, named + "\n");
  EXPECT_NE(folder.Read("mine.ipuz").find("puzzle 2\""), std::string::npos);

  std::filesystem::create_directory(folder.File("sub"));
  result = Ipuz("--number 1 --out " + ShellQuote(folder.File("sub")));
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_NE(folder.Read("sub/puzzles-1.ipuz").find("puzzle 1\""), std::string::npos);
}

TEST_F(IpuzCommandTest, RefusalsWriteNothing) {
  std::filesystem::create_directory(folder.File("taken"));
  folder.Write("taken/puzzles-3.ipuz", "mine");
  folder.Write("plain.txt", "mine");
  const std::string out = " --out " + ShellQuote(folder.File("out"));
  const std::tuple<std::string, int, std::string> cases[] = {
      // arguments, exit code, part of the message on stderr
      {out, 2, "either --number N or --range A-B"},
      {"--range 3-2" + out, 2, "--range needs A-B"},
      {"--number 1", 2, "missing option --out"},
      {"--number 6" + out, 3, "no puzzle 6 in " + puzzles},
      {"--range 3-4" + out, 1, "puzzle 4 of " + puzzles + ": Error in reading puzzle"},
      {"--range 5-5" + out, 1, "puzzle 5 of " + puzzles + " is not a full grid: word 2"},
      {"--range 2-3 --out " + ShellQuote(folder.File("taken")), 1, "puzzles-3.ipuz is there"},
      {"--range 2-3 --out " + ShellQuote(folder.File("plain.txt")), 1, "is not a folder"},
      {"--number 1 --out " + ShellQuote(folder.File("none/x.ipuz")), 1, "cannot write"},
  };
  const std::set<std::string> before = Listing();
  for (const auto& [arguments, exitCode, message] : cases) {
    const test::CommandResult result = Ipuz(arguments);
    EXPECT_EQ(result.exitCode, exitCode) << arguments;
    EXPECT_NE(result.err.find(message), std::string::npos) << arguments << "\n" << result.err;
    EXPECT_EQ(result.out, "") << arguments;
    EXPECT_EQ(Listing(), before) << arguments;
  }
  EXPECT_EQ(folder.Read("taken/puzzles-3.ipuz"), "mine");
  EXPECT_EQ(folder.Read("plain.txt"), "mine");

  meanings = folder.File("missing.txt");
  const test::CommandResult result = Ipuz("--number 1" + out);
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("cannot read the meanings file"), std::string::npos) << result.err;
  EXPECT_EQ(Listing(), before);
}

}  // namespace
}  // namespace sl
