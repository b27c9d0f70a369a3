#pragma once
// The puzzle generator: a greedy chain of words from a random start word. Below each word the
// next word is the first acceptable candidate in a fixed order; when a level has no candidate
// the attempt is thrown away and another start word is tried.
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "common/random.h"
#include "generation/word_table.h"
#include "puzzle/puzzle.h"

namespace sl {

// One word of a chain and its link to the word above it (unused for the start word).
struct ChainLevel {
  int32_t row = -1;
  RowLink link;
};

// The words of one attempt, level 0 (the start word) first; complete when it holds N levels.
using Chain = std::vector<ChainLevel>;

// The chosen (first in order) candidate of a level below the upper word, or false when the level
// comes out empty. A candidate differs from the upper word and links to it; below level 1 its
// link letters also differ from the upper word's own link letters and occur nowhere in the used
// letters (a plain substring search, so a match may straddle two levels' letters).
bool FillLevel(const WordTable& table, const WordTable::Upper& upper,
               std::string_view upperLetters, std::string_view usedLetters, ChainLevel& chosen);

// The link letters of levels 1..k of the chain, concatenated in level order.
std::string UsedLinkLetters(const Chain& chain, int k);

// One attempt from the start row: the chain as far as it got (complete when it holds N levels).
Chain BuildChain(const WordTable& table, int32_t start);

// A finished puzzle: N words and the N-1 six-digit link position texts between them.
struct GeneratedPuzzle {
  std::vector<std::string> words;
  std::vector<std::string> links;
};

GeneratedPuzzle ChainPuzzle(const WordTable& table, const Chain& chain);

// Makes the puzzle hold the generated words and links, every letter cell of Entry ".";
// clues and meaning numbers are left as they are.
void StorePuzzle(const GeneratedPuzzle& generated, Puzzle& puzzle);

enum class CreateOutcome {
  Created,
  Cancelled,  // the cancel flag was set; noticed after the attempt that was running
  NoChain,    // every start word of the dictionary has failed: no puzzle can be made
};

// The generator over one dictionary and size. A start word always gives the same attempt, so
// each start word's outcome is remembered: no attempt is computed twice, and start words that
// failed are no longer drawn, which keeps the draws uniform over the start words that succeed.
// The first attempts scan every word; once the scans have cost about what indexing the columns
// costs, the columns are indexed and later attempts test only likely candidates. Either way an
// attempt gives the same chain.
// Not thread-safe: one creation at a time.
class PuzzleGenerator {
 public:
  PuzzleGenerator(const std::vector<std::string>& dictionary, int size);

  int Size() const { return table_.Width(); }
  const WordTable& Table() const { return table_; }
  // True when the generator, built from these words for this size, would do just what it does.
  bool BuiltFrom(const std::vector<std::string>& dictionary, int size) const;

  // Repeats attempts from random start words until one completes; the cancel flag is read after
  // every attempt.
  CreateOutcome CreatePuzzle(Random& random, const std::atomic<bool>& cancel,
                             GeneratedPuzzle& result);

  // Attempts actually computed so far (remembered outcomes are not counted).
  int64_t ComputedAttempts() const { return computedAttempts_; }

 private:
  int32_t OpenCount() const;
  int32_t OpenRow(int32_t slot) const;
  void Forget(int32_t start);

  WordTable table_;
  // Start rows not known to fail, in any order; until the first failure every row is open and
  // these stay empty (row r in slot r).
  std::vector<int32_t> open_;
  std::vector<int32_t> openSlot_;  // row -> its index in open_
  bool anyForgotten_ = false;
  int64_t scannedLevels_ = 0;  // levels filled by scanning every row
  std::unordered_map<int32_t, GeneratedPuzzle> succeeded_;
  int64_t computedAttempts_ = 0;
};

// Makes up to `count` puzzles, handing each to `made` as it comes; stops early on a cancel (or
// when `made` returns false, which counts as a cancel) and when no puzzle can be made. Created
// when all were made.
CreateOutcome MakePuzzles(PuzzleGenerator& generator, Random& random,
                          const std::atomic<bool>& cancel, int32_t count,
                          const std::function<bool(GeneratedPuzzle&&)>& made);

}  // namespace sl
