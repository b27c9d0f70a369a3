#pragma once
// One puzzle of a file read the way the game shows it, for the subcommands that show or draw it.
#include <cstdint>
#include <optional>
#include <string>

#include "puzzle/puzzle.h"

namespace sl::cli {

struct ShownPuzzle {
  Puzzle puzzle;
  int32_t count = 0;  // the puzzles in the file
};

// Reads puzzle n of the file with its clues from the meanings file. When there is no such puzzle
// or it cannot be read, prints why on stdout, sets exitCode and returns nullopt.
std::optional<ShownPuzzle> ReadShownPuzzle(const std::string& file, int32_t n,
                                           const std::string& meaningsPath, int& exitCode);

}  // namespace sl::cli
