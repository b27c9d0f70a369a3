#include "puzzle/cell_speech.h"

#include <algorithm>

#include "puzzle/puzzle_record.h"

namespace sl {
namespace {

bool InGrid(const Puzzle& puzzle, int row, int col) {
  return row >= 1 && col >= 1 && row <= puzzle.PuzzleSize && col <= puzzle.PuzzleSize &&
         row <= kMaxPuzzleSize && col <= kMaxPuzzleSize;
}

// Whether link i (between words i and i+1) joins the two words in this column.
bool LinkHasColumn(const Puzzle& puzzle, int link, int col) {
  if (link < 1 || link >= puzzle.PuzzleSize || link >= kGridSpan) return false;
  const auto columns = LinkColumns(puzzle.LinkPositions[link]);
  return std::find(columns.begin(), columns.end(), col) != columns.end();
}

// A clue's line breaks read as blanks.
std::string OneLine(std::string text) {
  std::replace_if(text.begin(), text.end(), [](char ch) { return ch == '\r' || ch == '\n'; }, ' ');
  return text;
}

}  // namespace

std::string CellSpokenName(const Puzzle& puzzle, int row, int col, bool solution) {
  if (!InGrid(puzzle, row, col)) return "no letter";
  const std::string& entry = puzzle.Entry[row][col];
  if (entry.empty()) return "no letter";
  const std::string& letter = solution ? puzzle.Solution[row][col] : entry;
  std::string name = letter.empty() || letter == "." ? "empty" : letter;
  const bool above = LinkHasColumn(puzzle, row - 1, col);
  const bool below = LinkHasColumn(puzzle, row, col);
  if (above && below) return name + ", linked to the cells above and below";
  if (above) return name + ", linked to the cell above";
  if (below) return name + ", linked to the cell below";
  return name;
}

std::string CellSpokenPlace(const Puzzle& puzzle, int row, int col) {
  std::string place = "Row " + std::to_string(row) + ", column " + std::to_string(col);
  if (InGrid(puzzle, row, col) && !puzzle.Clue[row].empty()) {
    place += ". Clue " + std::to_string(row) + ": " + OneLine(puzzle.Clue[row]);
  }
  return place;
}

std::string ClueSpoken(const Puzzle& puzzle, int k) {
  const std::string clue = k >= 1 && k < kGridSpan ? puzzle.Clue[k] : std::string();
  return std::to_string(k) + ". " + OneLine(clue);
}

}  // namespace sl
