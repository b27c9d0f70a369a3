#pragma once
// The letters the player has typed, kept from one run to the next in "stacklinks.entries" beside
// the settings. The file names the puzzle they belong to (puzzle file, number, size, links and
// words), so letters are only ever given back to that same puzzle; a file that is damaged or
// belongs to another puzzle is ignored.
//
// The file, in lines ended by CR LF:
//   Stacklinks entries 1
//   <puzzle file path>
//   <puzzle number>
//   N;link 1;...;link N-1;WORD 1;...;WORD N
//   N rows of N characters: a letter, "." for an empty letter cell, "-" where there is no cell
//   end
#include <cstdint>
#include <string>
#include <vector>

#include "puzzle/puzzle.h"

namespace sl {

inline constexpr const char* kKeptEntriesFileName = "stacklinks.entries";

// The file's lines for the puzzle shown. With no puzzle (or one too big to be shown) there is
// only the first line, which gives nothing back.
std::vector<std::string> FormatKeptEntries(const Puzzle& puzzle, const std::string& puzzleFile,
                                           int32_t puzzleNumber);

// Puts the kept letters into the puzzle when the lines are whole and name this puzzle: the same
// file, number, size, links and words, and letter cells in the same places. True when they did;
// otherwise the puzzle is left exactly as it was.
bool RestoreKeptEntries(const std::vector<std::string>& lines, const std::string& puzzleFile,
                        int32_t puzzleNumber, Puzzle& puzzle);

// The same on the file itself. Writing replaces the file whole or leaves it as it was; reading
// ignores a missing, unreadable or oversized file.
bool SaveKeptEntries(const std::string& path, const Puzzle& puzzle, const std::string& puzzleFile,
                     int32_t puzzleNumber);
bool LoadKeptEntries(const std::string& path, const std::string& puzzleFile, int32_t puzzleNumber,
                     Puzzle& puzzle);

}  // namespace sl
