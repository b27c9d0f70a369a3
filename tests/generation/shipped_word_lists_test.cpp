// Checks over the word lists the build ships in the program folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/text_lines.h"
#include "generation/meaning_text.h"
#include "generation/meanings.h"

namespace sl {
namespace {

const std::string kFolder = std::string(STACKLINKS_BIN_DIR) + "/";

// Every line ends in CR LF and none is empty.
bool AllCrLf(const std::string& bytes) {
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) return false;
    if (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n')) return false;
  }
  return !bytes.empty() && bytes.back() == '\n' && bytes.find("\r\n\r\n") == std::string::npos;
}

std::set<std::string> TokensOf(const std::string& text) {
  std::set<std::string> tokens;
  std::string token;
  for (char ch : text + " ") {
    if (std::isalpha(static_cast<unsigned char>(ch))) {
      token.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(ch))));
    } else if (!token.empty()) {
      tokens.insert(token);
      token.clear();
    }
  }
  return tokens;
}

class ShippedWordLists : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(ReadFileBytes(kFolder + "english1.txt", dictionaryBytes));
    ASSERT_TRUE(ReadFileBytes(kFolder + "mean6.txt", meaningsBytes));
    dictionary = SplitLines(dictionaryBytes);
    ASSERT_TRUE(meanings.Read(kFolder + "mean6.txt"));
  }
  static std::string dictionaryBytes;
  static std::string meaningsBytes;
  static std::vector<std::string> dictionary;
  static Meanings meanings;
};

std::string ShippedWordLists::dictionaryBytes;
std::string ShippedWordLists::meaningsBytes;
std::vector<std::string> ShippedWordLists::dictionary;
Meanings ShippedWordLists::meanings;

TEST_F(ShippedWordLists, DictionaryIsSortedUpperCaseWordsOfEverySize) {
  EXPECT_TRUE(AllCrLf(dictionaryBytes));
  EXPECT_TRUE(std::is_sorted(dictionary.begin(), dictionary.end()));
  EXPECT_EQ(std::adjacent_find(dictionary.begin(), dictionary.end()), dictionary.end());
  std::map<size_t, int> perLength;
  for (const auto& word : dictionary) {
    ASSERT_TRUE(std::all_of(word.begin(), word.end(), [](char ch) { return ch >= 'A' && ch <= 'Z'; }))
        << word;
    ++perLength[word.size()];
  }
  for (size_t length = 8; length <= 12; ++length) EXPECT_GT(perLength[length], 1000) << length;
  EXPECT_EQ(perLength.size(), 5u);
}

TEST_F(ShippedWordLists, EveryDictionaryWordHasAMeaning) {
  for (const auto& word : dictionary) {
    EXPECT_GE(meanings.Find(word + ":").first, 0) << word;
  }
}

TEST_F(ShippedWordLists, MeaningsAreShortAdjacentAndNeverGiveTheirWordAway) {
  EXPECT_TRUE(AllCrLf(meaningsBytes));
  std::set<std::string> finished;
  std::string current;
  for (const auto& line : meanings.Lines().Items()) {
    size_t colon = line.find(':');
    ASSERT_NE(colon, std::string::npos) << line;
    std::string word = line.substr(0, colon);
    std::string meaning = line.substr(colon + 1);
    if (word != current) {
      EXPECT_TRUE(finished.insert(current).second) << "lines of " << current << " are apart";
      current = word;
    }
    EXPECT_FALSE(meaning.empty()) << line;
    EXPECT_LE(meaning.size(), kMaxClueLength) << line;
    EXPECT_EQ(meaning.find('"'), std::string::npos) << line;
    EXPECT_EQ(TokensOf(meaning).count(word), 0u) << line;
    EXPECT_FALSE(GivesWordAway(meaning, word)) << line;
  }
}

}  // namespace
}  // namespace sl
