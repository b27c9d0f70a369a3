#pragma once
// What the chain and create subcommands share: the size option, the dictionary file read the
// way the game reads it, and a generated puzzle turned into the puzzle the record writer takes.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "generation/generator.h"
#include "puzzle/puzzle.h"

namespace sl::cli {

// A puzzle size the game creates: a whole number from 8 to 12.
std::optional<int32_t> ParsePuzzleSize(const std::string& text);

// Every line of the file exactly `size` characters long, in file order; nullopt when the file
// cannot be read.
std::optional<std::vector<std::string>> ReadDictionaryFile(const std::string& path, int32_t size);


}  // namespace sl::cli
