#include "puzzle/puzzle_record.h"

#include <algorithm>

#include "common/numbers.h"

namespace sl {
namespace {

// A record of the largest size has 2 x 12 fields; everything after them is gathered, unread, in
// one more field, so the last word field ends at its own ";" and a huge line of separators costs
// no more than a short one.
constexpr size_t kMaxFields = 2 * kMaxPuzzleSize + 1;

std::vector<std::string_view> SplitFields(std::string_view line) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  while (true) {
    size_t semi = line.find(';', start);
    if (semi == std::string_view::npos || fields.size() + 1 == kMaxFields) {
      fields.push_back(line.substr(start));
      return fields;
    }
    fields.push_back(line.substr(start, semi - start));
    start = semi + 1;
  }
}

bool LinkFitsGrid(std::string_view link, int32_t size) {
  for (int32_t column : LinkColumns(link)) {
    if (column < 1 || column > size) return false;
  }
  return true;
}

}  // namespace

std::array<int32_t, 3> LinkColumns(std::string_view link) {
  std::array<int32_t, 3> columns{};
  for (size_t i = 0; i < columns.size(); ++i) {
    size_t from = std::min(link.size(), i * 2);
    columns[i] = RoundHalfEven(Val(link.substr(from, 2)));
  }
  return columns;
}

std::optional<PuzzleRecord> ParsePuzzleRecord(std::string_view line) {
  std::vector<std::string_view> fields = SplitFields(line);
  PuzzleRecord record;
  record.size = RoundHalfEven(Val(fields[0]));
  const int32_t n = record.size;
  if (n < 0 || n > kMaxPuzzleSize) return std::nullopt;
  if (fields.size() < static_cast<size_t>(2 * n)) return std::nullopt;

  for (int32_t i = 1; i <= n - 1; ++i) {
    if (!LinkFitsGrid(fields[i], n)) return std::nullopt;
    record.links.emplace_back(fields[i]);
  }
  for (int32_t k = 1; k <= n; ++k) {
    std::string_view field = fields[n - 1 + k];
    size_t comma = field.find(',');
    if (comma == std::string_view::npos || comma > static_cast<size_t>(kMaxPuzzleSize)) {
      return std::nullopt;
    }
    record.words.emplace_back(field.substr(0, comma));
    record.meanings.push_back(RoundHalfEven(Val(field.substr(comma + 1))));
  }
  return record;
}

std::string FormatPuzzleRecord(const Puzzle& puzzle) {
  const int32_t n = std::clamp(puzzle.PuzzleSize, 0, kMaxPuzzleSize);
  std::string record = std::to_string(puzzle.PuzzleSize) + ";";
  for (int32_t i = 1; i <= n - 1; ++i) record += puzzle.LinkPositions[i] + ";";
  const size_t words = std::min(puzzle.Wlist.size(), static_cast<size_t>(kMaxPuzzleSize));
  for (size_t k = 1; k <= words; ++k) {
    record += puzzle.Wlist[k - 1] + "," + std::to_string(puzzle.MeaningNumber[k]) + ";";
  }
  return record;
}

void ApplyRecord(Puzzle& puzzle, const PuzzleRecord& record) {
  const int32_t n = record.size;
  puzzle.PuzzleSize = n;
  puzzle.Wlist = record.words;
  for (int i = 0; i < kGridSpan; ++i) {
    puzzle.LinkPositions[i] = (i >= 1 && i <= n - 1) ? record.links[i - 1] : std::string();
    puzzle.MeaningNumber[i] = (i >= 1 && i <= n) ? record.meanings[i - 1] : 0;
    puzzle.Clue[i].clear();
    for (int c = 0; c < kGridSpan; ++c) {
      puzzle.Solution[i][c].clear();
      puzzle.Entry[i][c].clear();
    }
  }
  // Letter cells stay inside the N by N grid: a short word leaves the rest of its row without
  // cells, and letters past column N of a longer word get none.
  for (int32_t r = 1; r <= n; ++r) {
    const std::string& word = record.words[r - 1];
    const int32_t letters = std::min(static_cast<int32_t>(word.size()), n);
    for (int32_t c = 1; c <= letters; ++c) {
      puzzle.Solution[r][c] = std::string(1, word[c - 1]);
      puzzle.Entry[r][c] = ".";
    }
  }
}

}  // namespace sl
