// A puzzle as ipuz text: the whole text of a small puzzle, worked out by hand, and which puzzles
// are refused because their grid has holes.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "output/ipuz.h"
#include "puzzle/puzzle_record.h"

namespace sl {
namespace {

Puzzle FromRecord(const std::string& line) {
  const std::optional<PuzzleRecord> record = ParsePuzzleRecord(line);
  EXPECT_TRUE(record) << line;
  Puzzle puzzle;
  if (record) ApplyRecord(puzzle, *record);
  return puzzle;
}

TEST(IpuzTest, SmallPuzzleWithBarsOpenOnlyAtItsLinks) {
  // Row 1 links at every column (no bar under it), row 2 at column 2 only (given three times);
  // the last row never has a bar. Words and clues are Windows-1252: "\xC9" is E acute.
  Puzzle puzzle = FromRecord("3;030102;020202;ABC,1;D\xC9" "F,1;GHI,2;");
  puzzle.Clue[1] = "caf\xE9 \x93" "au lait\x94";
  puzzle.Clue[2] = "say \"hi\" \\ tab\there";
  puzzle.Clue[3] = "";
  EXPECT_EQ(IpuzText(puzzle, "my \"puzzles\".txt", 7),
            "{\n"
            "  \"version\": \"http://ipuz.org/v2\",\n"
            "  \"kind\": [\"http://ipuz.org/crossword#1\", "
            "\"http://stacklinks.example.org/ipuz/stacklinks#1\"],\n"
            "  \"title\": \"Stacklinks: my \\\"puzzles\\\".txt, puzzle 7\",\n"
            "  \"author\": \"Stacklinks, from WordNet 3.0 (Princeton University) and the SCOWL "
            "word list (wamerican)\",\n"
            "  \"copyright\": \"Clues: WordNet 3.0 Copyright 2006 by Princeton University. All "
            "rights reserved. Words: SCOWL, Copyright 2000-2011 by Kevin Atkinson.\",\n"
            "  \"notes\": \"Letters joined by a gap in the bar between two rows are the same.\",\n"
            "  \"dimensions\": {\"width\": 3, \"height\": 3},\n"
            "  \"puzzle\": [\n"
            "    [1, 0, 0],\n"
            "    [{\"cell\": 2, \"style\": {\"barred\": \"B\"}}, 0, "
            "{\"cell\": 0, \"style\": {\"barred\": \"B\"}}],\n"
            "    [3, 0, 0]\n"
            "  ],\n"
            "  \"solution\": [\n"
            "    [\"A\", \"B\", \"C\"],\n"
            "    [\"D\", \"\xC3\x89\", \"F\"],\n"
            "    [\"G\", \"H\", \"I\"]\n"
            "  ],\n"
            "  \"clues\": {\n"
            "    \"Across\": [\n"
            "      {\"number\": 1, \"clue\": \"caf\xC3\xA9 \xE2\x80\x9C" "au lait\xE2\x80\x9D\", "
            "\"cells\": [[1, 1], [2, 1], [3, 1]]},\n"
            "      {\"number\": 2, \"clue\": \"say \\\"hi\\\" \\\\ tab\\there\", "
            "\"cells\": [[1, 2], [2, 2], [3, 2]]},\n"
            "      {\"number\": 3, \"clue\": \"\", \"cells\": [[1, 3], [2, 3], [3, 3]]}\n"
            "    ]\n"
            "  },\n"
            "  \"org.example.stacklinks:links\": [\"030102\", \"020202\"]\n"
            "}\n");
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
    EXPECT_EQ(IpuzGridProblem(FromRecord(line)).empty(), full) << line;
  }
  EXPECT_FALSE(IpuzGridProblem(Puzzle{}).empty());  // nothing read at all
}

}  // namespace
}  // namespace sl
