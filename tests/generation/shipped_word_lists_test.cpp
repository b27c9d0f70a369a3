// Checks over the word lists and starter puzzles the build ships in the program folder. The
// clue checks here are written independently of the builder that made the files: a builder
// fault must not hide behind the same fault in its test.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/text_lines.h"
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
    for (const std::string& line : meanings.Lines().Items()) {
      const size_t colon = line.find(':');
      ASSERT_NE(colon, std::string::npos) << line;
      meaningsOf[line.substr(0, colon)].push_back(line.substr(colon + 1));
    }
  }
  static std::vector<std::string> dictionary;
  static Meanings meanings;
  static std::map<std::string, std::vector<std::string>> meaningsOf;
};

std::vector<std::string> ShippedWordLists::dictionary;
Meanings ShippedWordLists::meanings;
std::map<std::string, std::vector<std::string>> ShippedWordLists::meaningsOf;

// The words of a text in capitals: the runs of letters.
std::vector<std::string> CapitalWords(const std::string& text) {
  std::vector<std::string> words(1);
  for (char ch : text) {
    if (std::isalpha(static_cast<unsigned char>(ch))) {
      words.back().push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(ch))));
    } else if (!words.back().empty()) {
      words.emplace_back();
    }
  }
  if (words.back().empty()) words.pop_back();
  return words;
}

// The clue gives its answer away when one of its words begins with the answer's first five
// letters, or holds a run of 60% of the answer's letters (at least five) - FRUGALLY and
// "frugal", IMMATURITY and "maturity", PINCUSHION and "cushion".
std::string GiveAway(const std::string& clue, const std::string& answer) {
  const size_t run = std::max<size_t>(5, (answer.size() * 6 + 9) / 10);
  for (const std::string& word : CapitalWords(clue)) {
    if (answer.size() >= 5 && word.compare(0, 5, answer, 0, 5) == 0) return word;
    for (size_t at = 0; at + run <= answer.size(); ++at) {
      if (word.find(answer.substr(at, run)) != std::string::npos) return word;
    }
  }
  return "";
}

TEST_F(ShippedWordLists, DictionaryIsBigSortedAndEveryWordHasAMeaning) {
  EXPECT_TRUE(std::is_sorted(dictionary.begin(), dictionary.end()));
  EXPECT_EQ(std::adjacent_find(dictionary.begin(), dictionary.end()), dictionary.end());
  std::map<size_t, int> perLength;
  for (const auto& word : dictionary) {
    ASSERT_EQ(word.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), std::string::npos) << word;
    ++perLength[word.size()];
    EXPECT_GE(meanings.Find(word + ":").first, 0) << word;
  }
  EXPECT_EQ(perLength.size(), 5u);
  const std::map<size_t, int> floors{{8, 3000}, {9, 3000}, {10, 2500}, {11, 1500}, {12, 1000}};
  for (const auto& [length, floor] : floors) EXPECT_GE(perLength[length], floor) << length;
}

TEST_F(ShippedWordLists, MeaningsAreWholeShortAdjacentAndNeverGiveTheirWordAway) {
  std::set<std::string> finished;
  std::string current;
  for (const auto& line : meanings.Lines().Items()) {
    const size_t colon = line.find(':');
    const std::string word = line.substr(0, colon);
    const std::string meaning = line.substr(colon + 1);
    if (word != current) {
      EXPECT_TRUE(finished.insert(current).second) << "lines of " << current << " are apart";
      current = word;
    }
    EXPECT_FALSE(meaning.empty()) << line;
    EXPECT_LE(meaning.size(), 120u) << line;
    EXPECT_EQ(meaning.find('"'), std::string::npos) << line;
    if (word.size() < 8 || word.size() > 12) continue;  // clues for puzzle words
    EXPECT_EQ(GiveAway(meaning, word), "") << line;
    const std::vector<std::string> words = CapitalWords(meaning);
    const bool endsOnLetter = std::isalpha(static_cast<unsigned char>(meaning.back())) != 0;
    for (const char* dangling : {"THE", "A", "AN", "AND", "OR", "NOR"}) {
      EXPECT_FALSE(endsOnLetter && words.back() == dangling) << "cut short: " << line;
    }
  }
}

