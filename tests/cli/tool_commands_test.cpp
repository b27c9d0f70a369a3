// stacklinks-tool: chain (one generator attempt), create (puzzles appended to a file), show (what
// the game's labels, clue list and save command would show) and help.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <tuple>
#include <vector>

#include "common/text_lines.h"
#include "puzzle/puzzle_record.h"
#include "support/generation_fixtures.h"
#include "support/run_command.h"
#include "support/temp_folder.h"

namespace sl {
namespace {

using test::ShellQuote;

const std::string kTool = ShellQuote(STACKLINKS_TOOL);

test::CommandResult Tool(const std::string& arguments) {
  return test::RunCommand(kTool + " " + arguments);
}

// Every line is a whole record of a linked puzzle.
void ExpectWholePuzzles(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    const std::optional<PuzzleRecord> record = ParsePuzzleRecord(line);
    ASSERT_TRUE(record) << line;
    EXPECT_EQ(test::ChainProblem(*record), "") << line;
  }
}

class GenerationCommandsTest : public ::testing::Test {
 protected:
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
  // A hand-made chain, each word linked to the next at columns 2, 4, 6 or 3, 5, 7 (the last at
  // 2, 4, 8), and a word that links to none.
  const std::string hand = folder.Write(
      "hand.txt", test::WordFile({"QBRCSDTN", "ZBFCGDHO", "JKFLGMHP", "NKPLRMSU", "TUPVRWSV",
                                  "XUYVZWBX", "CDYFZGBQ", "HDIFJKLQ", "XAAAAAAA"}));
  const std::tuple<std::string, int, const char*, int, std::string> cases[] = {
      // dictionary, size, start word, exit code, standard output
      {hand, 8, "QBRCSDTN", 0,
       "8;020406;030507;020406;030507;020406;030507;020408;QBRCSDTN,0;ZBFCGDHO,0;"
       "JKFLGMHP,0;NKPLRMSU,0;TUPVRWSV,0;XUYVZWBX,0;CDYFZGBQ,0;HDIFJKLQ,0;\n"},
      {hand, 8, "XAAAAAAA", 1, "no chain\n"},
      {hand, 8, "NOTAWORD", 3, ""},
      {hand, 13, "QBRCSDTN", 2, ""},
      {folder.File("missing.txt"), 8, "QBRCSDTN", 1, ""},
  };
  for (const auto& [dictionary, size, start, exitCode, out] : cases) {
    const test::CommandResult result = Tool("chain --dict " + ShellQuote(dictionary) + " --size " +
                                            std::to_string(size) + " --start " + start);
    EXPECT_EQ(result.exitCode, exitCode) << start << result.err;
    EXPECT_EQ(result.out, out) << start;
  }
}

TEST_F(GenerationCommandsTest, CreateAppendsLinkedPuzzlesWithMeaningNumbers) {
  const std::string out = folder.Write("out.txt", "old line\r\n");
  test::CommandResult result = Tool(Create(out, "--count 5 --seed 9"));
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.err, "");  // no progress bar when standard error is not a terminal
  // One meaning for every word: each word draws number 1; without a meanings file, 0.
  std::vector<std::string> meanings;
  for (const std::string& word : words) meanings.push_back(word + ":a");
  const std::string meaningsFile = folder.Write("m.txt", test::WordFile(meanings));
  result = Tool(Create(out, "--count 20 --meanings " + ShellQuote(meaningsFile)));
  EXPECT_EQ(result.exitCode, 0) << result.err;

  std::vector<std::string> lines;
  ReadLines(out, lines);
  ASSERT_EQ(lines.size(), 26u);
  EXPECT_EQ(lines[0], "old line");
  lines.erase(lines.begin());
  ExpectWholePuzzles(lines);
  for (size_t n = 0; n < lines.size(); ++n) {
    const PuzzleRecord record = ParsePuzzleRecord(lines[n]).value_or(PuzzleRecord{});
    EXPECT_EQ(record.meanings, std::vector<int32_t>(record.words.size(), n < 5 ? 0 : 1)) << n;
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
    result = test::RunCommand("timeout 20 " + kTool + " " + Create(target, "--count 1"));
    EXPECT_EQ(result.exitCode, 1) << target;
    EXPECT_NE(result.err.find("not a regular file"), std::string::npos) << result.err;
  }
}

TEST_F(GenerationCommandsTest, CtrlCStopsAndLeavesEveryRecordWhole) {
  const std::string out = ShellQuote(folder.File("many.txt"));
  // The interrupt comes once the first record is written, so it meets a running creation.
  const test::CommandResult result = test::RunCommand(
      "{ " + kTool + " " + Create(folder.File("many.txt"), "--count 100000000") +
      " & pid=$!; for i in $(seq 600); do [ -s " + out +
      " ] && break; sleep 0.05; done; kill -INT $pid; wait $pid; }");
  EXPECT_EQ(result.exitCode, 130) << result.err;
  EXPECT_NE(result.err.find("interrupted: "), std::string::npos) << result.err;
  const std::string bytes = folder.Read("many.txt");
  ASSERT_GT(bytes.size(), 2u);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  ExpectWholePuzzles(SplitLines(bytes));
}

TEST(ShowCommand, PrintsWhatTheGameShowsOrWhyNotWithItsExitCode) {
  test::TempFolder folder;
  const std::string meanings =
      folder.Write("mean6.txt", "ABC:first\r\nABC:second\r\nABD:one\r\nEBD:last\r\n");
  const std::string path = folder.Write("p.txt",
                                        "3;010203;020301;ABC,2;ABD,-2;EBD,1;extra\r\n"
                                        "3;010203;010203;ABC,1;DEF\r\n"
                                        "\r\n");
  const auto show = [&](const std::string& number, const std::string& meaningsFile) {
    return "show --file " + ShellQuote(path) + " --meanings " + ShellQuote(meaningsFile) +
           " --number " + number;
  };
  const std::tuple<std::string, int, std::string> cases[] = {  // arguments, exit code, output
      // Words 1 and N lose their meaning numbers when shown; the middle ones keep theirs.
      {show("1", meanings), 0,
       "p# 1 of 3\nLinked Letters: ABDE\n1\tABC\tfirst\n2\tABD\tone\n3\tEBD\tlast\n"
       "3;010203;020301;ABC,0;ABD,-2;EBD,0;\n"},
      {show("3", meanings), 0, "p# 3 of 3\nLinked Letters: \n0;\n"},
      {show("2", meanings), 1, "Error in reading puzzle\n"},
      {show("1", folder.File("missing.txt")), 1, "Error in reading puzzle\n"},
      {show("4", meanings), 3, "no puzzle 4 in " + path + "\n"},
  };
  for (const auto& [arguments, exitCode, out] : cases) {
    const test::CommandResult result = Tool(arguments);
    EXPECT_EQ(result.exitCode, exitCode) << arguments << result.err;
    EXPECT_EQ(result.out, out) << arguments;
  }
  // Usage errors: nothing on standard output, the message on standard error.
  const std::string bad[] = {"", "nosuchcommand", "show --file " + ShellQuote(path),
                             show("x", meanings), show("1", meanings) + " --colour red",
                             show("1", meanings) + " stray", "show --number 1 --file"};
  for (const std::string& arguments : bad) {
    const test::CommandResult result = Tool(arguments);
    EXPECT_EQ(result.exitCode, 2) << arguments;
    EXPECT_EQ(result.out, "") << arguments;
    EXPECT_NE(result.err, "") << arguments;
  }
}

}  // namespace
}  // namespace sl
