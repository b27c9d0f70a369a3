#pragma once
// The meanings file ("mean6.txt": WORD:meaning, one meaning per line, all lines of a word
// adjacent) and the clue lookup over it.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "common/random.h"
#include "generation/simple_array.h"
#include "puzzle/puzzle.h"

namespace sl {

inline constexpr const char* kMeaningsFileName = "mean6.txt";
inline constexpr const char* kReadingMeanings = "Reading Meanings file ...";

// At most this many lines of one word are counted, so only they can be drawn.
inline constexpr int32_t kMaxMeaningsPerWord = 101;

// The meaning lines in file order, indexed when read so that a lookup does not scan the list.
// The index answers exactly what a scan from the top would: the first line starting with a key
// ("WORD:"), and how many lines from that one on start with it (first block only, at most 101).
class Meanings {
 public:
  struct Block {
    int32_t first = -1;
    int32_t count = 0;
  };

  // Reads every line of the file unless lines are already held (they are read once per run).
  // False when the file cannot be opened or read; nothing is kept then.
  bool Read(const std::string& path);
  bool Empty() const { return lines_.ListCount() == 0; }
  const clsSimpleArray& Lines() const { return lines_; }

  // The first block of lines that start with the key; first = -1 when no line does.
  Block Find(std::string_view key) const;

 private:
  // Keys longer than this are not indexed (a line of junk could hold thousands of colons); they
  // are found by scanning.
  static constexpr size_t kMaxIndexedKey = 64;

  void Index();
  Block Scan(std::string_view key) const;

  clsSimpleArray lines_;
  std::unordered_map<std::string, Block> index_;
};

// The clue of a word: the text after "WORD:" on one of its lines (the key is the word in upper
// case). m = 1, or a word with one line: its first line, and m becomes 1. m = -1: a line drawn
// at random from its first block, and m becomes its number (1-based). A word without lines gives
// "" and leaves m as it was; any other m gives "" as well.
std::string LookUpClue(const Meanings& meanings, std::string_view word, int32_t& m,
                       Random& random);

// Fills Clue (k) of every word of the puzzle. mode 1: first meanings, and MeaningNumber (2..N-1)
// keep their values; mode -1: random meanings, stored in MeaningNumber (k) (-1 for a word without
// meanings). MeaningNumber (1) and (N) are set to 0 first.
void LookUpClues(Puzzle& puzzle, int32_t mode, const Meanings& meanings, Random& random);

}  // namespace sl