// Clues of today's word lists before they were cleaned up: each must be gone.
TEST_F(ShippedWordLists, KnownBadCluesAreGone) {
  using Bad = std::pair<const char*, const char*>;  // word, meaning
  const Bad kGone[] = {
      // The answer, a form or its stem in the clue.
      {"FRUGALLY", "in a frugal manner"}, {"BASSOONIST", "a musician who plays the bassoon"},
      {"TENDONITIS", "inflammation of a tendon"}, {"CRITICIZE", "act as a critic"},
      {"CRITICIZE", "find fault with; express criticism of; point out real or perceived flaws"},
      {"ANTHOLOGIST", "an editor who makes selections for an anthology"},
      {"ACOUSTICALLY", "with respect to acoustics"},
      {"EXPLANATORY", "serving or intended to explain or make clear"},
      {"UNREWARDING", "not rewarding; not providing personal satisfaction"},
      {"LOVINGLY", "with fondness; with love"},
      {"SEEDLING", "young plant or tree grown from a seed"},
      {"WINDMILL", "a mill that is powered by the wind"}, {"TIDINESS", "the habit of being tidy"},
      {"ADDITION", "the act of adding one thing to another"},
      // Cut short in mid-phrase.
      {"ABLATIVE", "the case indicating the agent in passive sentences or the instrument or manner "
                   "or place of the action described by the"},
      {"ALCHEMIST", "one who was versed in the practice of alchemy and who sought an elixir of "
                    "life and a panacea and an alkahest and the"},
      {"ASSASSIN", "a murderer (especially one who kills a prominent political figure) who kills by "
                   "a surprise attack and often is hired to"},
      {"BREASTSTROKE", "a swimming stroke; the arms are extended together in front of the head and "
                       "swept back on either side accompanied by a"},
      {"CATALYSIS", "acceleration of a chemical reaction induced the presence of material that is "
                    "chemically unchanged at the end of the"},
      // Unsavoury.
      {"SLUTTISH", "characteristic of or befitting a slut or slattern; used especially of women"},
      {"SHITTING", "the elimination of fecal waste through the anus"},
  };
  const std::vector<std::string>& all = meanings.Lines().Items();
  const std::set<std::string> lines(all.begin(), all.end());
  for (const auto& [word, meaning] : kGone) {
    EXPECT_EQ(lines.count(std::string(word) + ":" + meaning), 0u) << word;
  }
  // Biographies may follow a common sense, never lead.
  const Bad kNotFirst[] = {
      {"CHAMBERS", "English architect (1723-1796)"},
      {"THATCHER", "British stateswoman; first woman to serve as Prime Minister (born in 1925)"},
      {"WHISTLER", "United States painter (1834-1903)"},
      {"CHANDLER", "United States writer of detective thrillers featuring the character of Philip "
                   "Marlowe (1888-1959)"},
      {"ZEPPELIN", "German inventor who designed and built the first rigid motorized dirigible "
                   "(1838-1917)"},
  };
  for (const auto& [word, meaning] : kNotFirst) {
    const auto found = meaningsOf.find(word);
    if (found != meaningsOf.end()) {
      EXPECT_NE(found->second.front(), meaning) << word;
    }
  }
  EXPECT_EQ(meaningsOf.count("CHAMBERS"), 0u) << "a word with only a proper-noun sense";
}

TEST_F(ShippedWordLists, BlockedWordsAreAbsent) {
  const std::set<std::string> words(dictionary.begin(), dictionary.end());
  for (const char* blocked : {"SHITTING", "FELLATIO", "SLUTTISH", "CUNNILINGUS", "MASTURBATION",
                              "WHOREHOUSE", "FORNICATION", "BORDELLO", "STREETWALKER"}) {
    EXPECT_EQ(words.count(blocked), 0u) << blocked;
    EXPECT_EQ(meaningsOf.count(blocked), 0u) << blocked;
  }
  for (const auto& [word, texts] : meaningsOf) {
    for (const std::string& text : texts) {
      for (const std::string& inText : CapitalWords(text)) {
        EXPECT_TRUE(inText != "SLUT" && inText != "PENIS" && inText != "FUCK") << word << ":" << text;
      }
    }
  }
}

// Every starter puzzle is one the generator could have made from the shipped dictionary, with
// no word twice, and its meaning numbers point at meanings of its words.
TEST_F(ShippedWordLists, StarterPuzzlesAreLinkedPuzzlesOfDifferentDictionaryWords) {
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
    const std::set<std::string> different(record->words.begin(), record->words.end());
    EXPECT_EQ(different.size(), record->words.size()) << "a word twice: " << line;
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
