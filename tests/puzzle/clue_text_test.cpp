#include <gtest/gtest.h>

#include "puzzle/clue_list.h"
#include "puzzle/linked_letters.h"
#include "puzzle/wrap_text.h"
#include "support/blank_puzzle.h"
#include "support/recording_surface.h"

namespace sl {
namespace {

using test::DrawCall;
using test::RecordingSurface;
using Lines = std::vector<std::string>;

using test::PuzzleOf;

TEST(LinkedLetters, DistinctLettersOfTheWordsBelowEachLinkSorted) {
  // Link 1 takes E, A, E from word 2; link 2 takes T, A, S from word 3, in any order of columns.
  EXPECT_EQ(LinkedLettersText(PuzzleOf("3;030201;020301;XXX,0;EAE,0;TAS,0;")),
            "Linked Letters: AEST");
  // A word too short for its link gives no letter there instead of reading past its end.
  EXPECT_EQ(LinkedLettersText(PuzzleOf("3;010203;010203;XXX,0;E,0;T.,0;")),
            "Linked Letters: ET");
  EXPECT_EQ(SortLetters(2, "ZYX"), "YZ");  // only the first count letters
  EXPECT_EQ(SortLetters(2, "\xC9" "E"), "E\xC9");  // code page letters after plain ones
}

// Every character is 100 twips wide on the test surface.
TEST(WrapText, BreaksAtBlanksAndCarriageReturnsButNeverInsideAWord) {
  RecordingSurface surface;
  EXPECT_EQ(WrapText("aaa\tbbb  ccc", surface, 800), (Lines{"aaa bbb", "ccc"}));
  EXPECT_EQ(WrapText("  aaa bbb  ", surface, 500), (Lines{"aaa", "bbb"}));  // trimmed once wrapped
  EXPECT_EQ(WrapText("ab\r\ncd", surface, 5000), (Lines{"ab", "cd"}));
  EXPECT_EQ(WrapText("ab\r\r", surface, 5000), (Lines{"ab", "", ""}));
  EXPECT_EQ(WrapText("ab\ncd x", surface, 500), (Lines{"abcd", "x"}));  // LF alone is skipped
  // Over-long words stand alone, whole.
  EXPECT_EQ(WrapText("ab abcdefgh cd", surface, 500), (Lines{"ab", "abcdefgh", "cd"}));
  EXPECT_EQ(WrapText("a b", surface, 0), (Lines{"", "a", "b"}));
  EXPECT_EQ(WrapText(std::string(20000, 'x'), surface, 500).back().size(), 20000u);
}

TEST(ClueList, NumbersWrappedCluesAndReturnsTheHeight) {
  Puzzle puzzle = PuzzleOf("2;010201;AB,1;CD,2;");
  puzzle.Clue[1] = "one two three";  // wraps to two lines at 1000 twips
  puzzle.Clue[2] = "";
  RecordingSurface surface;
  // The recording's characters are 100 wide: " 12. " is 500, so the texts start at 600, not 450.
  std::vector<ClueSpan> spans;
  const int height = DrawClueList(surface, puzzle, 1000 + 20 + 600, 8.5, kBlack, &spans);

  const auto texts = surface.CallsOf(DrawCall::Text);
  std::vector<std::string> printed;
  for (const DrawCall& call : texts) {
    printed.push_back(call.text + "@" + std::to_string(call.x1) + "," + std::to_string(call.y1));
  }
  // Lines are 200 high; an empty clue still takes a line; 48 twips between clues.
  EXPECT_EQ(printed, (Lines{"--@100,0", " 1.@100,200", "one two@600,200", "three@600,400",
                            " 2.@100,648", "@600,648", "--@100,896"}));
  EXPECT_EQ(height, 848 + 400);
  // Each clue's place covers its lines, the gap between clues left out.
  ASSERT_EQ(spans.size(), 2u);
  EXPECT_EQ(spans[0].top, 200);
  EXPECT_EQ(spans[0].bottom, 600);
  EXPECT_EQ(spans[1].top, 648);
  EXPECT_EQ(spans[1].bottom, 848);
  EXPECT_EQ(texts[0].font.points, 8.5);  // half of an odd grid font size

  surface.Clear();
  EXPECT_EQ(DrawClueList(surface, PuzzleOf(""), 3000, 8, kBlack), 200 + 400);
  EXPECT_EQ(surface.Texts(), (Lines{"--", "--"}));
}

}  // namespace
}  // namespace sl
