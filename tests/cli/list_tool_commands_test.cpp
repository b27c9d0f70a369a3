// stacklinks-tool shuffle, dedupe, trim and add-meanings: outputs beside the source, the final
// message on standard output, refusals with a message and a failing exit code. What each tool
// does to the lines is the core's, tested there.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "support/run_command.h"
#include "support/temp_folder.h"

namespace sl {
namespace {

using test::ShellQuote;

class ListToolCommandsTest : public ::testing::Test {
 protected:
  static test::CommandResult Tool(const std::string& arguments) {
    return test::RunCommand(ShellQuote(STACKLINKS_TOOL) + " " + arguments);
  }
  test::TempFolder folder;
  std::string source = ShellQuote(folder.Write("my list.txt", "A\r\nA\r\n b \r\n\r\nA\r\na\r\n"));
};

TEST_F(ListToolCommandsTest, EachSubcommandWritesBesideTheSourceAndPrintsTheFinalMessage) {
  const std::tuple<const char*, const char*, std::string> cases[] = {  // command, output, message
      {"shuffle", "my list-random.txt", folder.File("my list-random.txt") + " done"},
      {"shuffle --drop-repeats", "my list-noduprandom.txt",
       folder.File("my list-noduprandom.txt") + " randomized"},
      {"dedupe", "my listnodups.txt", "done"},
      {"trim", "my list-withpn.txt", "done"},
  };
  for (const auto& [command, output, message] : cases) {
    const test::CommandResult result = Tool(std::string(command) + " --file " + source);
    EXPECT_EQ(result.exitCode, 0) << command << ": " << result.err;
    EXPECT_EQ(result.out, message + "\n");
    EXPECT_NE(folder.Read(output), "<missing>") << output;
  }
}

TEST_F(ListToolCommandsTest, AddMeaningsNumbersTheWordsFromTheMeaningsFile) {
  const std::string meanings = folder.Write("means.txt", "EMU:a bird\r\n");
  const std::string addMeanings =
      "add-meanings --file " + ShellQuote(folder.Write("words.txt", "9;emu;DOG;\r\n")) +
      " --meanings ";
  const test::CommandResult result = Tool(addMeanings + ShellQuote(meanings));
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, folder.File("words-withmindex.txt") + " done\n");
  EXPECT_EQ(folder.Read("words-withmindex.txt"), "9;emu,1;DOG,-1;\r\n");

  // A meanings file that cannot be read: refused, the output stays as it was.
  const test::CommandResult refused = Tool(addMeanings + ShellQuote(folder.File("none.txt")));
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_EQ(refused.err,
            "stacklinks-tool: cannot read the meanings file " + folder.File("none.txt") + "\n");
  EXPECT_EQ(folder.Read("words-withmindex.txt"), "9;emu,1;DOG,-1;\r\n");
}

TEST_F(ListToolCommandsTest, RefusalsExplainAndWriteNothing) {
  const std::pair<std::string, int> cases[] = {
      {"dedupe --file " + ShellQuote(folder.File("gone.txt")), 1},
      {"trim --file " + ShellQuote(folder.Write("nodot", "a\r\n")), 1},
      {"shuffle", 2},  // no --file
  };
  for (const auto& [arguments, exitCode] : cases) {
    const test::CommandResult result = Tool(arguments);
    EXPECT_EQ(result.exitCode, exitCode) << arguments;
    EXPECT_EQ(result.err.rfind("stacklinks-tool: ", 0), 0u) << result.err;
    EXPECT_NE(result.err.find(exitCode == 1 ? "Nothing was written.\n" : "usage: "),
              std::string::npos) << result.err;
    EXPECT_EQ(result.out, "");
  }
  EXPECT_EQ(folder.Read("gonenodups.txt"), "<missing>");
}

}  // namespace
}  // namespace sl
