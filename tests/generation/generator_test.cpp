#include "generation/generator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "baseline_generator.h"
#include "common/text_lines.h"
#include "generation/text_case.h"
#include "support/generation_fixtures.h"

namespace sl {
namespace {

// A seven-word chain made by hand: each word shares columns 2, 4, 6 or 3, 5, 7 with the next.
const std::vector<std::string> kChain = {"QBRCSDT", "ZBFCGDH", "JKFLGMH", "NKPLRMS",
                                         "TUPVRWS", "XUYVZWB", "CDYFZGB"};

// The chain plus words that compete for its levels: a second copy of the first word, a word
// with the same link to the first word but later in order, and one with later link letters.
std::vector<std::string> ChainDictionary() {
  std::vector<std::string> words = kChain;
  words.insert(words.end(), {"QBRCSDT", "ZBKCLDM", "AARASAT"});
  return words;
}

int32_t RowOf(const WordTable& table, const std::string& word) {
  for (int32_t row = 0; row < table.Count(); ++row) {
    if (table.Word(row) == word) return row;
  }
  return -1;
}

// The word FillLevel picks below `upper`, or "" when the level comes out empty.
std::string Chosen(const std::vector<std::string>& words, const std::string& upper,
                   std::string_view upperLetters = {}, std::string_view used = {}) {
  const WordTable table(words, static_cast<int>(upper.size()));
  const WordTable::Upper above(table, RowOf(table, upper));
  ChainLevel chosen;
  if (!FillLevel(table, above, upperLetters, used, chosen)) return "";
  return table.Word(chosen.row);
}

TEST(BuildChain, FollowsTheFirstCandidatesAndStores) {
  const WordTable table(ChainDictionary(), 7);
  const Chain down = BuildChain(table, RowOf(table, "QBRCSDT"));
  EXPECT_EQ(ChainPuzzle(table, down).words, kChain);
  EXPECT_EQ(ChainPuzzle(table, down).links,
            (std::vector<std::string>{"020406", "030507", "020406", "030507", "020406", "030507"}));
  // Stored, it fills words, links and grids, clears what a larger puzzle left, keeps clues.
  Puzzle puzzle;
  puzzle.Clue[1] = "kept";
  puzzle.Solution[12][12] = "Q";
  StorePuzzle(ChainPuzzle(table, down), puzzle);
  EXPECT_EQ(puzzle.Wlist, kChain);
  EXPECT_EQ(puzzle.LinkPositions[6], "030507");
  EXPECT_EQ(puzzle.Solution[2][3] + puzzle.Entry[7][7] + puzzle.Entry[8][1], "F.");
  EXPECT_EQ(puzzle.Solution[12][12], "");
  EXPECT_EQ(puzzle.Clue[1], "kept");
  // From the middle: NKPLRMS, JKFLGMH (KLM before PRS), ZBFCGDH, QBRCSDT, then AARASAT (RST is
  // new), below which only QBRCSDT links, by RST again: no backtracking, five words.
  EXPECT_EQ(ChainPuzzle(table, BuildChain(table, RowOf(table, "NKPLRMS"))).words,
            (std::vector<std::string>{"NKPLRMS", "JKFLGMH", "ZBFCGDH", "QBRCSDT", "AARASAT"}));
}

TEST(FillLevel, CandidateRulesAndCaseBlindOrder) {
  // Link letters equal to the upper word's own are refused, below level 1 only.
  const std::vector<std::string> words = {"QRSTUVWY", "ZRZTZVZZ", "ZZSZUZWZ"};
  EXPECT_EQ(Chosen(words, "QRSTUVWY"), "ZRZTZVZZ");                  // RTV before SUW
  EXPECT_EQ(Chosen(words, "QRSTUVWY", "RTV"), "ZZSZUZWZ");
  // Used letters are one text: STL straddles RST and LMN, so TUV is taken.
  EXPECT_EQ(Chosen({"QSTTULVY", "ZSZTZLZZ", "ZZTZUZVZ"}, "QSTTULVY", "LMN", "RSTLMN"), "ZZTZUZVZ");

  // Order (checked in full by the dictionary fuzz harness): link letters first, rTV before SuW
  // without regard to case (ordinal order would put S first).
  EXPECT_EQ(Chosen({"QrSTuVWY", "ZZSZuZWZ", "ZrZTZVZZ"}, "QrSTuVWY"), "ZrZTZVZZ");
  // Then the positions: RTV at 2, 4, 6 before RTV at 2, 4, 7 (the same word in other case).
  EXPECT_EQ(Chosen({"QRSTUVVY", "zRZTZvVZ", "zRZTZVvZ"}, "QRSTUVVY"), "zRZTZVvZ");
  // Accented letters fold too: \xE9 sorts as \xC9, before \xD8 (byte order puts it after).
  EXPECT_EQ(Chosen({"QRSTUVWY", "\xD8RZTZVZZ", "\xE9RZTZVZZ"}, "QRSTUVWY"), "\xE9RZTZVZZ");
}

// The chains of the literal generator from the given start rows, against the table's before
// and after its columns are indexed. Returns how many of them were complete.
int ExpectLiteralChains(const std::vector<std::string>& words, int width,
                        const std::vector<int32_t>& starts) {
  WordTable scanned(words, width), indexed(words, width);
  indexed.IndexColumns();
  EXPECT_EQ(scanned.Count(), static_cast<int32_t>(words.size()));
  baseline::Generator literal(words, width, 1);
  int complete = 0;
  for (int32_t start : starts) {
    literal.BuildChain(static_cast<size_t>(start));
    const baseline::Chain expected = literal.LastChain();
    for (const WordTable* table : {&scanned, &indexed}) {
      const Chain chain = BuildChain(*table, start);
      const GeneratedPuzzle got = ChainPuzzle(*table, chain);
      EXPECT_EQ(got.words, expected.words) << words[start] << (table->Indexed() ? " indexed" : "");
      EXPECT_EQ(got.links, expected.links) << words[start];
      if (got.words != expected.words || got.links != expected.links) return complete;
    }
    complete += static_cast<int>(expected.words.size()) == width;
  }
  return complete;
}

// The fast generator makes the chain the literal one makes, on Debian's big word lists as they
// stand (the raw American list keeps its lower-case words, apostrophes and UTF-8 letters), from
// start words spread over each list. Small random dictionaries are the generator fuzz harness's.
TEST(BuildChain, MatchesTheLiteralGeneratorOnBigWordLists) {
  const std::tuple<const char*, int, bool> lists[] = {  // file, width, upper-cased
      {"/usr/share/dict/british-english-huge", 8, true},
      {"/usr/share/dict/british-english-huge", 12, true},
      {"/usr/share/dict/american-english-insane", 9, false}};
  for (const auto& [file, width, upperCased] : lists) {
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadLines(file, lines)) << file;
    std::vector<std::string> words;
    for (std::string& line : lines) {
      if (static_cast<int>(line.size()) != width || line.find_first_of(" ,;") != std::string::npos) {
        continue;
      }
      if (upperCased) line = ToUpperCp1252(line);
      words.push_back(line);
    }
    ASSERT_GT(words.size(), 20000u) << file;
    std::vector<int32_t> starts;
    for (size_t i = 0; i < 12; ++i) starts.push_back(static_cast<int32_t>(i * words.size() / 12));
    EXPECT_GT(ExpectLiteralChains(words, width, starts), 0) << file << " " << width;
  }
}

TEST(PuzzleGenerator, DrawsUniformlyOverSucceedingStartWordsAndNeverRepeatsAnAttempt) {
  // Some start words make a chain, most fail.
  const std::vector<std::string> words = test::RandomWords(11, 600, 7, "BCDLMR");
  PuzzleGenerator generator(words, 7);
  std::set<std::string> succeeding;
  for (int32_t row = 0; row < generator.Table().Count(); ++row) {
    if (BuildChain(generator.Table(), row).size() == 7) succeeding.insert(words[row]);
  }
  ASSERT_GT(succeeding.size(), 10u);
  ASSERT_LT(succeeding.size(), words.size() / 2);

  Random random(3);
  std::atomic<bool> cancel{false};
  std::map<std::string, int> starts;
  const int perWord = 200;
  const int draws = perWord * static_cast<int>(succeeding.size());
  for (int i = 0; i < draws; ++i) {
    GeneratedPuzzle puzzle;
    ASSERT_EQ(generator.CreatePuzzle(random, cancel, puzzle), CreateOutcome::Created);
    ++starts[puzzle.words.front()];
  }
  EXPECT_LE(generator.ComputedAttempts(), static_cast<int64_t>(words.size()));
  EXPECT_EQ(starts.size(), succeeding.size());
  double chiSquare = 0;
  for (const auto& [word, count] : starts) {
    EXPECT_EQ(succeeding.count(word), 1u) << word;
    chiSquare += (count - perWord) * (count - perWord) / static_cast<double>(perWord);
  }
  const double freedom = static_cast<double>(succeeding.size() - 1);
  EXPECT_LT(chiSquare, freedom + 5 * std::sqrt(2 * freedom));
}

TEST(PuzzleGenerator, EndsWithoutAChainOrAfterTheAttemptACancelInterrupts) {
  std::atomic<bool> cancel{false};
  Random random(1);
  GeneratedPuzzle puzzle;
  // A and E never link, so no word links to any other; failures are remembered. An empty
  // dictionary, and words of another length (not in it), have no chain either.
  PuzzleGenerator noLinks({"XAAAAAAA", "YAAEAAEA", "ZEEEEEEE"}, 8);
  PuzzleGenerator empty({}, 8), otherLength(kChain, 8);
  for (PuzzleGenerator* generator : {&noLinks, &noLinks, &empty, &otherLength}) {
    EXPECT_EQ(generator->CreatePuzzle(random, cancel, puzzle), CreateOutcome::NoChain);
  }
  EXPECT_EQ(noLinks.ComputedAttempts(), 3);
  EXPECT_TRUE(puzzle.words.empty());

  PuzzleGenerator generator(ChainDictionary(), 7);
  cancel = true;
  EXPECT_EQ(generator.CreatePuzzle(random, cancel, puzzle), CreateOutcome::Cancelled);
  EXPECT_EQ(generator.ComputedAttempts(), 1);
  EXPECT_TRUE(puzzle.words.empty());
  cancel = false;
  ASSERT_EQ(generator.CreatePuzzle(random, cancel, puzzle), CreateOutcome::Created);
  EXPECT_EQ(puzzle.words.size(), 7u);
  EXPECT_TRUE(generator.BuiltFrom(ChainDictionary(), 7));
  EXPECT_FALSE(generator.BuiltFrom(ChainDictionary(), 8));
  EXPECT_FALSE(generator.BuiltFrom(kChain, 7));
}

}  // namespace
}  // namespace sl
