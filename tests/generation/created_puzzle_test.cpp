// A created puzzle goes the way the create command sends it: random meanings, written as the
// only record of the temporary puzzle file, and shown from there with its clues.
#include <gtest/gtest.h>

#include <atomic>

#include "generation/generator.h"
#include "generation/meanings.h"
#include "generation/meanings_clue_source.h"
#include "puzzle/puzzle_file.h"
#include "puzzle/show_puzzle.h"
#include "support/temp_folder.h"

namespace sl {
namespace {

TEST(CreatedPuzzle, ReadsBackThroughShowPuzzleWithItsClues) {
  const std::vector<std::string> words = {"QBRCSDT", "ZBFCGDH", "JKFLGMH", "NKPLRMS",
                                          "TUPVRWS", "XUYVZWB", "CDYFZGB"};
  test::TempFolder folder;
  std::string meaningLines;
  for (const std::string& word : words) {
    meaningLines += word + ":first of " + word + "\r\n" + word + ":second of " + word + "\r\n";
  }
  const std::string meaningsPath = folder.Write("mean6.txt", meaningLines);
  Meanings meanings;
  ASSERT_TRUE(meanings.Read(meaningsPath));

  Random random(4);
  const std::atomic<bool> cancel{false};
  PuzzleGenerator generator(words, 7);
  GeneratedPuzzle generated;
  ASSERT_EQ(generator.CreatePuzzle(random, cancel, generated), CreateOutcome::Created);
  Puzzle created;
  created.PuzzleSize = 7;
  StorePuzzle(generated, created);
  LookUpClues(created, -1, meanings, random);
  for (int k = 1; k <= 7; ++k) {
    EXPECT_TRUE(created.MeaningNumber[k] == 1 || created.MeaningNumber[k] == 2);
  }

  const std::string temp = folder.File("temporarypuzzle.txt");
  folder.Write("temporarypuzzle.txt", "an older puzzle\r\nand another\r\n");
  ASSERT_TRUE(AppendPuzzle(temp, created, false));
  ASSERT_EQ(CountPuzzles(temp), 1);

  Puzzle shown;
  MeaningsClueSource clues(meanings, meaningsPath, random);
  ASSERT_EQ(ReadPuzzleInto(shown, temp, 1, 1, &clues).status, ShowStatus::Shown);
  EXPECT_EQ(shown.Wlist, created.Wlist);
  for (int k = 1; k <= 7; ++k) {
    EXPECT_EQ(shown.Clue[k], "first of " + created.Wlist[k - 1]);
    EXPECT_EQ(shown.Solution[k][7], created.Solution[k][7]);
    if (k < 7) {
      EXPECT_EQ(shown.LinkPositions[k], created.LinkPositions[k]);
    }
    // The record keeps the random numbers; the first and last word read back as 0.
    EXPECT_EQ(shown.MeaningNumber[k], k == 1 || k == 7 ? 0 : created.MeaningNumber[k]);
  }
}

}  // namespace
}  // namespace sl
