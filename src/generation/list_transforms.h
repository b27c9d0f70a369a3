#pragma once
// The line transformations of the maintenance tools, on lines held in memory: shuffling,
// dropping repeats, trimming, and giving the words of a prepared list their meaning numbers.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/random.h"
#include "generation/meanings.h"

namespace sl {

// What a running tool reports, and how it learns that it should stop. Both may be left empty.
struct ToolProgress {
  std::function<void(const std::string& text)> show;
  std::function<bool()> cancelled;

  bool Showing() const { return static_cast<bool>(show); }
  void Show(const std::string& text) const {
    if (show) show(text);
  }
  bool Cancelled() const { return cancelled && cancelled(); }
};

// The keys the shuffles draw: Randomize from 1 to 99998, the no-repeat shuffle from 1 to 99997.
inline constexpr int32_t kShuffleKeys = 99998;
inline constexpr int32_t kNoRepeatShuffleKeys = 99997;

// The lines in random order. Every line draws a key from 1 to maxKey; the lines are ordered by
// key, lines with the same key by their text without regard to case, and lines equal in that
// order keep the order they had.
std::vector<std::string> ShuffleLines(std::vector<std::string> lines, int32_t maxKey,
                                      Random& random);

// The lines without those equal (exactly) to the line before them; a leading empty line counts
// as a repeat of the empty start. Shows "no dup" and the count kept. nullopt when cancelled (so
// for the transformations below).
std::optional<std::vector<std::string>> DropNeighbourRepeats(const std::vector<std::string>& lines,
                                                             const ToolProgress& progress);

// The first occurrence of every line, compared without regard to case, in the order of the
// lines. Shows the count read and the count kept.
std::optional<std::vector<std::string>> DropRepeats(const std::vector<std::string>& lines,
                                                    const ToolProgress& progress);

// Every line trimmed of leading and trailing blanks; lines that are blank are dropped. Shows the
// count read.
std::optional<std::vector<std::string>> TrimLines(const std::vector<std::string>& lines,
                                                  const ToolProgress& progress);

// A puzzle holds at most 12 words, so a prepared line holds at most 12 word fields.
inline constexpr size_t kMaxWordFields = 12;

// "8;CAT;DOG;" becomes "8;CAT,2;DOG,-1;": the first field is kept, every word field gets a
// meaning number drawn among its meanings (-1 for a word without meanings). A last field after
// the last ";" that is not empty is a word too.
struct MeaningNumbered {
  std::vector<std::string> lines;
  int64_t refusedLine = 0;   // 1-based number of a line with too many word fields; 0 if none
  size_t refusedFields = 0;  // how many word fields that line has
  bool cancelled = false;
};
MeaningNumbered AddMeaningNumbers(const std::vector<std::string>& lines, const Meanings& meanings,
                                  Random& random, const ToolProgress& progress);

}  // namespace sl
