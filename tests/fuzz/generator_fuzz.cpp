// The puzzle generator on a tiny dictionary read from a fuzzed word file, compared with a plain
// greedy chain written from the rules: each word shares three letters, in the same columns, with
// the word below it. Input: one byte for the size (8..12) and whether the words' bytes map to a
// small alphabet (so links are common), four bytes of seed, then the word file.
#include <algorithm>
#include <atomic>
#include <optional>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "generation/dictionary.h"
#include "generation/generator.h"
#include "generation/simple_array.h"
#include "generation/text_case.h"
#include "plain_references.h"
#include "puzzle/puzzle.h"

namespace {

constexpr size_t kMostWords = 48;  // keeps one input well under a second
const char kAlphabet[] = "BCDLMRAsEe\xC9\xE9OT;,";

struct Level {
  std::string word;
  sl::fuzz::ReferenceLink link;
};

// One greedy attempt from the start word: below each word, the candidate whose entry
// "letters word positions" comes first without regard to case (the earlier word on a tie). The
// code page's upper case is checked against the C library's by the meanings harness.
std::vector<Level> NaiveChain(const std::vector<std::string>& words, size_t size,
                              const std::string& start) {
  std::vector<Level> chain{{start, {}}};
  std::string used;
  while (chain.size() < size) {
    const Level& above = chain.back();
    std::optional<Level> best;
    std::string bestKey;
    for (const std::string& word : words) {
      if (word == above.word) continue;
      const sl::fuzz::ReferenceLink link = sl::fuzz::PlainLink(above.word, word);
      if (link.letters.empty()) continue;
      if (chain.size() > 1 &&
          (link.letters == above.link.letters || used.find(link.letters) != std::string::npos)) {
        continue;
      }
      const std::string key = sl::ToUpperCp1252(link.letters + " " + word + " " + link.positions);
      if (!best || key < bestKey) {
        best = Level{word, link};
        bestKey = key;
      }
    }
    if (!best) break;
    used += best->link.letters;
    chain.push_back(*best);
  }
  return chain;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace sl;
  if (size < 5) return 0;
  const int width = 8 + data[0] % 5;
  const bool mapped = (data[0] & 0x80) != 0;
  const size_t letters = std::min<size_t>(5 + ((data[0] >> 3) & 0x0F), sizeof kAlphabet - 1);
  const uint32_t seed = uint32_t{data[1]} << 24 | data[2] << 16 | data[3] << 8 | data[4];
  std::string text(fuzz::Bytes(data + 5, size - 5));
  if (mapped) {
    for (char& ch : text) {
      if (ch != '\r' && ch != '\n') ch = kAlphabet[static_cast<unsigned char>(ch) % letters];
    }
  }

  // The dictionary reader is checked against its rules by the dictionary harness.
  const fuzz::TempFile file("words.txt", text);
  clsSimpleArray dictionary;
  FUZZ_CHECK(ReadDictionaryWords(file.Path(), width, dictionary));
  std::vector<std::string> words = dictionary.Items();
  words.resize(std::min(words.size(), kMostWords));

  const std::vector<std::string> usable = fuzz::RecordWords(words);
  bool anyChain = false;
  for (const std::string& start : usable) {
    if (NaiveChain(usable, width, start).size() == static_cast<size_t>(width)) anyChain = true;
  }

  PuzzleGenerator generator(words, width);
  Random random(seed);
  const std::atomic<bool> cancel{false};
  for (int round = 0; round < 3; ++round) {
    GeneratedPuzzle puzzle;
    const CreateOutcome outcome = generator.CreatePuzzle(random, cancel, puzzle);
    FUZZ_CHECK(outcome != CreateOutcome::Cancelled);
    FUZZ_CHECK((outcome == CreateOutcome::Created) == anyChain, "outcome %d", int(outcome));
    if (outcome != CreateOutcome::Created) break;

    FUZZ_CHECK(puzzle.words.size() == static_cast<size_t>(width));
    FUZZ_CHECK(puzzle.links.size() == static_cast<size_t>(width - 1));
    const std::vector<Level> chain = NaiveChain(usable, width, puzzle.words[0]);
    FUZZ_CHECK(chain.size() == static_cast<size_t>(width), "start word makes no chain");
    for (int i = 0; i < width; ++i) {
      FUZZ_CHECK(puzzle.words[i] == chain[i].word, "word %d differs from the greedy chain", i);
      if (i == 0) continue;
      const fuzz::ReferenceLink link = fuzz::PlainLink(puzzle.words[i - 1], puzzle.words[i]);
      FUZZ_CHECK(!link.letters.empty() && puzzle.links[i - 1] == link.positions,
                 "words %d and %d are not linked at %s", i, i + 1, puzzle.links[i - 1].c_str());
    }

    Puzzle stored;
    StorePuzzle(puzzle, stored);
    FUZZ_CHECK(stored.PuzzleSize == width && stored.Wlist == puzzle.words);
    for (int r = 1; r <= width; ++r) {
      if (r < width) FUZZ_CHECK(stored.LinkPositions[r] == puzzle.links[r - 1]);
      for (int c = 1; c <= width; ++c) {
        FUZZ_CHECK(stored.Solution[r][c] == std::string(1, puzzle.words[r - 1][c - 1]));
        FUZZ_CHECK(stored.Entry[r][c] == ".");
      }
    }
  }
  return 0;
}
