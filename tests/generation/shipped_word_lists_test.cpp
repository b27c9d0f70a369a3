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
    ASSERT_TRUE(ReadLines(kFolder + "english2.txt", clean));
    ASSERT_TRUE(meanings.Read(kFolder + "mean6.txt"));
    for (const std::string& line : meanings.Lines().Items()) {
      const size_t colon = line.find(':');
      ASSERT_NE(colon, std::string::npos) << line;
      meaningsOf[line.substr(0, colon)].push_back(line.substr(colon + 1));
    }
  }
  static std::vector<std::string> dictionary, clean;  // the everyday and the whole dictionary
  static Meanings meanings;
  static std::map<std::string, std::vector<std::string>> meaningsOf;
};

std::vector<std::string> ShippedWordLists::dictionary, ShippedWordLists::clean;
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
  const std::map<size_t, int> floors{{8, 2000}, {9, 2000}, {10, 1500}, {11, 900}, {12, 500}};
  for (const auto& [length, floor] : floors) EXPECT_GE(perLength[length], floor) << length;
  // The second dictionary holds every clean word, the everyday ones among them.
  EXPECT_TRUE(std::is_sorted(clean.begin(), clean.end()));
  EXPECT_TRUE(std::includes(clean.begin(), clean.end(), dictionary.begin(), dictionary.end()));
  EXPECT_GT(clean.size(), dictionary.size() * 3 / 2);
}

// The words in SCOWL's lists up to size 35: the everyday words, read here on their own.
std::set<std::string> EverydayWords() {
  std::set<std::string> words;
  for (const char* level : {"10", "20", "35"}) {
    for (const char* list : {"english-words.", "american-words."}) {
      std::vector<std::string> lines;
      EXPECT_TRUE(ReadLines(std::string("/usr/share/dict/scowl/") + list + level, lines));
      for (std::string& line : lines) {
        for (char& ch : line) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        words.insert(line);
      }
    }
  }
  return words;
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

// Clues of the word lists before they were cleaned up that the checks above do not catch:
// each must be gone.
TEST_F(ShippedWordLists, KnownBadCluesAreGone) {
  using Bad = std::pair<const char*, const char*>;  // word, meaning
  const Bad kGone[] = {
      // A form or the stem of the answer that shares too little of its spelling to show above.
      {"LOVINGLY", "with fondness; with love"},
      {"SEEDLING", "young plant or tree grown from a seed"},
      {"WINDMILL", "a mill that is powered by the wind"}, {"TIDINESS", "the habit of being tidy"},
      {"ADDITION", "the act of adding one thing to another"},
      // Cut short in mid-phrase, on a word the check above does not know.
      {"ASSASSIN", "a murderer (especially one who kills a prominent political figure) who kills by "
                   "a surprise attack and often is hired to"},
      // A word of the family, a negation or a compound's part.
      {"DISOBEDIENT", "not obeying or complying with commands of those in authority"},
      {"UNSUSPECTING", "not suspicious"}, {"HELIPORT", "an airport for helicopters"},
      {"IRREPARABLE", "impossible to repair, rectify, or amend"},
      {"DEHUMIDIFY", "make less humid"}, {"REVOCABLE", "capable of being revoked or annulled"},
      {"BALLPLAYER", "an athlete who plays baseball"},
      // A usage note in front, a typo, words a family game does without.
      {"CANDIDLY", "(used as intensives reflecting the speaker's attitude) it is sincerely the "
                   "case that"},
      {"TINCTURE", "a substances that colors metals"},
      {"INCONTINENT", "not having control over urination and defecation"},
      {"CIRCUMCISE", "cut the foreskin off male babies or teenage boys"},
      // IMBECILITY, SLUTTISH and SHITTING lose every meaning: see BlockedWordsAreAbsent.
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
  for (const char* blocked : {"RETARDED", "IMBECILITY", "SHITTING", "FELLATIO", "SLUTTISH", "CUNNILINGUS", "MASTURBATION",
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

// Every starter puzzle is a linked chain of shipped dictionary words with no word twice, and its
// meaning numbers point at meanings of its words. The puzzles do not repeat themselves (no word
// in more than 4, no two sharing more than 3 words) and most of their words are everyday words.
TEST_F(ShippedWordLists, StarterPuzzlesAreLinkedPuzzlesOfDifferentDictionaryWords) {
  std::vector<std::string> lines;
  ASSERT_TRUE(ReadLines(kFolder + "puzzles.txt", lines));
  const std::set<std::string> words(clean.begin(), clean.end());
  const std::set<std::string> everyday = EverydayWords();
  std::map<int32_t, int> perSize, everydayPerSize;
  std::map<std::string, int> uses;
  std::vector<std::set<std::string>> wordSets;
  std::set<std::vector<std::string>> puzzles;
  for (const std::string& line : lines) {
    const std::optional<PuzzleRecord> record = ParsePuzzleRecord(line);
    ASSERT_TRUE(record) << line;
    ++perSize[record->size];
    EXPECT_EQ(test::ChainProblem(*record), "") << line;
    EXPECT_TRUE(puzzles.insert(record->words).second) << "twice: " << line;
    const std::set<std::string> different(record->words.begin(), record->words.end());
    EXPECT_EQ(different.size(), record->words.size()) << "a word twice: " << line;
    for (const std::set<std::string>& other : wordSets) {
      size_t shared = 0;
      for (const std::string& word : different) shared += other.count(word);
      EXPECT_LE(shared, 3u) << line;
    }
    wordSets.push_back(different);
    for (const std::string& word : different) {
      EXPECT_LE(++uses[word], 4) << word;
      everydayPerSize[record->size] += static_cast<int>(everyday.count(word));
    }
    for (size_t k = 0; k < record->words.size(); ++k) {
      const std::string& word = record->words[k];
      EXPECT_EQ(words.count(word), 1u) << word << " is not in english2.txt";
      const int32_t m = record->meanings[k];
      EXPECT_TRUE(m >= 1 && m <= meanings.Find(word + ":").count) << line;
    }
  }
  EXPECT_EQ(perSize, (std::map<int32_t, int>{{8, 100}, {9, 100}, {10, 100}, {11, 100}, {12, 100}}));
  int everydayWords = 0, allWords = 0;
  for (const auto& [size, count] : everydayPerSize) {
    EXPECT_GE(count * 100, size * 100 * 60) << "size " << size;
    everydayWords += count;
    allWords += size * 100;
  }
  EXPECT_GE(everydayWords * 100, allWords * 75);
}

// A negated answer's clue must not begin a word like the rest of the answer: UNSUSPECTING and
// "suspicious", IRREPARABLE and "repair". The rule here is separate from the builder's.
TEST_F(ShippedWordLists, NegatedAnswersKeepTheirRestOutOfTheClue) {
  int found = 0;
  for (const std::string& word : dictionary) {
    for (const char* prefix : {"UN", "DIS", "IR", "IL", "IM", "IN", "NON"}) {
      const std::string head(prefix);
      if (word.compare(0, head.size(), head) != 0 || word.size() < head.size() + 6) continue;
      const std::string rest = word.substr(head.size(), 5);
      for (const std::string& clue : meaningsOf[word]) {
        for (const std::string& inClue : CapitalWords(clue)) {
          if (inClue.compare(0, 5, rest) == 0) {
            ADD_FAILURE() << word << ":" << clue;
            ++found;
          }
        }
      }
    }
  }
  EXPECT_EQ(found, 0);
}

}  // namespace
}  // namespace sl
