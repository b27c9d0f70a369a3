#pragma once
// An N by N puzzle of unfilled letter cells ("."), every solution letter "A".
#include <string>

#include "puzzle/puzzle.h"

namespace sl::test {

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

}  // namespace sl::test
