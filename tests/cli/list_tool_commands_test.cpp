// stacklinks-tool shuffle, dedupe, trim and add-meanings: outputs beside the source, the final
// message on standard output, refusals with a message and a failing exit code.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/text_lines.h"
#include "support/run_command.h"
#include "support/temp_folder.h"

namespace sl {
namespace {

using test::ShellQuote;
using Lines = std::vector<std::string>;

class ListToolCommandsTest : public ::testing::Test {
 protected:
  test::CommandResult Tool(const std::string& command, const std::string& file,
                           const std::string& more = "") {
    return test::RunCommand(ShellQuote(STACKLINKS_TOOL) + " " + command + " --file " +
                            ShellQuote(file) + more);
  }
  Lines OutputLines(const std::string& name, bool sorted) {
    Lines lines = SplitLines(folder.Read(name));
    if (sorted) std::sort(lines.begin(), lines.end());
    return lines;
  }
  test::TempFolder folder;
  std::string source = folder.Write("my list.txt", "A\r\nA\r\n b \r\n\r\nA\r\na\r\n");
};

TEST_F(ListToolCommandsTest, EachSubcommandWritesBesideTheSourceAndPrintsTheFinalMessage) {
  const struct {
    const char* command;
    const char* more;
    const char* output;
    std::string message;
    bool shuffled;
    Lines lines;
  } cases[] = {
      {"shuffle", "", "my list-random.txt", folder.File("my list-random.txt") + " done", true,
       {"", " b ", "A", "A", "A", "a"}},
      {"shuffle", " --drop-repeats", "my list-noduprandom.txt",
       folder.File("my list-noduprandom.txt") + " randomized", true, {"", " b ", "A", "A", "a"}},
      {"dedupe", "", "my listnodups.txt", "done", false, {"A", " b ", ""}},
      {"trim", "", "my list-withpn.txt", "done", false, {"A", "A", "b", "A", "a"}},
  };
  for (const auto& c : cases) {
    const test::CommandResult result = Tool(c.command, source, c.more);
    EXPECT_EQ(result.exitCode, 0) << c.command << c.more << ": " << result.err;
    EXPECT_EQ(result.out, c.message + "\n");
    EXPECT_EQ(OutputLines(c.output, c.shuffled), c.lines) << c.output;
  }
}

TEST_F(ListToolCommandsTest, AddMeaningsNumbersEveryWordFromTheMeaningsFile) {
  const std::string meanings =
      folder.Write("means.txt", "CAT:a pet\r\nCAT:a whip\r\nCAT:a boat\r\nEMU:a bird\r\n");
  const std::string words = folder.Write("words.txt", "8;CAT;DOG;\r\n9;emu;\r\n");
  const test::CommandResult result =
      Tool("add-meanings", words, " --meanings " + ShellQuote(meanings));
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, folder.File("words-withmindex.txt") + " done\n");
  const Lines lines = OutputLines("words-withmindex.txt", false);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_TRUE(lines[0] == "8;CAT,1;DOG,-1;" || lines[0] == "8;CAT,2;DOG,-1;" ||
              lines[0] == "8;CAT,3;DOG,-1;")
      << lines[0];
  EXPECT_EQ(lines[1], "9;emu,1;");

  // A meanings file that cannot be read: refused, the output stays as it was.
  const std::string before = folder.Read("words-withmindex.txt");
  const test::CommandResult refused =
      Tool("add-meanings", words, " --meanings " + ShellQuote(folder.File("none.txt")));
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_EQ(refused.err,
            "stacklinks-tool: cannot read the meanings file " + folder.File("none.txt") + "\n");
  EXPECT_EQ(folder.Read("words-withmindex.txt"), before);
}

TEST_F(ListToolCommandsTest, RefusalsExplainAndWriteNothing) {
  const std::string noDot = folder.Write("nodot", "a\r\n");
  const struct {
    std::string arguments;
    int exitCode;
    std::string error;
  } cases[] = {
      {"dedupe --file " + ShellQuote(folder.File("gone.txt")), 1,
       "stacklinks-tool: The file " + folder.File("gone.txt") +
           " is missing or empty. Nothing was written.\n"},
      {"trim --file " + ShellQuote(noDot), 1,
       "stacklinks-tool: The name " + noDot +
           " has no \".\", so no output name can be made from it. Nothing was written.\n"},
      {"shuffle", 2,
       "stacklinks-tool: missing option --file\nusage: stacklinks-tool shuffle --file FILE "
       "[--drop-repeats]\n"},
  };
  for (const auto& c : cases) {
    const test::CommandResult result =
        test::RunCommand(ShellQuote(STACKLINKS_TOOL) + " " + c.arguments);
    EXPECT_EQ(result.exitCode, c.exitCode) << c.arguments;
    EXPECT_EQ(result.err, c.error);
    EXPECT_EQ(result.out, "");
  }
  EXPECT_EQ(folder.Read("gonenodups.txt"), "<missing>");
}

}  // namespace
}  // namespace sl
