// Checks over the word lists and starter puzzles the build ships in the program folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/text_lines.h"
#include "generation/meaning_text.h"
#include "generation/meanings.h"
#include "puzzle/puzzle_record.h"
#include "support/generation_fixtures.h"

namespace sl {
namespace {

const std::string kFolder = std::string(STACKLINKS_BIN_DIR) + "/";

class ShippedWordLists : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(ReadLines(kFolder + "english1.txt", dictionary));
    ASSERT_TRUE(meanings.Read(kFolder + "mean6.txt"));
  }
  static std::vector<std::string> dictionary;
  static Meanings meanings;
};

std::vector<std::string> ShippedWordLists::dictionary;
Meanings ShippedWordLists::meanings;

TEST_F(ShippedWordLists, DictionaryIsSortedUpperCaseWordsOfEverySizeEachWithAMeaning) {
  EXPECT_TRUE(std::is_sorted(dictionary.begin(), dictionary.end()));
  EXPECT_EQ(std::adjacent_find(dictionary.begin(), dictionary.end()), dictionary.end());
  std::map<size_t, int> perLength;
  for (const auto& word : dictionary) {
    ASSERT_EQ(word.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), std::string::npos) << word;
    ++perLength[word.size()];
    EXPECT_GE(meanings.Find(word + ":").first, 0) << word;
  }
  for (size_t length = 8; length <= 12; ++length) EXPECT_GT(perLength[length], 1000) << length;
  EXPECT_EQ(perLength.size(), 5u);
}

TEST_F(ShippedWordLists, MeaningsAreShortAdjacentAndNeverGiveTheirWordAway) {
  std::set<std::string> finished;
  std::string current;
  for (const auto& line : meanings.Lines().Items()) {
    const size_t colon = line.find(':');
    ASSERT_NE(colon, std::string::npos) << line;
    const std::string word = line.substr(0, colon);
    const std::string meaning = line.substr(colon + 1);
    if (word != current) {
      EXPECT_TRUE(finished.insert(current).second) << "lines of " << current << " are apart";
      current = word;
    }
    EXPECT_FALSE(meaning.empty()) << line;
    EXPECT_LE(meaning.size(), kMaxClueLength) << line;
    EXPECT_EQ(meaning.find('"'), std::string::npos) << line;
    EXPECT_FALSE(GivesWordAway(meaning, word)) << line;
  }
}

// Every starter puzzle is one the generator could have made from the shipped dictionary, and
// its meaning numbers point at meanings of its words.
TEST_F(ShippedWordLists, StarterPuzzlesAreLinkedPuzzlesOfDictionaryWords) {
  std::vector<std::string> lines;
  ASSERT_TRUE(ReadLines(kFolder + "puzzles.txt", lines));
  const std::set<std::string> words(dictionary.begin(), dictionary.end());
  std::map<int32_t, int> perSize;
  std::set<std::vector<std::string>> puzzles;
  for (const std::string& line : lines) {
    const std::optional<PuzzleRecord> record = ParsePuzzleRecord(line);
    ASSERT_TRUE(record) << line;
    ++perSize[record->size];
    EXPECT_EQ(test::ChainProblem(*record), "") << line;
    EXPECT_TRUE(puzzles.insert(record->words).second) << "twice: " << line;
    for (size_t k = 0; k < record->words.size(); ++k) {
      const std::string& word = record->words[k];
      EXPECT_EQ(words.count(word), 1u) << word << " is not in english1.txt";
      const int32_t m = record->meanings[k];
      EXPECT_TRUE(m >= 1 && m <= meanings.Find(word + ":").count) << line;
    }
  }
  EXPECT_EQ(perSize, (std::map<int32_t, int>{{8, 100}, {9, 100}, {10, 100}, {11, 100}, {12, 100}}));
}

}  // namespace
}  // namespace sl
