// The puzzle file the game ships: every record is a puzzle the generator could have made from
// the shipped dictionary, and every word has a clue.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/text_lines.h"
#include "generation/dictionary.h"
#include "generation/meanings.h"
#include "puzzle/puzzle_record.h"
#include "support/generation_fixtures.h"

namespace sl {
namespace {

const std::string kBin = STACKLINKS_BIN_DIR;

TEST(StarterPuzzles, EveryRecordIsALinkedPuzzleOfShippedWordsWithClues) {
  std::vector<std::string> lines;
  ASSERT_TRUE(ReadLines(kBin + "/puzzles.txt", lines));
  Meanings meanings;
  ASSERT_TRUE(meanings.Read(kBin + "/mean6.txt"));
  std::map<int32_t, std::set<std::string>> dictionary;
  for (int32_t size = 8; size <= 12; ++size) {
    clsSimpleArray words;
    ASSERT_TRUE(ReadDictionaryWords(kBin + "/english1.txt", size, words));
    dictionary[size].insert(words.Items().begin(), words.Items().end());
  }

  std::map<int32_t, int> perSize;
  std::set<std::vector<std::string>> puzzles;
  Random random(1);
  for (const std::string& line : lines) {
    const std::optional<PuzzleRecord> record = ParsePuzzleRecord(line);
    ASSERT_TRUE(record) << line;
    ASSERT_TRUE(dictionary.count(record->size)) << line;
    ++perSize[record->size];
    EXPECT_EQ(test::ChainProblem(*record), "") << line;
    EXPECT_TRUE(puzzles.insert(record->words).second) << "twice: " << line;
    for (size_t k = 0; k < record->words.size(); ++k) {
      const std::string& word = record->words[k];
      EXPECT_EQ(dictionary[record->size].count(word), 1u) << word << " is not in english1.txt";
      int32_t m = 1;
      EXPECT_NE(LookUpClue(meanings, word, m, random), "") << word << " has no clue";
      const Meanings::Block block = meanings.Find(word + ":");
      EXPECT_TRUE(record->meanings[k] >= 1 && record->meanings[k] <= block.count) << line;
    }
  }
  EXPECT_EQ(perSize, (std::map<int32_t, int>{{8, 100}, {9, 100}, {10, 100}, {11, 100}, {12, 100}}));
}

}  // namespace
}  // namespace sl
