#pragma once
// Reading puzzle n of a file into the puzzle: everything ShowPuzzle does short of drawing.
#include <cstdint>
#include <string>
#include <string_view>

#include "puzzle/puzzle.h"

namespace sl {

// Where clues come from. The meanings are loaded on first use; a puzzle cannot be shown
// without them.
class ClueSource {
 public:
  virtual ~ClueSource() = default;
  // Starts loading the meanings in the background where the source can, so that the first
  // EnsureLoaded waits less; by default it does nothing.
  virtual void StartLoading() {}
  // Loads the meanings if not loaded yet; false when they cannot be read.
  virtual bool EnsureLoaded() = 0;
  // Fills Clue (1..N) with every word's first meaning (and sets meaning numbers as the lookup
  // rules say).
  virtual void LookUpFirstClues(Puzzle& puzzle) = 0;
};

enum class ShowStatus {
  NothingDone,  // n is beyond the file's puzzles: nothing changed
  Shown,        // the puzzle holds the record
  Failed,       // "Error in reading puzzle": nothing changed
};

struct ShowOutcome {
  ShowStatus status = ShowStatus::NothingDone;
  bool sizeChanged = false;  // the grid layout and the dictionary must follow the new size
};

inline constexpr const char* kReadingPuzzleFile = "Reading puzzle file ...";
inline constexpr const char* kErrorInReadingPuzzle = "Error in reading puzzle";

// Reads record n of the file (the caller has counted the file's puzzles) into the puzzle, with
// the clues of every word's first meaning. clues may be null (no clues are looked up).
ShowOutcome ReadPuzzleInto(Puzzle& puzzle, const std::string& path, int32_t n,
                           int32_t puzzleCount, ClueSource* clues);

// Makes the puzzle hold one record line, with the clues of every word's first meaning from
// loaded clues (or none when clues is null). False, and the puzzle untouched, when the record
// cannot be read.
bool ApplyRecordLine(Puzzle& puzzle, std::string_view line, ClueSource* clues);

// "p# 3 of 120".
std::string PositionText(int32_t n, int32_t count);

}  // namespace sl
