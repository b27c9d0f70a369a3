// stacklinks-tool: chain (one generator attempt), create (puzzles appended to a file) and show
// (what the game's labels, clue list and save command would show).
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "common/text_lines.h"
#include "generation/generator.h"
#include "puzzle/puzzle_record.h"
#include "support/generation_fixtures.h"
#include "support/run_command.h"
#include "support/temp_folder.h"

namespace sl {
namespace {

using test::ShellQuote;

test::CommandResult Tool(const std::string& arguments) {
  return test::RunCommand(ShellQuote(STACKLINKS_TOOL) + " " + arguments);
}

// Every line of the file is a whole record of a linked puzzle.
void ExpectWholePuzzles(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    const std::optional<PuzzleRecord> record = ParsePuzzleRecord(line);
    ASSERT_TRUE(record) << line;
    EXPECT_EQ(test::ChainProblem(*record), "") << line;
  }
}

class GenerationCommandsTest : public ::testing::Test {
 protected:
  // The first start row whose attempt does (or does not) make a chain.
  int32_t StartRow(bool succeeds) const {
    int32_t row = 0;
    while (row < table.Count() && (BuildChain(table, row).size() == 8) != succeeds) ++row;
    return row;
  }
  std::string ChainCommand(const std::string& dictPath, int size, const std::string& start) const {
    return "chain --dict " + ShellQuote(dictPath) + " --size " + std::to_string(size) +
           " --start " + start;
  }
  std::string Create(const std::string& out, const std::string& more) const {
    return "create --dict " + ShellQuote(dict) + " --size 8 --out " + ShellQuote(out) + " " + more;
  }

  test::TempFolder folder;
  // Eight-letter words: many start words make a chain, some do not. A word of another length
  // and one with a blank are in the file but never in a puzzle.
  std::vector<std::string> words = test::RandomWords(5, 400, 8, "BCDLMR");
  std::string dict = folder.Write("dict.txt", test::WordFile(words) + "BCDLMRBCD\r\nBCD LMRB\r\n");
  WordTable table{words, 8};
};

TEST_F(GenerationCommandsTest, ChainPrintsTheAttemptAsARecord) {
  const int32_t row = StartRow(true);
  ASSERT_LT(row, table.Count());
  const std::string start = table.Word(row);
  Puzzle expected;
  StorePuzzle(ChainPuzzle(table, BuildChain(table, row)), expected);
  expected.MeaningNumber.fill(0);
  test::CommandResult result = Tool(ChainCommand(dict, 8, start));
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, FormatPuzzleRecord(expected) + "\n");

  ASSERT_LT(StartRow(false), table.Count());
  result = Tool(ChainCommand(dict, 8, table.Word(StartRow(false))));
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "no chain\n");

  EXPECT_EQ(Tool(ChainCommand(dict, 8, "NOTAWORD")).exitCode, 3);
  EXPECT_EQ(Tool(ChainCommand(dict, 13, start)).exitCode, 2);
  EXPECT_EQ(Tool(ChainCommand(folder.File("missing.txt"), 8, start)).exitCode, 1);
}

TEST_F(GenerationCommandsTest, CreateAppendsLinkedPuzzlesWithMeaningNumbers) {
  const std::string out = folder.Write("out.txt", "old line\r\n");
  test::CommandResult result = Tool(Create(out, "--count 5 --seed 9"));
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_NE(result.err.find("5/5"), std::string::npos);
  // Two meanings for every word of the dictionary's first half, none for the others.
  const std::set<std::string> withMeanings(words.begin(), words.begin() + words.size() / 2);
  std::string meaningLines;
  for (const std::string& word : withMeanings) {
    meaningLines += test::WordFile({word + ":a", word + ":b"});
  }
  const std::string meanings = folder.Write("mean6.txt", meaningLines);
  result = Tool(Create(out, "--count 20 --meanings " + ShellQuote(meanings)));
  EXPECT_EQ(result.exitCode, 0) << result.err;

  std::vector<std::string> lines;
  ReadLines(out, lines);
  ASSERT_EQ(lines.size(), 26u);
  EXPECT_EQ(lines[0], "old line");
  lines.erase(lines.begin());
  ExpectWholePuzzles(lines);
  for (size_t n = 0; n < lines.size(); ++n) {
    const PuzzleRecord record = ParsePuzzleRecord(lines[n]).value_or(PuzzleRecord{});
    for (size_t k = 0; k < record.words.size(); ++k) {
      const int32_t m = record.meanings[k];
      if (n < 5) {
        EXPECT_EQ(m, 0);
      } else if (withMeanings.count(record.words[k])) {
        EXPECT_TRUE(m == 1 || m == 2) << record.words[k] << " " << m;
      } else {
        EXPECT_EQ(m, -1) << record.words[k];  // no meanings: the lookup leaves -1
      }
    }
  }
}

