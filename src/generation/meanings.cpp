#include "generation/meanings.h"

#include <new>

#include "generation/line_scan.h"
#include "generation/text_case.h"

namespace sl {

bool Meanings::Read(const std::string& path) {
  if (!Empty()) return true;
  clsSimpleArray lines;
  bool ok = false;
  try {
    ok = ScanLines(path, std::string::npos,
                   [&](std::string_view line, size_t) { lines.AddItem(line); });
  } catch (const std::bad_alloc&) {
    ok = false;
  }
  if (!ok) return false;
  lines_ = std::move(lines);
  Index();
  return true;
}

// Every line is filed under each of its prefixes that end in ":" (usually just "WORD:"). A line
// extends a key's block only when it directly follows that block and the block is below the limit.
void Meanings::Index() {
  index_.clear();
  const auto& lines = lines_.Items();
  index_.reserve(lines.size() / 2 + 1);
  std::string previousKey;
  Block* previous = nullptr;  // the block of the previous line's first key: most lines extend it
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string_view line = lines[i];
    auto line_index = static_cast<int32_t>(i);
    bool firstKey = true;
    for (size_t colon = line.find(':'); colon != std::string_view::npos && colon < kMaxIndexedKey;
         colon = line.find(':', colon + 1)) {
      std::string_view key = line.substr(0, colon + 1);
      Block* block;
      if (firstKey && previous && key == previousKey) {
        block = previous;
      } else {
        auto [it, added] = index_.try_emplace(std::string(key), Block{line_index, 0});
        block = &it->second;
        (void)added;
      }
      if (block->first + block->count == line_index && block->count < kMaxMeaningsPerWord) {
        ++block->count;
      }
      if (firstKey) {
        previousKey.assign(key);
        previous = block;
        firstKey = false;
      }
    }
    if (firstKey) previous = nullptr;
  }
}

Meanings::Block Meanings::Find(std::string_view key) const {
  if (key.empty() || key.back() != ':' || key.size() > kMaxIndexedKey) return Scan(key);
  auto it = index_.find(std::string(key));
  return it == index_.end() ? Block{} : it->second;
}

Meanings::Block Meanings::Scan(std::string_view key) const {
  const auto& lines = lines_.Items();
  auto startsWithKey = [&](size_t i) { return std::string_view(lines[i]).substr(0, key.size()) == key; };
  for (size_t i = 0; i < lines.size(); ++i) {
    if (!startsWithKey(i)) continue;
    Block block{static_cast<int32_t>(i), 0};
    while (i < lines.size() && block.count < kMaxMeaningsPerWord && startsWithKey(i)) {
      ++block.count;
      ++i;
    }
    return block;
  }
  return Block{};
}

std::string LookUpClue(const Meanings& meanings, std::string_view word, int32_t& m,
                       Random& random) {
  std::string key = ToUpperCp1252(word) + ":";
  Meanings::Block block = meanings.Find(key);
  if (block.first < 0) return "";
  int32_t chosen;
  if (m == 1 || block.count == 1) {
    chosen = 1;
  } else if (m == -1) {
    chosen = random.Below(block.count) + 1;
  } else {
    return "";
  }
  m = chosen;
  return meanings.Lines().list(block.first + chosen - 1).substr(key.size());
}

void LookUpClues(Puzzle& puzzle, int32_t mode, const Meanings& meanings, Random& random) {
  if (puzzle.PuzzleSize >= 0 && puzzle.PuzzleSize <= kMaxPuzzleSize) {
    puzzle.MeaningNumber[1] = 0;
    puzzle.MeaningNumber[puzzle.PuzzleSize] = 0;
  }
  for (size_t k = 1; k <= puzzle.Wlist.size() && k <= static_cast<size_t>(kMaxPuzzleSize); ++k) {
    int32_t m = mode;
    puzzle.Clue[k] = LookUpClue(meanings, puzzle.Wlist[k - 1], m, random);
    if (mode == -1) puzzle.MeaningNumber[k] = m;
  }
}

}  // namespace sl
