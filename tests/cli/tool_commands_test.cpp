// stacklinks-tool: chain (one generator attempt), create (puzzles appended to a file) and show
// (what the game's labels, clue list and save command would show).
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "common/text_lines.h"
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

// A hand-made chain of eight words, each linked to the next at columns 2, 4, 6 or 3, 5, 7 (the
// last at 2, 4, 8), and the record the generator makes from its first word.
const std::vector<std::string> kHandChain = {"QBRCSDTN", "ZBFCGDHO", "JKFLGMHP", "NKPLRMSU",
                                             "TUPVRWSV", "XUYVZWBX", "CDYFZGBQ", "HDIFJKLQ"};
constexpr const char* kHandChainRecord =
    "8;020406;030507;020406;030507;020406;030507;020408;QBRCSDTN,0;ZBFCGDHO,0;JKFLGMHP,0;"
    "NKPLRMSU,0;TUPVRWSV,0;XUYVZWBX,0;CDYFZGBQ,0;HDIFJKLQ,0;";

class GenerationCommandsTest : public ::testing::Test {
 protected:
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
};

TEST_F(GenerationCommandsTest, ChainPrintsTheAttemptAsARecord) {
  const std::string hand = folder.Write("hand.txt", test::WordFile(kHandChain) + "XAAAAAAA\r\n");
  test::CommandResult result = Tool(ChainCommand(hand, 8, "QBRCSDTN"));
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, std::string(kHandChainRecord) + "\n");
  result = Tool(ChainCommand(hand, 8, "XAAAAAAA"));
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "no chain\n");
  EXPECT_EQ(Tool(ChainCommand(hand, 8, "NOTAWORD")).exitCode, 3);
  EXPECT_EQ(Tool(ChainCommand(hand, 13, "QBRCSDTN")).exitCode, 2);
  EXPECT_EQ(Tool(ChainCommand(folder.File("missing.txt"), 8, "QBRCSDTN")).exitCode, 1);
}

TEST_F(GenerationCommandsTest, CreateAppendsLinkedPuzzlesWithMeaningNumbers) {
  const std::string out = folder.Write("out.txt", "old line\r\n");
  test::CommandResult result = Tool(Create(out, "--count 5 --seed 9"));
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.err, "");  // no progress bar when standard error is not a terminal
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

TEST_F(GenerationCommandsTest, CreateRefusesADictionaryWithoutPuzzlesAndAnOutputThatIsNoFile) {
  const std::string noLinks = folder.Write("nolinks.txt", "XAAAAAAA\r\nYAAEAAEA\r\n");
  const std::string out = folder.File("none.txt");
  test::CommandResult result = Tool("create --dict " + ShellQuote(noLinks) +
                                    " --size 8 --count 3 --out " + ShellQuote(out));
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("no puzzle of size 8"), std::string::npos) << result.err;
  EXPECT_EQ(folder.Read("none.txt"), "<missing>");
  EXPECT_EQ(Tool(Create(out, "--count 0")).exitCode, 2);

  const std::string fifo = folder.File("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& target : {fifo, folder.Path()}) {
    result = test::RunCommand("timeout 20 " + ShellQuote(STACKLINKS_TOOL) + " " +
                              Create(target, "--count 1"));
    EXPECT_EQ(result.exitCode, 1) << target;
    EXPECT_NE(result.err.find("not a regular file"), std::string::npos) << result.err;
  }
}

TEST_F(GenerationCommandsTest, CtrlCStopsAndLeavesEveryRecordWhole) {
  const std::string out = folder.File("many.txt");
  // The interrupt comes once the first record is written, so it meets a running creation.
  const test::CommandResult result = test::RunCommand(
      "{ " + ShellQuote(STACKLINKS_TOOL) + " " + Create(out, "--count 100000000") +
      " & pid=$!; for i in $(seq 600); do [ -s " + ShellQuote(out) +
      " ] && break; sleep 0.05; done; kill -INT $pid; wait $pid; }");
  EXPECT_EQ(result.exitCode, 130) << result.err;
  EXPECT_NE(result.err.find("interrupted: "), std::string::npos) << result.err;
  const std::string bytes = folder.Read("many.txt");
  ASSERT_GT(bytes.size(), 2u);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  ExpectWholePuzzles(SplitLines(bytes));
}

TEST(ToolHelp, ListsEveryCommandWithEachOfItsExitCodes) {
  const test::CommandResult help = Tool("help");
  EXPECT_EQ(help.exitCode, 0);
  ASSERT_FALSE(help.out.empty());
  EXPECT_EQ(help.out.back(), '\n');
  const std::vector<std::string> lines = SplitLines(help.out);
  const std::pair<const char*, std::vector<const char*>> commands[] = {
      {"chain", {"0", "1", "2", "3"}}, {"create", {"0", "1", "2", "130"}},
      {"show", {"0", "1", "2", "3"}}};
  for (const auto& [name, codes] : commands) {
    const auto usage = std::find_if(lines.begin(), lines.end(), [&](const std::string& line) {
      return line.rfind(std::string("  ") + name + " ", 0) == 0;
    });
    ASSERT_TRUE(usage != lines.end() && usage + 1 != lines.end()) << name;
    const std::string exits = " " + *(usage + 1) + " ";
    EXPECT_NE(exits.find("exit codes:"), std::string::npos) << exits;
    for (const char* code : codes) {
      EXPECT_NE(exits.find(std::string(" ") + code + " "), std::string::npos) << name << code;
    }
  }
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
