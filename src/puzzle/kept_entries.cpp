#include "puzzle/kept_entries.h"

#include <sys/stat.h>

#include "common/text_lines.h"

namespace sl {
namespace {

constexpr const char* kHeader = "Stacklinks entries 1";
constexpr const char* kEnd = "end";
constexpr off_t kLargestFile = 64 * 1024;  // a kept file is well under 1 KB
constexpr char kNoCell = '-';

bool Showable(const Puzzle& puzzle) {
  return !puzzle.Empty() && puzzle.PuzzleSize >= 1 && puzzle.PuzzleSize <= kMaxPuzzleSize &&
         static_cast<int32_t>(puzzle.Wlist.size()) == puzzle.PuzzleSize;
}

// What makes the puzzle this puzzle: size, links and words (not the clues, which the player may
// change with new clues).
std::string PuzzleShape(const Puzzle& puzzle) {
  const int n = puzzle.PuzzleSize;
  std::string shape = std::to_string(n);
  for (int i = 1; i < n; ++i) shape += ";" + puzzle.LinkPositions[i];
  for (const std::string& word : puzzle.Wlist) shape += ";" + word;
  return shape;
}

char KeptMark(const std::string& entry) { return entry.empty() ? kNoCell : entry[0]; }

bool IsLetter(char ch) { return ch >= 'A' && ch <= 'Z'; }

// A kept mark fits the shown cell: the same kind of cell, and a letter or "." in a letter cell.
bool Fits(char mark, const std::string& entry) {
  if (entry.empty()) return mark == kNoCell;
  return mark == '.' || IsLetter(mark);
}

bool ContainsLineEnd(const std::string& text) {
  return text.find_first_of("\r\n") != std::string::npos;
}

}  // namespace

std::vector<std::string> FormatKeptEntries(const Puzzle& puzzle, const std::string& puzzleFile,
                                           int32_t puzzleNumber) {
  std::vector<std::string> lines{kHeader};
  if (!Showable(puzzle) || ContainsLineEnd(puzzleFile)) return lines;
  lines.push_back(puzzleFile);
  lines.push_back(std::to_string(puzzleNumber));
  lines.push_back(PuzzleShape(puzzle));
  const int n = puzzle.PuzzleSize;
  for (int r = 1; r <= n; ++r) {
    std::string row;
    for (int c = 1; c <= n; ++c) row += KeptMark(puzzle.Entry[r][c]);
    lines.push_back(row);
  }
  lines.push_back(kEnd);
  return lines;
}

bool RestoreKeptEntries(const std::vector<std::string>& lines, const std::string& puzzleFile,
                        int32_t puzzleNumber, Puzzle& puzzle) {
  if (!Showable(puzzle)) return false;
  const size_t n = static_cast<size_t>(puzzle.PuzzleSize);
  if (lines.size() != 5 + n || lines[0] != kHeader || lines[1] != puzzleFile ||
      lines[2] != std::to_string(puzzleNumber) || lines[3] != PuzzleShape(puzzle) ||
      lines.back() != kEnd) {
    return false;
  }
  for (size_t r = 1; r <= n; ++r) {
    const std::string& row = lines[3 + r];
    if (row.size() != n) return false;
    for (size_t c = 1; c <= n; ++c) {
      if (!Fits(row[c - 1], puzzle.Entry[r][c])) return false;
    }
  }
  for (size_t r = 1; r <= n; ++r) {
    for (size_t c = 1; c <= n; ++c) {
      std::string& entry = puzzle.Entry[r][c];
      if (!entry.empty()) entry = std::string(1, lines[3 + r][c - 1]);
    }
  }
  return true;
}

bool SaveKeptEntries(const std::string& path, const Puzzle& puzzle, const std::string& puzzleFile,
                     int32_t puzzleNumber) {
  return WriteLinesReplacing(path, FormatKeptEntries(puzzle, puzzleFile, puzzleNumber));
}

bool LoadKeptEntries(const std::string& path, const std::string& puzzleFile, int32_t puzzleNumber,
                     Puzzle& puzzle) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > kLargestFile) {
    return false;
  }
  std::vector<std::string> lines;
  return ReadLines(path, lines) && RestoreKeptEntries(lines, puzzleFile, puzzleNumber, puzzle);
}

}  // namespace sl
