#pragma once
// Clues for shown puzzles from the meanings file: loaded on first use, first meanings looked up.
#include <string>

#include "common/random.h"
#include "generation/meanings.h"
#include "puzzle/show_puzzle.h"

namespace sl {

class MeaningsClueSource : public ClueSource {
 public:
  // The meanings and the random source belong to the caller and must outlive this object.
  MeaningsClueSource(Meanings& meanings, std::string path, Random& random)
      : meanings_(meanings), path_(std::move(path)), random_(random) {}

  // Reads the meanings file unless lines are held; false when it cannot be read.
  bool EnsureLoaded() override { return meanings_.Read(path_); }
  void LookUpFirstClues(Puzzle& puzzle) override { LookUpClues(puzzle, 1, meanings_, random_); }

 private:
  Meanings& meanings_;
  std::string path_;
  Random& random_;
};

}  // namespace sl
