#include "puzzle/cursor.h"

#include <cmath>

namespace sl {

namespace {

bool InGrid(const Puzzle& puzzle, int32_t row, int32_t col) {
  int32_t n = puzzle.PuzzleSize;
  return n >= 1 && n <= kMaxPuzzleSize && row >= 1 && row <= n && col >= 1 && col <= n;
}

// One step in the direction, wrapping from N to 1 and from 1 to N.
Cell Step(Cell cell, char direction, int32_t n) {
  switch (direction) {
    case 'R': cell.col = cell.col >= n ? 1 : cell.col + 1; break;
    case 'L': cell.col = cell.col <= 1 ? n : cell.col - 1; break;
    case 'D': cell.row = cell.row >= n ? 1 : cell.row + 1; break;
    case 'U': cell.row = cell.row <= 1 ? n : cell.row - 1; break;
    default: break;
  }
  return cell;
}

}  // namespace

bool IsSelectable(const Puzzle& puzzle, int32_t row, int32_t col) {
  return InGrid(puzzle, row, col) && !puzzle.Entry[row][col].empty();
}

std::optional<Cell> MoveCursor(const Puzzle& puzzle, int32_t cursorRow, int32_t cursorCol,
                               const std::string& direction) {
  if (direction.size() != 1) return std::nullopt;
  char d = direction[0];
  if (d != 'H' && d != 'R' && d != 'L' && d != 'D' && d != 'U') return std::nullopt;
  int32_t n = puzzle.PuzzleSize;
  if (n < 1 || n > kMaxPuzzleSize) return std::nullopt;

  Cell cell{cursorRow, cursorCol};
  // A selection left over from a larger grid counts as none.
  if (d == 'H' || cursorRow == -1 || !InGrid(puzzle, cursorRow, cursorCol)) {
    cell = Cell{1, 1};
    d = 'R';
  }
  // A row or column holds N cells: N steps come back to the start, so that is one full turn.
  for (int32_t i = 0; i < n; ++i) {
    cell = Step(cell, d, n);
    if (IsSelectable(puzzle, cell.row, cell.col)) return cell;
  }
  return std::nullopt;
}

std::optional<Cell> CellAtPoint(const Puzzle& puzzle, const GridGeometry& geometry, int32_t x,
                                int32_t y) {
  if (geometry.CellSize <= 0 || geometry.RowPitch <= 0) return std::nullopt;
  // The row distance in single precision, as the row tops were laid out (400 x 1.35 = 540
  // exactly), so each band starts on its row's top edge.
  float pitch = static_cast<float>(geometry.CellSize) * geometry.RowPitch;
  double row = std::floor((static_cast<double>(y) - geometry.GridTop) / pitch) + 1;
  double col = std::floor((static_cast<double>(x) - geometry.GridLeft) / geometry.CellSize) + 1;
  if (row < 1 || row > kMaxPuzzleSize || col < 1 || col > kMaxPuzzleSize) return std::nullopt;
  Cell cell{static_cast<int32_t>(row), static_cast<int32_t>(col)};
  if (!IsSelectable(puzzle, cell.row, cell.col)) return std::nullopt;
  return cell;
}

Point KeyboardMarkerPosition(const GridGeometry& geometry, const Cell& cell) {
  return Point{geometry.CellLeft[cell.row][cell.col], geometry.CellTop[cell.row][cell.col]};
}

Point MouseMarkerPosition(const GridGeometry& geometry, const Cell& cell) {
  Point p = KeyboardMarkerPosition(geometry, cell);
  return Point{p.x + kMouseMarkerOffset, p.y + kMouseMarkerOffset};
}

std::optional<std::string> EnterLetter(Puzzle& puzzle, int32_t cursorRow, int32_t cursorCol,
                                       char32_t typed) {
  if (!IsSelectable(puzzle, cursorRow, cursorCol)) return std::nullopt;
  if (typed >= U'a' && typed <= U'z') typed = typed - U'a' + U'A';
  if (typed < U'A' || typed > U'Z') return std::nullopt;
  std::string letter(1, static_cast<char>(typed));
  puzzle.Entry[cursorRow][cursorCol] = letter;
  return letter;
}

bool ClearSelectedCell(Puzzle& puzzle, int32_t cursorRow, int32_t cursorCol) {
  if (!IsSelectable(puzzle, cursorRow, cursorCol)) return false;
  puzzle.Entry[cursorRow][cursorCol] = ".";
  return true;
}

}  // namespace sl
