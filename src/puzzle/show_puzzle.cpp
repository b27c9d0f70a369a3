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
  const int32_t sizeBefore = puzzle.PuzzleSize;
  if (!ApplyRecordLine(puzzle, *line, clues)) return outcome;
  outcome.sizeChanged = puzzle.PuzzleSize != sizeBefore;
  outcome.status = ShowStatus::Shown;
  return outcome;
}

bool ApplyRecordLine(Puzzle& puzzle, std::string_view line, ClueSource* clues) {
  std::optional<PuzzleRecord> record = ParsePuzzleRecord(line);
  if (!record) return false;
  ApplyRecord(puzzle, *record);
  if (clues) clues->LookUpFirstClues(puzzle);
  return true;
}

std::string PositionText(int32_t n, int32_t count) {
  return "p#" + Str(n) + " of" + Str(count);
}

}  // namespace sl
