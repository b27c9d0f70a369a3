#pragma once
// Puzzles for tests: a blank N by N one, or one read from a record as the game shows it.
#include <gtest/gtest.h>

#include <string>

#include "puzzle/puzzle.h"
#include "puzzle/puzzle_record.h"

namespace sl::test {

// An N by N puzzle of unfilled letter cells ("."), every solution letter "A".
inline Puzzle BlankPuzzle(int n) {
  Puzzle puzzle;
  puzzle.PuzzleSize = n;
  for (int r = 1; r <= n; ++r) {
    puzzle.Wlist.push_back(std::string(n, 'A'));
    for (int c = 1; c <= n; ++c) {
      puzzle.Entry[r][c] = ".";
      puzzle.Solution[r][c] = "A";
    }
  }
  return puzzle;
}

// The puzzle a record line gives; an empty puzzle (and a failed check) when it does not read.
inline Puzzle PuzzleOf(std::string_view line) {
  const std::optional<PuzzleRecord> record = ParsePuzzleRecord(line);
  EXPECT_TRUE(record) << line;
  Puzzle puzzle;
  if (record) ApplyRecord(puzzle, *record);
  return puzzle;
}

}  // namespace sl::test
