#pragma once
// The one puzzle the game holds and the play state around it.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace sl {

inline constexpr int kMaxPuzzleSize = 12;
inline constexpr int kGridSpan = kMaxPuzzleSize + 1;  // grids are indexed 0..12, 1..N used
inline constexpr int kMinCreatedSize = 8;  // the smallest puzzle the game creates

// A size the game creates (8 to 12); a puzzle file may hold smaller ones.
inline constexpr bool IsCreatedSize(int32_t n) {
  return n >= kMinCreatedSize && n <= kMaxPuzzleSize;
}

using CellGrid = std::array<std::array<std::string, kGridSpan>, kGridSpan>;

struct Puzzle {
  int32_t PuzzleSize = kMaxPuzzleSize;               // N
  std::vector<std::string> Wlist;                    // item k-1 is word k
  std::array<std::string, kGridSpan> LinkPositions;  // 1..N-1, six digits each
  std::array<int32_t, kGridSpan> MeaningNumber{};    // 1..N
  std::array<std::string, kGridSpan> Clue;           // 1..N
  CellGrid Solution;                                 // one letter or ""
  CellGrid Entry;                                    // "." unfilled, "A".."Z" filled, "" no cell

  bool Empty() const { return Wlist.empty(); }
};

// Where the grid's cells are, in twips; recomputed whenever the size changes.
struct GridGeometry {
  int32_t CellSize = 400;
  float RowPitch = 1.35f;
  int32_t GridLeft = 0;
  int32_t GridTop = 0;
  std::array<std::array<int32_t, kGridSpan>, kGridSpan> CellLeft{};
  std::array<std::array<int32_t, kGridSpan>, kGridSpan> CellTop{};
};

// The grid's font until the settings name another.
inline constexpr const char* kDefaultGridFont = "Arial";
inline constexpr int32_t kDefaultGridFontSize = 16;

// How the grid is drawn.
struct GridLook {
  std::string GridFontName = kDefaultGridFont;
  int32_t GridFontSize = kDefaultGridFontSize;
  int32_t GridStyle = 2;  // 0 flat, 1 raised, 2 sunk
  int32_t BoxLineWidth = 1;
  int32_t BoxInset = 18;
};

// The puzzle file and the dictionary a first start opens.
inline constexpr const char* kDefaultPuzzleFile = "puzzles.txt";
inline constexpr const char* kDefaultDictionaryFile = "english1.txt";

// Which puzzle file is open, which puzzle of it is shown, the dictionary file and the selected
// cell.
struct PlayState {
  std::string PuzzleFile;
  int32_t PuzzleNumber = 0;
  int32_t PuzzleCount = 0;
  std::string DictionaryFile = kDefaultDictionaryFile;
  int32_t CursorRow = -1;  // -1: no cell selected
  int32_t CursorCol = 0;
};

}  // namespace sl
