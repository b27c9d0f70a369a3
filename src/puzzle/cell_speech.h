#pragma once
// The words a screen reader says for a cell of the grid and for a clue. Texts are in the game's
// code page, like the clues they quote.
#include <string>

#include "puzzle/puzzle.h"

namespace sl {

// Cell (row, col), 1-based: its letter, "empty" for a letter cell not yet filled, or "no letter"
// where the grid has no cell; then the cells it is linked to, for example
// "Q, linked to the cells above and below". With solution set, the letter is the solution's
// (while the player holds Show solution the grid shows it).
std::string CellSpokenName(const Puzzle& puzzle, int row, int col, bool solution = false);

// Where the cell is and the clue of its word: "Row 3, column 5. Clue 3: money".
std::string CellSpokenPlace(const Puzzle& puzzle, int row, int col);

// Clue k (1-based) as the clue list numbers it: "3. money".
std::string ClueSpoken(const Puzzle& puzzle, int k);

}  // namespace sl
