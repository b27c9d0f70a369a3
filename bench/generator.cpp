// The generator against the literal baseline, on the shipped dictionary (english1.txt in the
// program folder) and on a large one made from Debian's British English word list: time per
// attempt, time to the first puzzle from a fresh dictionary, and 1000 puzzles of size 12.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "baseline_generator.h"
#include "generation/dictionary.h"
#include "generation/generator.h"

namespace {

constexpr int kShipped = 0;
constexpr int kLarge = 1;
constexpr const char* kLargeSource = "/usr/share/dict/british-english-huge";

// Words of letters only, in upper case, sorted, each once.
std::vector<std::string> LargeWords(int size) {
  std::vector<std::string> words;
  std::ifstream in(kLargeSource);
  std::string line;
  while (std::getline(in, line)) {
    if (static_cast<int>(line.size()) != size) continue;
    if (!std::all_of(line.begin(), line.end(), [](unsigned char c) { return std::isalpha(c); })) {
      continue;
    }
    for (char& c : line) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    words.push_back(line);
  }
  std::sort(words.begin(), words.end());
  words.erase(std::unique(words.begin(), words.end()), words.end());
  return words;
}

std::vector<std::string> ShippedWords(int size) {
  sl::clsSimpleArray dictionary;
  sl::ReadDictionaryWords(std::string(STACKLINKS_BIN_DIR) + "/english1.txt", size, dictionary);
  return dictionary.Items();
}

// Read once per dictionary and size.
const std::vector<std::string>& Words(int which, int size) {
  static std::map<std::pair<int, int>, std::vector<std::string>> cache;
  auto [it, added] = cache.try_emplace({which, size});
  if (added) it->second = which == kShipped ? ShippedWords(size) : LargeWords(size);
  return it->second;
}

bool Ready(benchmark::State& state, const std::vector<std::string>& words) {
  state.SetLabel(std::string(state.range(0) == kShipped ? "english1.txt" : "british-huge") +
                 " size " + std::to_string(state.range(1)) + ", " +
                 std::to_string(words.size()) + " words");
  if (words.empty()) state.SkipWithError("dictionary missing or without words of this size");
  return !words.empty();
}

// Start rows drawn the same way for both generators.
std::vector<size_t> Starts(size_t count) {
  std::mt19937 engine(42);
  std::vector<size_t> starts(4096);
  for (size_t& start : starts) start = engine() % count;
  return starts;
}

void BM_AttemptBaseline(benchmark::State& state) {
  const std::vector<std::string>& words = Words(state.range(0), state.range(1));
  if (!Ready(state, words)) return;
  sl::baseline::Generator generator(words, static_cast<int>(state.range(1)), 1);
  const std::vector<size_t> starts = Starts(words.size());
  size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(generator.BuildChain(starts[next++ % starts.size()]));
  }
}

void BM_AttemptReal(benchmark::State& state) {
  const std::vector<std::string>& words = Words(state.range(0), state.range(1));
  if (!Ready(state, words)) return;
  sl::WordTable table(words, static_cast<int>(state.range(1)));
  table.IndexColumns();
  const std::vector<size_t> starts = Starts(words.size());
  size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        sl::BuildChain(table, static_cast<int32_t>(starts[next++ % starts.size()])));
  }
}

void BM_FirstPuzzleBaseline(benchmark::State& state) {
  const std::vector<std::string>& words = Words(state.range(0), state.range(1));
  if (!Ready(state, words)) return;
  uint32_t seed = 1;
  for (auto _ : state) {
    sl::baseline::Generator generator(words, static_cast<int>(state.range(1)), seed++);
    benchmark::DoNotOptimize(generator.CreatePuzzle());
  }
}

// From the words as the dictionary holds them: the table is laid out and nothing is remembered
// yet.
void BM_FirstPuzzleReal(benchmark::State& state) {
  const std::vector<std::string>& words = Words(state.range(0), state.range(1));
  if (!Ready(state, words)) return;
  uint32_t seed = 1;
  const std::atomic<bool> cancel{false};
  for (auto _ : state) {
    sl::Random random(seed++);
    sl::PuzzleGenerator generator(words, static_cast<int>(state.range(1)));
    sl::GeneratedPuzzle puzzle;
    benchmark::DoNotOptimize(generator.CreatePuzzle(random, cancel, puzzle));
  }
}

void BM_ThousandPuzzlesBaseline(benchmark::State& state) {
  const std::vector<std::string>& words = Words(state.range(0), state.range(1));
  if (!Ready(state, words)) return;
  for (auto _ : state) {
    sl::baseline::Generator generator(words, static_cast<int>(state.range(1)), 7);
    for (int i = 0; i < 1000; ++i) benchmark::DoNotOptimize(generator.CreatePuzzle());
  }
}

void BM_ThousandPuzzlesReal(benchmark::State& state) {
  const std::vector<std::string>& words = Words(state.range(0), state.range(1));
  if (!Ready(state, words)) return;
  const std::atomic<bool> cancel{false};
  for (auto _ : state) {
    sl::Random random(7);
    sl::PuzzleGenerator generator(words, static_cast<int>(state.range(1)));
    sl::GeneratedPuzzle puzzle;
    for (int i = 0; i < 1000; ++i) {
      benchmark::DoNotOptimize(generator.CreatePuzzle(random, cancel, puzzle));
    }
  }
}

void SizesEightAndTwelve(benchmark::internal::Benchmark* b) {
  for (int which : {kShipped, kLarge}) {
    for (int size : {8, 12}) b->Args({which, size});
  }
}

void EverySizeShipped(benchmark::internal::Benchmark* b) {
  for (int size = 8; size <= 12; ++size) b->Args({kShipped, size});
  for (int size : {8, 12}) b->Args({kLarge, size});
}

BENCHMARK(BM_AttemptBaseline)->Apply(SizesEightAndTwelve)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AttemptReal)->Apply(SizesEightAndTwelve)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstPuzzleBaseline)
    ->Apply(SizesEightAndTwelve)
    ->Iterations(1)
    ->Repetitions(5)
    ->DisplayAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstPuzzleReal)
    ->Apply(EverySizeShipped)
    ->Iterations(1)
    ->Repetitions(21)
    ->DisplayAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThousandPuzzlesBaseline)
    ->Args({kShipped, 12})
    ->Args({kLarge, 12})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThousandPuzzlesReal)
    ->Args({kShipped, 12})
    ->Args({kLarge, 12})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
