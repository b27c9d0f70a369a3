#pragma once
// Whether the player's entries solve the puzzle.
#include <string>

#include "puzzle/puzzle.h"

namespace sl {

inline constexpr const char* kFillAllLetters = "Fill all letters first";
inline constexpr const char* kNotDoneYet = "Not done yet";
inline constexpr const char* kAllDone = "All done !";

// The status text of the check: "Fill all letters first" while any cell of the N by N grid is
// "." or empty, else "Not done yet" while any entry differs from its solution letter, else
// "All done !" (also for a puzzle of size 0).
std::string CheckPuzzle(const Puzzle& puzzle);

}  // namespace sl
