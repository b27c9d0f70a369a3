#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
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

using test::RunCommand;
using test::ShellQuote;

test::CommandResult Tool(const std::string& arguments) {
  return RunCommand(ShellQuote(STACKLINKS_TOOL) + " " + arguments);
}

class GenerationCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Eight-letter words: many start words make a chain, some do not. A word of another length
    // and one with a blank are in the file but never in a puzzle.
    words = test::RandomWords(5, 400, 8, "BCDLMR");
    dict = folder.Write("dict.txt", test::WordFile(words) + "BCDLMRBCD\r\nBCD LMRB\r\n");
    table = std::make_unique<WordTable>(words, 8);
  }

  // The first start word whose attempt does (or does not) make a chain.
  std::string StartWord(bool succeeds) const {
    for (int32_t row = 0; row < table->Count(); ++row) {
      if ((BuildChain(*table, row).size() == 8) == succeeds) return table->Word(row);
    }
    return "";
  }

  std::string Create(const std::string& out, const std::string& more) const {
    return "create --dict " + ShellQuote(dict) + " --size 8 --out " + ShellQuote(out) + " " +
           more;
  }

  static std::vector<std::string> Lines(const std::string& path) {
    std::vector<std::string> lines;
    ReadLines(path, lines);
    return lines;
  }

  test::TempFolder folder;
  std::vector<std::string> words;
  std::string dict;
  std::unique_ptr<WordTable> table;
};

TEST_F(GenerationCommandsTest, ChainPrintsTheAttemptAsARecord) {
  const std::string start = StartWord(true);
  ASSERT_FALSE(start.empty());
  int32_t row = 0;
  while (table->Word(row) != start) ++row;
  Puzzle expected;
  StorePuzzle(ChainPuzzle(*table, BuildChain(*table, row)), expected);
  expected.MeaningNumber.fill(0);

  test::CommandResult result =
      Tool("chain --dict " + ShellQuote(dict) + " --size 8 --start " + start);
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, FormatPuzzleRecord(expected) + "\n");

  result = Tool("chain --dict " + ShellQuote(dict) + " --size 8 --start " + StartWord(false));
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "no chain\n");

  EXPECT_EQ(Tool("chain --dict " + ShellQuote(dict) + " --size 8 --start NOTAWORD").exitCode, 3);
  EXPECT_EQ(Tool("chain --dict " + ShellQuote(dict) + " --size 13 --start " + start).exitCode, 2);
  EXPECT_EQ(Tool("chain --dict " + ShellQuote(folder.File("missing.txt")) +
                 " --size 8 --start " + start)
                .exitCode,
            1);
}

TEST_F(GenerationCommandsTest, CreateAppendsLinkedPuzzlesWithMeaningNumbers) {
  const std::string out = folder.Write("out.txt", "old line\r\n");
  test::CommandResult result = Tool(Create(out, "--count 5 --seed 9"));
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_NE(result.err.find("5/5"), std::string::npos);

  // Meanings for every word of the dictionary's first half: one, two or three lines each.
  std::string meaningLines;
  for (size_t i = 0; i < words.size() / 2; ++i) {
    for (size_t m = 0; m <= i % 3; ++m) meaningLines += words[i] + ":meaning\r\n";
  }
  const std::string meanings = folder.Write("mean6.txt", meaningLines);
  result = Tool(Create(out, "--count 20 --meanings " + ShellQuote(meanings)));
  EXPECT_EQ(result.exitCode, 0) << result.err;

  const std::vector<std::string> lines = Lines(out);
  ASSERT_EQ(lines.size(), 26u);
  EXPECT_EQ(lines[0], "old line");
  for (size_t n = 1; n < lines.size(); ++n) {
    const std::optional<PuzzleRecord> record = ParsePuzzleRecord(lines[n]);
    ASSERT_TRUE(record) << lines[n];
    EXPECT_EQ(test::ChainProblem(*record), "") << lines[n];
    for (size_t k = 0; k < record->words.size(); ++k) {
      const auto at = std::find(words.begin(), words.end(), record->words[k]);
      ASSERT_NE(at, words.end());
      const int index = static_cast<int>(at - words.begin());
      const int32_t m = record->meanings[k];
      if (n <= 5) {
        EXPECT_EQ(m, 0);
      } else if (index < static_cast<int>(words.size() / 2)) {
        EXPECT_TRUE(m >= 1 && m <= index % 3 + 1) << record->words[k] << " " << m;
      } else {
        EXPECT_EQ(m, -1);  // no meanings: the lookup leaves -1
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
      RunCommand("timeout --preserve-status -s INT 1 " + ShellQuote(STACKLINKS_TOOL) + " " +
                 Create(out, "--count 100000000"));
  EXPECT_EQ(result.exitCode, 130) << result.err;
  EXPECT_NE(result.err.find("interrupted: "), std::string::npos) << result.err;
  const std::string bytes = folder.Read("many.txt");
  ASSERT_GT(bytes.size(), 2u);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  for (const std::string& line : Lines(out)) {
    const std::optional<PuzzleRecord> record = ParsePuzzleRecord(line);
    ASSERT_TRUE(record) << line;
    ASSERT_EQ(test::ChainProblem(*record), "");
  }
}

}  // namespace
}  // namespace sl
