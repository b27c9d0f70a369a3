// Makes the starter puzzle file: 100 puzzles of each size 8 to 12 from the everyday dictionary,
// made by the game's generator and chosen so that they do not repeat themselves
// (starter_selection.h). Every start word of the dictionary gives one attempt. Chains converge
// on the same words, so that gives too few puzzles that keep the rules: further rounds run every
// start word again on the dictionary without the words already used up and without a random
// fifth of the others; where the everyday words still give too few (size 12 has few), the later
// rounds run on every clean word. The random source has a fixed seed: the same inputs give the
// same file. Each size is ordered easier to harder; the file takes
// the sizes in turn (the easiest puzzle of each size first). Every word's meaning number is 1.
//
// It also prints what a player meets: the share of everyday words (SCOWL level 35 or less) in
// the starter puzzles and in 30 puzzles created as the game creates them, the attempts the
// generator needs per puzzle and the time it takes.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <exception>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/random.h"
#include "common/text_lines.h"
#include "familiarity.h"
#include "generation/generator.h"
#include "puzzle/puzzle_record.h"
#include "starter_selection.h"
#include "word_text.h"

namespace sl::wordlists {
namespace {

constexpr int kSmallest = 8, kLargest = 12;
constexpr int kEverydayLevel = 35;
constexpr int kCreatedSample = 30;
constexpr uint32_t kSampleSeed = 2024;
constexpr uint32_t kStarterSeed = 18;
constexpr int kEverydayRounds = 1000;  // then the rounds may take every clean word
constexpr int kMostRounds = 2000;
constexpr double kLeftOutShare = 0.2;

struct Sources {
  std::map<std::string, int> levels, tags;
  double Score(const std::string& word) const { return ScoreOf(levels, tags, Lower(word)); }
  bool Everyday(const std::string& word) const {
    return LevelOf(levels, Lower(word)) <= kEverydayLevel;
  }
};

// One attempt from every start word of the dictionary; the complete chains.
std::vector<StarterCandidate> EveryChain(const std::vector<std::string>& words, int size,
                                         const Sources& sources, int& complete) {
  const WordTable table(words, size);
  std::vector<StarterCandidate> candidates;
  complete = 0;
  for (int32_t start = 0; start < table.Count(); ++start) {
    const Chain chain = BuildChain(table, start);
    if (static_cast<int>(chain.size()) != size) continue;
    ++complete;
    const GeneratedPuzzle puzzle = ChainPuzzle(table, chain);
    StarterCandidate candidate{puzzle.words, puzzle.links, 0};
    for (const std::string& word : puzzle.words) candidate.meanScore += sources.Score(word);
    candidate.meanScore /= size;
    candidates.push_back(std::move(candidate));
  }
  return candidates;
}

std::string Percent(int part, int whole) {
  char text[16];
  std::snprintf(text, sizeof text, "%.0f%%", whole ? 100.0 * part / whole : 0.0);
  return text;
}

// Creates puzzles as the game does and prints the share of everyday words, the attempts per
// puzzle and the time.
void ReportCreation(const std::vector<std::string>& words, int size, const Sources& sources) {
  const auto begin = std::chrono::steady_clock::now();
  PuzzleGenerator generator(words, size);
  Random random(kSampleSeed + static_cast<uint32_t>(size));
  const std::atomic<bool> cancel{false};
  int everyday = 0, total = 0;
  for (int i = 0; i < kCreatedSample; ++i) {
    GeneratedPuzzle puzzle;
    if (generator.CreatePuzzle(random, cancel, puzzle) != CreateOutcome::Created) return;
    for (const std::string& word : puzzle.words) everyday += sources.Everyday(word) ? 1 : 0;
    total += size;
  }
  const double ms = std::chrono::duration<double, std::milli>(
                        std::chrono::steady_clock::now() - begin).count();
  std::printf("  %d created: %s everyday words; %lld attempts computed, %.0f ms\n",
              kCreatedSample, Percent(everyday, total).c_str(),
              static_cast<long long>(generator.ComputedAttempts()), ms);
}

bool MakeSize(const std::vector<std::string>& everyday, const std::vector<std::string>& clean,
              int size, const Sources& sources,
              std::vector<StarterCandidate>& puzzles) {
  const StarterRules rules;
  StarterSelection selection(rules);
  int complete = 0;
  const size_t dictionaryWords = everyday.size();
  Random random(kStarterSeed + static_cast<uint32_t>(size));
  for (int round = 0; !selection.Complete(); ++round) {
    if (round == kMostRounds) {
      std::fprintf(stderr, "make_starter_puzzles: only %zu puzzles of size %d keep the rules\n",
                   selection.Puzzles().size(), size);
      return false;
    }
    // The first round runs on the whole dictionary; later ones leave out the words already in
    // as many puzzles as allowed and a random share of the others, so that the chains take
    // other roads.
    const std::vector<std::string> usedUp = selection.UsedIn(rules.mostUsesOfWord);
    std::vector<std::string> roundWords;
    for (const std::string& word : round < kEverydayRounds ? everyday : clean) {
      if (std::binary_search(usedUp.begin(), usedUp.end(), word)) continue;
      if (round > 0 && random.Next() < kLeftOutShare) continue;
      roundWords.push_back(word);
    }
    std::vector<StarterCandidate> candidates = EveryChain(roundWords, size, sources, complete);
    if (round == 0) {
      std::printf("size %d: %zu words; %d of them start a complete chain (%.1f attempts per "
                  "puzzle)\n", size, dictionaryWords, complete,
                  complete ? static_cast<double>(dictionaryWords) / complete : 0.0);
    }
    selection.Offer(std::move(candidates));
  }
  puzzles = selection.Puzzles();
  int familiar = 0;
  std::map<std::string, int> uses;
  size_t mostShared = 0;
  for (size_t i = 0; i < puzzles.size(); ++i) {
    for (const std::string& word : puzzles[i].words) {
      familiar += sources.Everyday(word) ? 1 : 0;
      ++uses[word];
    }
    for (size_t j = 0; j < i; ++j) {
      size_t shared = 0;
      for (const std::string& word : puzzles[j].words) {
        shared += std::count(puzzles[i].words.begin(), puzzles[i].words.end(), word);
      }
      mostShared = std::max(mostShared, shared);
    }
  }
  const auto most = std::max_element(uses.begin(), uses.end(), [](const auto& a, const auto& b) {
    return a.second < b.second;
  });
  std::printf("  starters: %s everyday words; %zu different words; most used %s (%d puzzles); "
              "at most %zu words shared\n",
              Percent(familiar, static_cast<int>(puzzles.size()) * size).c_str(), uses.size(),
              most->first.c_str(), most->second, mostShared);
  return true;
}

std::vector<std::string> WordsOfSize(const std::vector<std::string>& dictionary, int size) {
  std::vector<std::string> words;
  for (const std::string& word : dictionary) {
    if (static_cast<int>(word.size()) == size) words.push_back(word);
  }
  return words;
}

std::string RecordOf(const StarterCandidate& candidate) {
  Puzzle puzzle;
  StorePuzzle(GeneratedPuzzle{candidate.words, candidate.links}, puzzle);
  for (size_t k = 1; k <= candidate.words.size(); ++k) puzzle.MeaningNumber[k] = 1;
  return FormatPuzzleRecord(puzzle);
}

int Run(int argc, char** argv) {
  if (argc != 6) {
    std::fprintf(stderr,
                 "usage: make_starter_puzzles EVERYDAY_DICTIONARY CLEAN_DICTIONARY SCOWL_DIR "
                 "CNTLIST OUT\n");
    return 2;
  }
  std::vector<std::string> dictionary, cleanDictionary;
  Sources sources;
  std::string error;
  if (!ReadLines(argv[1], dictionary)) error = std::string("cannot read ") + argv[1];
  if (error.empty() && !ReadLines(argv[2], cleanDictionary)) {
    error = std::string("cannot read ") + argv[2];
  }
  if (error.empty() && ReadScowlLevels(argv[3], sources.levels, error)) {
    ReadTagTotals(argv[4], sources.tags, error);
  }
  if (!error.empty()) {
    std::fprintf(stderr, "make_starter_puzzles: %s\n", error.c_str());
    return 1;
  }
  std::vector<std::vector<StarterCandidate>> bySize;
  for (int size = kSmallest; size <= kLargest; ++size) {
    const std::vector<std::string> words = WordsOfSize(dictionary, size);
    bySize.emplace_back();
    if (!MakeSize(words, WordsOfSize(cleanDictionary, size), size, sources, bySize.back())) {
      return 1;
    }
    ReportCreation(words, size, sources);
  }
  std::vector<std::string> lines;
  for (size_t turn = 0; turn < StarterRules{}.wanted; ++turn) {
    for (const auto& puzzles : bySize) lines.push_back(RecordOf(puzzles[turn]));
  }
  if (!WriteLinesReplacing(argv[5], lines)) {
    std::fprintf(stderr, "make_starter_puzzles: cannot write %s\n", argv[5]);
    return 1;
  }
  std::printf("wrote %zu puzzles to %s\n", lines.size(), argv[5]);
  return 0;
}

}  // namespace
}  // namespace sl::wordlists

int main(int argc, char** argv) {
  try {
    return sl::wordlists::Run(argc, argv);
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "make_starter_puzzles: %s\n", failure.what());
    return 1;
  }
}
