// stacklinks-tool show with a meanings file: the clues the game would show.
#include <gtest/gtest.h>

#include "support/run_command.h"
#include "support/temp_folder.h"

namespace sl {
namespace {

using test::RunCommand;
using test::ShellQuote;
using test::TempFolder;

TEST(ShowClues, PrintsFirstMeaningsAndFailsWithoutMeanings) {
  TempFolder folder;
  std::string puzzles = folder.Write("p.txt", "3;010203;010203;ABC,2;DEF,3;GHI,1;\r\n");
  std::string meanings =
      folder.Write("m.txt", "ABC:first\r\nABC:second\r\nDEF:one\r\nGHI:last\r\n");
  auto show = [&](const std::string& meaningsFile) {
    return RunCommand(ShellQuote(STACKLINKS_TOOL) + " show --file " + ShellQuote(puzzles) +
                      " --number 1 --meanings " + ShellQuote(meaningsFile));
  };

  test::CommandResult result = show(meanings);
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_NE(result.out.find("1\tABC\tfirst\n2\tDEF\tone\n3\tGHI\tlast\n"), std::string::npos)
      << result.out;
  // Words 1 and N lose their meaning numbers when shown; the middle ones keep theirs.
  EXPECT_NE(result.out.find("3;010203;010203;ABC,0;DEF,3;GHI,0;\n"), std::string::npos);

  result = show(folder.File("missing.txt"));
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "Error in reading puzzle\n");
}

}  // namespace
}  // namespace sl
