#include "generation/meanings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "generation/meanings_clue_source.h"
#include "generation/text_case.h"
#include "puzzle/puzzle_file.h"
#include "support/temp_folder.h"

namespace sl {
namespace {

using test::TempFolder;

std::string Join(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const auto& line : lines) bytes += line + "\r\n";
  return bytes;
}

class MeaningsTest : public ::testing::Test {
 protected:
  void Load(const std::vector<std::string>& lines) {
    ASSERT_TRUE(meanings.Read(folder.Write("mean6.txt", Join(lines))));
  }
  std::string Clue(const std::string& word, int32_t& m) {
    return LookUpClue(meanings, word, m, random);
  }
  TempFolder folder;
  Meanings meanings;
  Random random{7};
};

TEST_F(MeaningsTest, FirstAndRandomMeaningsOfOneBlock) {
  std::vector<std::string> lines;
  for (int i = 1; i <= 9; ++i) lines.push_back("FILLER" + std::to_string(i) + ":x");
  lines.insert(lines.end(), {"CAT:a pet", "CAT:a whip", "CAT:a boat", "COW:milk"});
  Load(lines);

  int32_t m = 1;
  EXPECT_EQ(Clue("CAT", m), "a pet");
  EXPECT_EQ(m, 1);

  std::set<int32_t> drawn;
  const std::vector<std::string> texts{"a pet", "a whip", "a boat"};
  for (int i = 0; i < 200; ++i) {
    m = -1;
    std::string clue = Clue("CAT", m);
    ASSERT_GE(m, 1);
    ASSERT_LE(m, 3);
    EXPECT_EQ(clue, texts[m - 1]);
    drawn.insert(m);
  }
  EXPECT_EQ(drawn.size(), 3u);

  m = -1;  // one meaning: always the first
  EXPECT_EQ(Clue("COW", m), "milk");
  EXPECT_EQ(m, 1);
  m = 2;   // a number that is neither 1 nor -1 picks nothing
  EXPECT_EQ(Clue("CAT", m), "");
  EXPECT_EQ(m, 2);
}

TEST_F(MeaningsTest, OnlyTheFirstBlockAndAtMost101LinesCount) {
  std::vector<std::string> lines{"DOG:first", "DOG:second", "EMU:bird", "DOG:stray"};
  for (int i = 1; i <= 150; ++i) lines.push_back("ANT:meaning " + std::to_string(i));
  Load(lines);

  for (int i = 0; i < 300; ++i) {
    int32_t m = -1;
    EXPECT_NE(Clue("DOG", m), "stray");
    EXPECT_LE(m, 2);
  }
  EXPECT_EQ(meanings.Find("ANT:").count, 101);
  int32_t highest = 0;
  for (int i = 0; i < 3000; ++i) {
    int32_t m = -1;
    std::string clue = Clue("ANT", m);
    EXPECT_EQ(clue, "meaning " + std::to_string(m));
    highest = std::max(highest, m);
  }
  EXPECT_EQ(highest, 101);
}

TEST_F(MeaningsTest, TheKeyIsTheWholeWordInUpperCaseWithItsColon) {
  Load({"cow:lower-case lines are never found", "CAT:a pet", "CATS:pets", "CA:a state"});
  int32_t m = -1;
  EXPECT_EQ(Clue("CA", m), "a state");
  m = 1;
  EXPECT_EQ(Clue("cat", m), "a pet");  // a lower-case puzzle word finds its meanings
  m = -1;
  EXPECT_EQ(Clue("cow", m), "");
  EXPECT_EQ(m, -1);  // a word without meanings leaves m alone
  m = 1;
  EXPECT_EQ(Clue("C", m), "");
  EXPECT_EQ(m, 1);
}

TEST_F(MeaningsTest, LookUpCluesFillsThePuzzle) {
  Load({"ONE:first", "ONE:uno", "TWO:second", "THREE:third"});
  Puzzle puzzle;
  puzzle.PuzzleSize = 4;
  puzzle.Wlist = {"ONE", "TWO", "NONE", "THREE"};
  puzzle.MeaningNumber = {9, 9, 9, 9, 9};

  LookUpClues(puzzle, 1, meanings, random);
  EXPECT_EQ(puzzle.Clue[1], "first");
  EXPECT_EQ(puzzle.Clue[2], "second");
  EXPECT_EQ(puzzle.Clue[3], "");
  EXPECT_EQ(puzzle.Clue[4], "third");
  EXPECT_EQ(puzzle.MeaningNumber[1], 0);
  EXPECT_EQ(puzzle.MeaningNumber[2], 9);  // first-meaning mode keeps the middle numbers
  EXPECT_EQ(puzzle.MeaningNumber[3], 9);
  EXPECT_EQ(puzzle.MeaningNumber[4], 0);

  LookUpClues(puzzle, -1, meanings, random);
  EXPECT_GE(puzzle.MeaningNumber[1], 1);
  EXPECT_EQ(puzzle.MeaningNumber[2], 1);
  EXPECT_EQ(puzzle.MeaningNumber[3], -1);  // no meanings: -1 is stored
  EXPECT_EQ(puzzle.MeaningNumber[4], 1);
}

TEST_F(MeaningsTest, ReadOncePerRunAndMissingFilesFail) {
  Meanings fresh;
  EXPECT_FALSE(fresh.Read(folder.File("missing.txt")));
  EXPECT_FALSE(fresh.Read(folder.Path()));
  EXPECT_TRUE(fresh.Empty());

  Load({"CAT:a pet"});
  EXPECT_TRUE(meanings.Read(folder.Write("other.txt", "CAT:other\r\n")));
  int32_t m = 1;
  EXPECT_EQ(Clue("CAT", m), "a pet");  // the list is not read again
}

// What the lookup must equal: a scan from the top for the first line starting with the key,
// then counting the adjacent lines that also start with it.
Meanings::Block ScanFor(clsSimpleArray& lines, const std::string& key) {
  Meanings::Block block;
  block.first = lines.FindStringLeftOne(key);
  if (block.first < 0) return block;
  for (int32_t i = block.first; i < lines.ListCount() && block.count < kMaxMeaningsPerWord &&
                                lines.list(i).compare(0, key.size(), key) == 0;
       ++i) {
    ++block.count;
  }
  return block;
}

std::string ToLower(std::string text) {
  for (char& ch : text) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return text;
}

// The lookup rules applied to the straight scan.
std::string ScanLookUp(clsSimpleArray& lines, const std::string& word, int32_t& m,
                       Random& random) {
  std::string key = ToUpperCp1252(word) + ":";
  Meanings::Block block = ScanFor(lines, key);
  if (block.first < 0) return "";
  if (m == 1 || block.count == 1) {
    m = 1;
  } else if (m == -1) {
    m = random.Below(block.count) + 1;
  } else {
    return "";
  }
  return lines.list(block.first + m - 1).substr(key.size());
}

TEST(MeaningsIndex, GivesTheAnswersOfAStraightScan) {
  TempFolder folder;
  Random maker(12345);
  const std::string letters = "ABCab:";  // words, lower case and colons in odd places
  std::vector<std::string> lines;
  while (lines.size() < 4000) {
    std::string word;
    for (int32_t n = 1 + maker.Below(3); n > 0; --n) word += letters[maker.Below(5)];
    std::string text;
    for (int32_t n = maker.Below(6); n > 0; --n) text += letters[maker.Below(6)];
    int32_t repeat = maker.Below(10) == 0 ? 120 : 1 + maker.Below(4);  // some very long blocks
    for (int32_t r = 0; r < repeat; ++r) lines.push_back(word + ":" + text + std::to_string(r));
    if (maker.Below(20) == 0) lines.push_back(word);  // a line without a colon
  }
  Meanings meanings;
  ASSERT_TRUE(meanings.Read(folder.Write("mean6.txt", Join(lines))));
  clsSimpleArray scanned;
  for (const auto& line : lines) scanned.AddItem(line);

  std::set<std::string> keys{":", "A:", "ZZ:", "AB"};
  for (const auto& line : lines) {
    for (size_t colon = line.find(':'); colon != std::string::npos; colon = line.find(':', colon + 1)) {
      keys.insert(line.substr(0, colon + 1));
    }
  }
  for (const auto& key : keys) {
    Meanings::Block expected = ScanFor(scanned, key);
    Meanings::Block got = meanings.Find(key);
    EXPECT_EQ(got.first, expected.first) << key;
    EXPECT_EQ(got.count, expected.count) << key;
  }

  Random indexed(99), straight(99);
  for (const auto& key : keys) {
    if (key.back() != ':') continue;
    std::string word = key.substr(0, key.size() - 1);
    for (const std::string& asked : {word, std::string("a") + word, ToLower(word)}) {
      for (int32_t mode : {1, -1}) {
        int32_t m = mode, expectedM = mode;
        std::string clue = LookUpClue(meanings, asked, m, indexed);
        EXPECT_EQ(clue, ScanLookUp(scanned, asked, expectedM, straight)) << asked;
        EXPECT_EQ(m, expectedM) << asked;
      }
    }
  }
}

TEST(MeaningsClues, ShownPuzzlesGetTheirFirstMeanings) {
  TempFolder folder;
  std::string puzzles = folder.Write("p.txt", "3;010203;010203;ABC,2;DEF,2;GHI,2;\r\n");
  Meanings meanings;
  Random random(1);
  Puzzle puzzle;

  MeaningsClueSource missing(meanings, folder.File("mean6.txt"), random);
  EXPECT_EQ(ReadPuzzleInto(puzzle, puzzles, 1, 1, &missing).status, ShowStatus::Failed);

  folder.Write("mean6.txt", "ABC:first\r\nABC:second\r\nDEF:one\r\n");
  MeaningsClueSource clues(meanings, folder.File("mean6.txt"), random);
  ASSERT_EQ(ReadPuzzleInto(puzzle, puzzles, 1, 1, &clues).status, ShowStatus::Shown);
  EXPECT_EQ(puzzle.Clue[1], "first");
  EXPECT_EQ(puzzle.Clue[2], "one");
  EXPECT_EQ(puzzle.Clue[3], "");
  EXPECT_EQ(puzzle.MeaningNumber[1], 0);
  EXPECT_EQ(puzzle.MeaningNumber[2], 2);
  EXPECT_EQ(puzzle.MeaningNumber[3], 0);
}

}  // namespace
}  // namespace sl
