// Stepping through a big puzzle file as next, previous and random do: count the file's puzzles,
// then read one record and look up its clues; on a file of 100,000 puzzles made from the shipped
// puzzles.txt, against the literal way (count every line, read lines 1 to n) in the same run.
// Target: <= 1 ms a step.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "common/line_index.h"
#include "common/text_lines.h"
#include "generation/meanings_clue_source.h"
#include "puzzle/puzzle_file.h"
#include "puzzle/puzzle_record.h"
#include "puzzle/show_puzzle.h"

namespace sl {
namespace {

const std::string kShippedFolder = std::string(STACKLINKS_BIN_DIR) + "/";
constexpr int32_t kPuzzles = 100000;

[[noreturn]] void Fail(const std::string& message) {
  std::fprintf(stderr, "bench_puzzle_files: %s\n", message.c_str());
  std::exit(1);
}

// The big file, written once to a temporary file that goes when the program ends. It is left
// alone for a few seconds first, as a file the player opens has been: the game trusts the index
// of a file only once it has settled.
struct TemporaryFile {
  std::string path = "/tmp/stacklinks-bench-puzzles.txt";
  ~TemporaryFile() { std::remove(path.c_str()); }
};

const std::string& BigPuzzleFile() {
  static const TemporaryFile file;
  static const bool written = [] {
    std::vector<std::string> shipped;
    if (!ReadLines(kShippedFolder + "puzzles.txt", shipped) || shipped.empty()) {
      Fail("cannot read the shipped puzzles.txt");
    }
    std::vector<std::string> lines;
    lines.reserve(kPuzzles);
    for (int32_t i = 0; i < kPuzzles; ++i) lines.push_back(shipped[i % shipped.size()]);
    if (!WriteLinesReplacing(file.path, lines)) Fail("cannot write " + file.path);
    std::this_thread::sleep_for(std::chrono::milliseconds(2500));
    return true;
  }();
  (void)written;
  return file.path;
}

// The numbers stepped to: spread over the whole file, as random steps are.
int32_t NextNumber(int32_t n, int32_t count) { return (n + 7919) % count + 1; }

struct Shown {
  Meanings meanings;
  Random random{1};
  MeaningsClueSource clues{meanings, kShippedFolder + kMeaningsFileName, random};
  Puzzle puzzle;
  Shown() {
    if (!clues.EnsureLoaded()) Fail("cannot read the shipped mean6.txt");
  }
};

void BM_StepLargePuzzleFile(benchmark::State& state) {
  const std::string& path = BigPuzzleFile();
  Shown shown;
  int32_t n = 1;
  for (auto _ : state) {
    const int32_t count = CountPuzzles(path);
    n = NextNumber(n, count);
    if (ReadPuzzleInto(shown.puzzle, path, n, count, &shown.clues).status != ShowStatus::Shown) {
      Fail("cannot show puzzle " + std::to_string(n));
    }
  }
  state.SetLabel(std::to_string(kPuzzles) + " puzzles");
}
BENCHMARK(BM_StepLargePuzzleFile)->Unit(benchmark::kMillisecond);

// The literal way: every step counts all lines and reads from the top to line n.
void BM_StepLargePuzzleFileBaseline(benchmark::State& state) {
  const std::string& path = BigPuzzleFile();
  Shown shown;
  int32_t n = 1;
  for (auto _ : state) {
    LineReader counter(path);
    int32_t count = 0;
    std::string line;
    while (counter.Next(line)) ++count;
    n = NextNumber(n, count);
    LineReader reader(path);
    for (int32_t i = 1; i <= n; ++i) reader.Next(line);
    std::optional<PuzzleRecord> record = ParsePuzzleRecord(line);
    if (!record) Fail("cannot read puzzle " + std::to_string(n));
    ApplyRecord(shown.puzzle, *record);
    shown.clues.LookUpFirstClues(shown.puzzle);
  }
  state.SetLabel(std::to_string(kPuzzles) + " puzzles");
}
BENCHMARK(BM_StepLargePuzzleFileBaseline)->Iterations(20)->Unit(benchmark::kMillisecond);

// What a changed file costs once: indexing it again.
void BM_IndexLargePuzzleFile(benchmark::State& state) {
  const std::string& path = BigPuzzleFile();
  LineIndex index;
  for (auto _ : state) {
    if (!index.Build(path)) Fail("cannot index " + path);
  }
  state.counters["lines"] = static_cast<double>(index.Count());
}
BENCHMARK(BM_IndexLargePuzzleFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sl

BENCHMARK_MAIN();
