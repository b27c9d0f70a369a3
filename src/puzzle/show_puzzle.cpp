#include "puzzle/show_puzzle.h"

#include "common/numbers.h"
#include "puzzle/puzzle_file.h"
#include "puzzle/puzzle_record.h"

namespace sl {

ShowOutcome ReadPuzzleInto(Puzzle& puzzle, const std::string& path, int32_t n,
                           int32_t puzzleCount, ClueSource* clues) {
  ShowOutcome outcome;
  if (n > puzzleCount) return outcome;

  // Everything that can fail is checked before the puzzle is touched, so a bad record leaves the
  // puzzle on screen (and its size) as it was.
  outcome.status = ShowStatus::Failed;
  std::optional<std::string> line = ReadPuzzleLine(path, n);
  if (!line) return outcome;
  if (clues && !clues->EnsureLoaded()) return outcome;
  std::optional<PuzzleRecord> record = ParsePuzzleRecord(*line);
  if (!record) return outcome;

  outcome.sizeChanged = record->size != puzzle.PuzzleSize;
  ApplyRecord(puzzle, *record);
  if (clues) clues->LookUpFirstClues(puzzle);
  outcome.status = ShowStatus::Shown;
  return outcome;
}

std::string PositionText(int32_t n, int32_t count) {
  return "p#" + Str(n) + " of" + Str(count);
}

}  // namespace sl