TEST_F(GenerationCommandsTest, CreateReportsADictionaryWithoutPuzzles) {
  const std::string noLinks = folder.Write("nolinks.txt", "XAAAAAAA\r\nYAAEAAEA\r\n");
  const std::string out = folder.File("none.txt");
  const test::CommandResult result = Tool("create --dict " + ShellQuote(noLinks) +
                                          " --size 8 --count 3 --out " + ShellQuote(out));
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("no puzzle of size 8"), std::string::npos) << result.err;
  EXPECT_EQ(folder.Read("none.txt"), "<missing>");
  EXPECT_EQ(Tool(Create(out, "--count 0")).exitCode, 2);
}

TEST_F(GenerationCommandsTest, CtrlCStopsAndLeavesEveryRecordWhole) {
  const std::string out = folder.File("many.txt");
  const test::CommandResult result =
      test::RunCommand("timeout --preserve-status -s INT 1 " + ShellQuote(STACKLINKS_TOOL) + " " +
                       Create(out, "--count 100000000"));
  EXPECT_EQ(result.exitCode, 130) << result.err;
  EXPECT_NE(result.err.find("interrupted: "), std::string::npos) << result.err;
  const std::string bytes = folder.Read("many.txt");
  ASSERT_GT(bytes.size(), 2u);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  ExpectWholePuzzles(SplitLines(bytes));
}

class ShowCommandTest : public ::testing::Test {
 protected:
  std::string Show(const std::string& number, const std::string& meaningsFile = "mean6.txt") {
    return "show --file " + ShellQuote(path) + " --meanings " +
           ShellQuote(folder.File(meaningsFile)) + " --number " + number;
  }
  ShowCommandTest() {
    folder.Write("mean6.txt", "ABC:first\r\nABC:second\r\nABD:one\r\nEBD:last\r\n");
  }
  test::TempFolder folder;
  std::string path = folder.Write("p.txt",
                                  "3;010203;020301;ABC,2;ABD,-2;EBD,1;extra\r\n"
                                  "3;010203;010203;ABC,1;DEF\r\n"
                                  "\r\n");
};

TEST_F(ShowCommandTest, PrintsLabelsFirstMeaningsAndTheRecordAsSaved) {
  test::CommandResult result = Tool(Show("1"));
  EXPECT_EQ(result.exitCode, 0) << result.err;
  // Words 1 and N lose their meaning numbers when shown; the middle ones keep theirs.
  EXPECT_EQ(result.out,
            "p# 1 of 3\n"
            "Linked Letters: ABDE\n"
            "1\tABC\tfirst\n"
            "2\tABD\tone\n"
            "3\tEBD\tlast\n"
            "3;010203;020301;ABC,0;ABD,-2;EBD,0;\n");

  result = Tool(Show("3"));
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "p# 3 of 3\nLinked Letters: \n0;\n");
}

TEST_F(ShowCommandTest, ReadFailureAndMissingPuzzleHaveTheirOwnExitCodes) {
  for (const std::string& arguments : {Show("2"), Show("1", "missing.txt")}) {
    const test::CommandResult result = Tool(arguments);
    EXPECT_EQ(result.exitCode, 1) << arguments;
    EXPECT_EQ(result.out, "Error in reading puzzle\n") << arguments;
  }
  const test::CommandResult result = Tool(Show("4"));
  EXPECT_EQ(result.exitCode, 3);
  EXPECT_EQ(result.out, "no puzzle 4 in " + path + "\n");
  EXPECT_EQ(Tool("show --number 1 --file " + ShellQuote(folder.File("none.txt"))).exitCode, 3);
}

TEST_F(ShowCommandTest, UsageErrorsGoToStandardError) {
  const std::string bad[] = {"", "nosuchcommand", "show", "show --file " + ShellQuote(path),
                             Show("0"), Show("-1"), Show("x"), Show("1") + " --colour red",
                             Show("1") + " stray", "show --number 1 --file"};
  for (const std::string& arguments : bad) {
    const test::CommandResult result = Tool(arguments);
    EXPECT_EQ(result.exitCode, 2) << arguments;
    EXPECT_EQ(result.out, "") << arguments;
    EXPECT_NE(result.err, "") << arguments;
  }
}

}  // namespace
}  // namespace sl
