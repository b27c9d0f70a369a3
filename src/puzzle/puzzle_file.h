#pragma once
// A puzzle file: one record per line; line n is puzzle n.
#include <cstdint>
#include <optional>
#include <string>

#include "puzzle/puzzle.h"

namespace sl {

// Number of lines of the file; 0 when it cannot be opened or read.
int32_t CountPuzzles(const std::string& path);

// Line n (1-based) of the file; nullopt when the file cannot be read or has fewer lines.
std::optional<std::string> ReadPuzzleLine(const std::string& path, int32_t n);

// Writes the puzzle as one record: appended at the end of the file (created when missing), or
// replacing the file with the one record. False when nothing could be written; the file is then
// left as it was.
bool AppendPuzzle(const std::string& path, const Puzzle& puzzle, bool append);

// Appends "." and the extension when the name holds no "." anywhere.
std::string EnsureExtension(const std::string& name, const std::string& extension);

}  // namespace sl
