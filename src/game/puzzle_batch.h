#pragma once
// Creating puzzles into a file, as CreateMulti and the command-line tool do: every generated
// puzzle becomes one record appended to the file, with random meaning numbers when meanings are
// given (0 otherwise).
#include <cstdint>
#include <string>

#include "common/random.h"
#include "generation/generator.h"
#include "generation/meanings.h"
#include "puzzle/puzzle.h"

namespace sl {

inline constexpr const char* kBatchFileSuffix = "puzadd.txt";
inline constexpr int kBatchSize = 8;
inline constexpr int kBatchCount = 1000;

// The generated words and links as a puzzle, every meaning number 0.
Puzzle RecordOf(const GeneratedPuzzle& generated);
// The same with random meaning numbers and their clues from the meanings.
Puzzle RecordOf(const GeneratedPuzzle& generated, const Meanings& meanings, Random& random);

class PuzzleBatch {
 public:
  PuzzleBatch(std::string file, const Meanings* meanings, Random& random)
      : file_(std::move(file)), meanings_(meanings), random_(random) {}

  // Appends the puzzle's record; false (and nothing more is written) once the file could not be
  // written.
  bool Add(const GeneratedPuzzle& generated);
  int32_t Written() const { return written_; }
  bool WriteFailed() const { return failed_; }
  const std::string& File() const { return file_; }

 private:
  std::string file_;
  const Meanings* meanings_;
  Random& random_;
  int32_t written_ = 0;
  bool failed_ = false;
};

}  // namespace sl
