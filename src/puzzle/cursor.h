#pragma once
// Selecting a cell of the grid (keys and mouse) and changing the selected cell's entry.
#include <cstdint>
#include <optional>
#include <string>

#include "puzzle/puzzle.h"

namespace sl {

inline constexpr int32_t kMarkerSize = 90;         // the cursor marker is a 90 by 90 square
inline constexpr int32_t kMouseMarkerOffset = 32;  // the mouse puts it this far into the cell

struct Cell {
  int32_t row = 0;
  int32_t col = 0;
  bool operator==(const Cell& other) const { return row == other.row && col == other.col; }
};

// A cell the player can select: inside 1..N and holding a letter cell (its entry is not "").
bool IsSelectable(const Puzzle& puzzle, int32_t row, int32_t col);

// The cell that direction "H", "R", "L", "D" or "U" selects from the selected cell (row -1: none).
// Home, and any direction while nothing is selected, search rightwards from row 1, column 1.
// Steps wrap inside the row or column and skip cells without letters. nullopt when the direction
// is unknown or one full turn finds no selectable cell (the selection then stays as it is).
std::optional<Cell> MoveCursor(const Puzzle& puzzle, int32_t cursorRow, int32_t cursorCol,
                               const std::string& direction);

// The selectable cell under the point (x, y) in twips on the grid surface, or nullopt. A row's
// band reaches from its top edge down to the next row's top edge, so the gap belongs to the row
// above it.
std::optional<Cell> CellAtPoint(const Puzzle& puzzle, const GridGeometry& geometry, int32_t x,
                                int32_t y);

// Top-left corner of the cursor marker when the keyboard, respectively the mouse, selected cell.
struct Point {
  int32_t x = 0;
  int32_t y = 0;
};
Point KeyboardMarkerPosition(const GridGeometry& geometry, const Cell& cell);
Point MouseMarkerPosition(const GridGeometry& geometry, const Cell& cell);

// Puts the capital form of a typed character into the selected cell. Returns the letter to draw,
// or nullopt when nothing changed (no cell selected, or not a letter A-Z / a-z).
std::optional<std::string> EnterLetter(Puzzle& puzzle, int32_t cursorRow, int32_t cursorCol,
                                       char32_t typed);

// Empties the selected cell back to ".". False when no cell is selected.
bool ClearSelectedCell(Puzzle& puzzle, int32_t cursorRow, int32_t cursorCol);

}  // namespace sl
