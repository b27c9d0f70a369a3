#pragma once
// A puzzle as an ipuz file (the open JSON crossword format, version 2) that other crossword
// players open: an across-only crossword of N rows, each row a word with its clue, and the link
// marks between two rows drawn as the only gaps in the bar under the upper row.
#include <cstdint>
#include <string>

#include "puzzle/puzzle.h"

namespace sl {

inline constexpr const char* kIpuzVersion = "http://ipuz.org/v2";
inline constexpr const char* kIpuzCrosswordKind = "http://ipuz.org/crossword#1";
inline constexpr const char* kIpuzStacklinksKind = "http://stacklinks.example.org/ipuz/stacklinks#1";
// The extension member holding the link positions exactly as the record has them.
inline constexpr const char* kIpuzLinksKey = "org.example.stacklinks:links";

// Empty when the puzzle fills its grid (N words of N letters, N at least 1); otherwise why not:
// a grid with holes is no crossword the players can show.
std::string IpuzGridProblem(const Puzzle& puzzle);

// The ipuz text of a puzzle read as the game shows it (clues from the first meanings), titled
// with the puzzle file's name and the puzzle's number. Record text (words, clues, links) is
// Windows-1252 and is written as UTF-8. The puzzle must fill its grid.
std::string IpuzText(const Puzzle& puzzle, const std::string& puzzleFileName, int32_t number);

}  // namespace sl
