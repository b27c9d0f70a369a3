#pragma once
// The linked-letters label: the distinct letters that links share, sorted.
#include <string>

#include "puzzle/puzzle.h"

namespace sl {

// The first count characters of the text in ascending order of character code.
std::string SortLetters(int count, const std::string& text);

// "Linked Letters: " followed by the distinct linked letters of the puzzle, sorted.
std::string LinkedLettersText(const Puzzle& puzzle);

}  // namespace sl
