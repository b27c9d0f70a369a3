#include "game/puzzle_batch.h"

#include "puzzle/puzzle_file.h"

namespace sl {

Puzzle RecordOf(const GeneratedPuzzle& generated) {
  Puzzle puzzle;
  StorePuzzle(generated, puzzle);
  puzzle.MeaningNumber.fill(0);
  return puzzle;
}

Puzzle RecordOf(const GeneratedPuzzle& generated, const Meanings& meanings, Random& random) {
  Puzzle puzzle = RecordOf(generated);
  LookUpClues(puzzle, -1, meanings, random);
  return puzzle;
}

bool PuzzleBatch::Add(const GeneratedPuzzle& generated) {
  if (failed_) return false;
  if (!AppendPuzzle(file_, meanings_ ? RecordOf(generated, *meanings_, random_) : RecordOf(generated), true)) {
    failed_ = true;
    return false;
  }
  ++written_;
  return true;
}

}  // namespace sl
