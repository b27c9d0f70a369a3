#include "puzzle/check.h"

#include <algorithm>

namespace sl {

std::string CheckPuzzle(const Puzzle& puzzle) {
  int32_t n = std::clamp<int32_t>(puzzle.PuzzleSize, 0, kMaxPuzzleSize);
  for (int32_t r = 1; r <= n; ++r) {
    for (int32_t c = 1; c <= n; ++c) {
      const std::string& entry = puzzle.Entry[r][c];
      if (entry.empty() || entry == ".") return kFillAllLetters;
    }
  }
  for (int32_t r = 1; r <= n; ++r) {
    for (int32_t c = 1; c <= n; ++c) {
      if (puzzle.Entry[r][c] != puzzle.Solution[r][c]) return kNotDoneYet;
    }
  }
  return kAllDone;
}

}  // namespace sl
