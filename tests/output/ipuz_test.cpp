// A puzzle as ipuz text: the link bars of a small puzzle, worked out by hand, and which puzzles
// are refused because their grid has holes.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "output/ipuz.h"
#include "support/blank_puzzle.h"

namespace sl {
namespace {

TEST(IpuzTest, BarsAreOpenOnlyAtTheLinksAndRowNumbersStandInColumnOne) {
  // Row 1 links at every column (no bar under it), row 2 at column 2 only (given three times);
  // the last row never has a bar. (tests/cli/ipuz_reader reads whole files with a real parser.)
  const Puzzle puzzle = test::PuzzleOf("3;030102;020202;ABC,1;DEF,1;GHI,2;");
  const std::string text = IpuzText(puzzle, "puzzles.txt", 7);
  EXPECT_NE(text.find("  \"puzzle\": [\n"
                      "    [1, 0, 0],\n"
                      "    [{\"cell\": 2, \"style\": {\"barred\": \"B\"}}, 0, "
                      "{\"cell\": 0, \"style\": {\"barred\": \"B\"}}],\n"
                      "    [3, 0, 0]\n"
                      "  ],\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("\"org.example.stacklinks:links\": [\"030102\", \"020202\"]"),
            std::string::npos);
}

TEST(IpuzTest, OnlyAFullGridIsACrossword) {
  const std::pair<std::string, bool> cases[] = {
      {"3;010203;010203;ABC,0;DEF,0;GHI,0;", true},
      {"1;A,0;", true},
      {"", false},                                 // a blank line: size 0
      {"3;010203;010203;ABC,0;DE,0;GHI,0;", false},   // a short word leaves a hole
      {"3;010203;010203;ABC,0;DEFG,0;GHI,0;", false}, // a long word sticks out
  };
  for (const auto& [line, full] : cases) {
    EXPECT_EQ(IpuzGridProblem(test::PuzzleOf(line)).empty(), full) << line;
  }
  EXPECT_FALSE(IpuzGridProblem(Puzzle{}).empty());  // nothing read at all
}

}  // namespace
}  // namespace sl
