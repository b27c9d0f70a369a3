#pragma once
// The puzzle record: one line "N;link 1;...;link N-1;WORD,m;...;WORD,m;".
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "puzzle/puzzle.h"

namespace sl {

struct PuzzleRecord {
  int32_t size = 0;
  std::vector<std::string> links;  // size-1 six-character link texts
  std::vector<std::string> words;  // size words, as they stand in the file
  std::vector<int32_t> meanings;   // size meaning numbers
};

// Reads one record. Nothing is accepted that the grid could not hold: a size outside 0..12, too
// few fields, a link column outside 1..N, a word field without ",", or a word longer than 12
// letters give nullopt. Fields after the last word are ignored.
std::optional<PuzzleRecord> ParsePuzzleRecord(std::string_view line);

// The record of the puzzle as it is now, without the line end; ends with ";".
std::string FormatPuzzleRecord(const Puzzle& puzzle);

// The three 1-based columns of a six-character link text (characters 1-2, 3-4, 5-6, read
// leniently).
std::array<int32_t, 3> LinkColumns(std::string_view link);

// Makes the puzzle hold the record: words, links and meaning numbers; Solution from the words,
// every letter cell of Entry ".", all else "". Clues are emptied.
void ApplyRecord(Puzzle& puzzle, const PuzzleRecord& record);

}  // namespace sl
