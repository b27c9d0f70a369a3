#include <gtest/gtest.h>

#include "support/run_command.h"
#include "support/temp_folder.h"

namespace sl {
namespace {

using test::RunCommand;
using test::ShellQuote;
using test::TempFolder;

test::CommandResult Tool(const std::string& arguments) {
  return RunCommand(ShellQuote(STACKLINKS_TOOL) + " " + arguments);
}

class ShowCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Meaning numbers 0 on the first and last word and a meanings file without these words, so
    // the expected output is the same with or without a clue lookup.
    meanings = folder.Write("mean6.txt", "ZZZ:a word of no puzzle here\r\n");
    path = folder.Write("p.txt",
                        "3;010203;020301;ABC,0;ABD,-2;EBD,0;extra\r\n"
                        "3;010203;010203;ABC,1;DEF\r\n"
                        "\r\n");
  }
  std::string Show(const std::string& number) {
    return "show --file " + ShellQuote(path) + " --meanings " + ShellQuote(meanings) +
           " --number " + number;
  }
  TempFolder folder;
  std::string meanings;
  std::string path;
};

TEST_F(ShowCommandTest, PrintsLabelsCluesAndTheRecordAsSaved) {
  test::CommandResult result = Tool(Show("1"));
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out,
            "p# 1 of 3\n"
            "Linked Letters: ABDE\n"
            "1\tABC\t\n"
            "2\tABD\t\n"
            "3\tEBD\t\n"
            "3;010203;020301;ABC,0;ABD,-2;EBD,0;\n");

  result = Tool(Show("3"));
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "p# 3 of 3\nLinked Letters: \n0;\n");
}

TEST_F(ShowCommandTest, ReadFailureAndMissingPuzzleHaveTheirOwnExitCodes) {
  test::CommandResult result = Tool(Show("2"));
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "Error in reading puzzle\n");

  result = Tool(Show("4"));
  EXPECT_EQ(result.exitCode, 3);
  EXPECT_EQ(result.out, "no puzzle 4 in " + path + "\n");

  result = Tool("show --number 1 --file " + ShellQuote(folder.File("none.txt")));
  EXPECT_EQ(result.exitCode, 3);
}

TEST_F(ShowCommandTest, UsageErrorsGoToStandardError) {
  const std::string bad[] = {"",
                             "nosuchcommand",
                             "show",
                             "show --file " + ShellQuote(path),
                             Show("0"),
                             Show("-1"),
                             Show("x"),
                             Show("1") + " --colour red",
                             Show("1") + " stray",
                             "show --number 1 --file"};
  for (const std::string& arguments : bad) {
    test::CommandResult result = Tool(arguments);
    EXPECT_EQ(result.exitCode, 2) << arguments;
    EXPECT_EQ(result.out, "") << arguments;
    EXPECT_NE(result.err, "") << arguments;
  }
}

}  // namespace
}  // namespace sl
