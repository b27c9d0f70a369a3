#include "puzzle/linked_letters.h"

#include <algorithm>

#include "puzzle/puzzle_record.h"

namespace sl {

std::string SortLetters(int count, const std::string& text) {
  const size_t n = count <= 0 ? 0 : std::min(text.size(), static_cast<size_t>(count));
  std::string letters = text.substr(0, n);
  std::sort(letters.begin(), letters.end(), [](char a, char b) {
    return static_cast<unsigned char>(a) < static_cast<unsigned char>(b);
  });
  return letters;
}

std::string LinkedLettersText(const Puzzle& puzzle) {
  // Letters of word i+1 at the three columns it shares with word i.
  std::string collected;
  const int32_t n = std::min<int32_t>(puzzle.PuzzleSize, kMaxPuzzleSize);
  for (int32_t i = 1; i <= n - 1 && static_cast<size_t>(i) < puzzle.Wlist.size(); ++i) {
    const std::string& below = puzzle.Wlist[i];
    for (int32_t p : LinkColumns(puzzle.LinkPositions[i])) {
      if (p >= 1 && static_cast<size_t>(p) <= below.size()) collected += below[p - 1];
    }
  }
  // Keep each letter's first occurrence; "." is never a letter.
  std::string distinct;
  for (char ch : collected) {
    if (ch != '.' && distinct.find(ch) == std::string::npos) distinct += ch;
  }
  return "Linked Letters: " + SortLetters(static_cast<int>(distinct.size()), distinct);
}

}  // namespace sl
