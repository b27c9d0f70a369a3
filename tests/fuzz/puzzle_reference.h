#pragma once
// What reading one puzzle record must give, written from the record's rules for the puzzle
// harnesses: fields at every ";", size N (0..12) in field 0, links in fields 1..N-1 whose three
// two-character columns lie in 1..N, words "WORD,m" in fields N..2N-1 with a "," and at most 12
// letters; anything after field 2N-1 is ignored. Also the checks of a puzzle after it was shown.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "plain_references.h"
#include "generation/text_case.h"
#include "puzzle/puzzle.h"

namespace sl::fuzz {

struct ExpectedRecord {
  int32_t size = 0;
  std::vector<std::string> links, words;
  std::vector<int32_t> meanings;
};

inline std::optional<ExpectedRecord> ExpectRecord(std::string_view line) {
  const std::vector<std::string> fields = ReferenceSplit(line, ';');
  ExpectedRecord r;
  r.size = ReferenceWhole(ReferenceVal(fields[0]));
  const int32_t n = r.size;
  if (n < 0 || n > kMaxPuzzleSize || fields.size() < static_cast<size_t>(2 * n)) return {};
  for (int32_t i = 1; i < n; ++i) {
    const std::string_view link = fields[i];
    for (size_t at = 0; at < 6; at += 2) {
      const std::string_view digits = at < link.size() ? link.substr(at, 2) : "";
      const int32_t column = ReferenceWhole(ReferenceVal(digits));
      if (column < 1 || column > n) return {};
    }
    r.links.emplace_back(link);
  }
  for (int32_t k = 1; k <= n; ++k) {
    const std::string_view field = fields[n - 1 + k];
    const size_t comma = field.find(',');
    if (comma == std::string_view::npos || comma > 12) return {};
    r.words.emplace_back(field.substr(0, comma));
    r.meanings.push_back(ReferenceWhole(ReferenceVal(field.substr(comma + 1))));
  }
  return r;
}

// The first meaning of a word as a plain scan of the meaning lines finds it ("" when none).
inline std::string FirstMeaning(const std::vector<std::string>& lines, std::string_view word) {
  std::string key = ToUpperCp1252(word) + ":";
  for (const std::string& line : lines) {
    if (line.compare(0, key.size(), key) == 0) return line.substr(key.size());
  }
  return "";
}

// The puzzle holds the record, with first meanings as clues (the meaning numbers of the first and
// last word are 0 after the clue lookup).
inline void CheckShown(const Puzzle& p, const ExpectedRecord& r,
                       const std::vector<std::string>& meaningLines) {
  const int32_t n = r.size;
  FUZZ_CHECK(p.PuzzleSize == n && p.Wlist == r.words, "size %d", n);
  for (int32_t i = 0; i < kGridSpan; ++i) {
    const bool link = i >= 1 && i <= n - 1;
    FUZZ_CHECK(p.LinkPositions[i] == (link ? r.links[i - 1] : std::string()), "link %d", i);
    const bool word = i >= 1 && i <= n;
    const int32_t m = (!word || i == 1 || i == n) ? 0 : r.meanings[i - 1];
    FUZZ_CHECK(p.MeaningNumber[i] == m, "meaning number %d: %d, expected %d", i,
               p.MeaningNumber[i], m);
    FUZZ_CHECK(p.Clue[i] == (word ? FirstMeaning(meaningLines, r.words[i - 1]) : ""), "clue %d",
               i);
    for (int32_t c = 0; c < kGridSpan; ++c) {
      const bool cell = word && c >= 1 && c <= n && static_cast<size_t>(c) <= r.words[i - 1].size();
      const std::string letter = cell ? r.words[i - 1].substr(c - 1, 1) : "";
      FUZZ_CHECK(p.Solution[i][c] == letter && p.Entry[i][c] == (cell ? "." : ""), "cell %d,%d",
                 i, c);
    }
  }
}

inline bool SamePuzzle(const Puzzle& a, const Puzzle& b) {
  return a.PuzzleSize == b.PuzzleSize && a.Wlist == b.Wlist &&
         a.LinkPositions == b.LinkPositions && a.MeaningNumber == b.MeaningNumber &&
         a.Clue == b.Clue && a.Solution == b.Solution && a.Entry == b.Entry;
}

}  // namespace sl::fuzz
