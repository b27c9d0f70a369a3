// Reading the word files and looking up clues, on the files the game ships, on a large
// dictionary made from Debian's wbritish-huge the way english1.txt is made (without the WordNet
// filter) and on Debian's biggest American list as it stands (wamerican-insane, about 650,000
// lines). Targets: meanings read <= 100 ms, the clues of a 12-word puzzle <= 0.1 ms, a large
// dictionary read <= 50 ms, the huge list read for any size <= 150 ms.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/random.h"
#include "common/text_lines.h"
#include "generation/dictionary.h"
#include "generation/dictionary_words.h"
#include "generation/meanings.h"

namespace sl {
namespace {

const std::string kShippedFolder = std::string(STACKLINKS_BIN_DIR) + "/";
const char* kHugeWordList = "/usr/share/dict/british-english-huge";
const std::string kInsaneWordList = "/usr/share/dict/american-english-insane";

[[noreturn]] void Fail(const std::string& message) {
  std::fprintf(stderr, "bench_word_files: %s\n", message.c_str());
  std::exit(1);
}

// The large dictionary, written once to a temporary file that goes when the program ends.
struct TemporaryFile {
  std::string path = "/tmp/stacklinks-bench-large-dictionary.txt";
  ~TemporaryFile() { std::remove(path.c_str()); }
};

const std::string& LargeDictionary() {
  static const TemporaryFile file;
  static const bool written = [] {
    std::vector<std::string> list;
    if (!ReadLines(kHugeWordList, list)) Fail(std::string("cannot read ") + kHugeWordList);
    if (!WriteLinesReplacing(file.path, DictionaryWordsOf(list))) Fail("cannot write " + file.path);
    return true;
  }();
  (void)written;
  return file.path;
}

const Meanings& ShippedMeanings() {
  static const Meanings meanings = [] {
    Meanings loaded;
    if (!loaded.Read(kShippedFolder + kMeaningsFileName)) Fail("cannot read the shipped mean6.txt");
    return loaded;
  }();
  return meanings;
}

void BM_ReadShippedMeanings(benchmark::State& state) {
  const std::string path = kShippedFolder + kMeaningsFileName;
  for (auto _ : state) {
    Meanings meanings;
    if (!meanings.Read(path)) Fail("cannot read " + path);
    benchmark::DoNotOptimize(meanings.Lines().ListCount());
  }
}
BENCHMARK(BM_ReadShippedMeanings)->Unit(benchmark::kMillisecond);

// A puzzle of twelve 12-letter words spread over the shipped dictionary.
Puzzle TwelveWordPuzzle() {
  clsSimpleArray words;
  if (!ReadDictionaryWords(kShippedFolder + "english1.txt", 12, words) || words.ListCount() < 12) {
    Fail("the shipped english1.txt has too few 12-letter words");
  }
  Puzzle puzzle;
  puzzle.PuzzleSize = 12;
  for (int32_t k = 0; k < 12; ++k) puzzle.Wlist.push_back(words.list(k * words.ListCount() / 12));
  return puzzle;
}

void BM_LookUpClues(benchmark::State& state) {
  const Meanings& meanings = ShippedMeanings();
  Puzzle puzzle = TwelveWordPuzzle();
  Random random;
  const auto mode = static_cast<int32_t>(state.range(0));
  for (auto _ : state) {
    LookUpClues(puzzle, mode, meanings, random);
    benchmark::DoNotOptimize(puzzle.Clue[12].data());
  }
  state.SetLabel(mode == 1 ? "first meanings" : "random meanings");
}
BENCHMARK(BM_LookUpClues)->Arg(1)->Arg(-1)->Unit(benchmark::kMicrosecond);

void BM_ReadDictionary(benchmark::State& state, const std::string& (*file)()) {
  const std::string& path = file();
  const auto size = static_cast<int32_t>(state.range(0));
  clsSimpleArray dictionary;
  for (auto _ : state) {
    if (!ReadDictionaryWords(path, size, dictionary)) Fail("cannot read " + path);
    benchmark::DoNotOptimize(dictionary.ListCount());
  }
  state.counters["words"] = dictionary.ListCount();
}

const std::string& ShippedDictionary() {
  static const std::string path = kShippedFolder + "english1.txt";
  return path;
}

BENCHMARK_CAPTURE(BM_ReadDictionary, large, &LargeDictionary)
    ->Arg(8)->Arg(12)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadDictionary, shipped, &ShippedDictionary)
    ->Arg(8)->Arg(12)->Unit(benchmark::kMillisecond);

const std::string& HugeDictionary() { return kInsaneWordList; }

BENCHMARK_CAPTURE(BM_ReadDictionary, huge, &HugeDictionary)
    ->DenseRange(8, 12)->Unit(benchmark::kMillisecond);

// The plain way, for comparison in the same run: a line at a time through the line reader, each
// line of the size added to the list.
void BM_ReadDictionaryBaseline(benchmark::State& state, const std::string& (*file)()) {
  const std::string& path = file();
  const auto size = static_cast<size_t>(state.range(0));
  clsSimpleArray dictionary;
  for (auto _ : state) {
    dictionary.Clear();
    LineReader reader(path);
    std::string line;
    while (reader.Next(line)) {
      if (line.size() == size) dictionary.AddItem(line);
    }
    benchmark::DoNotOptimize(dictionary.ListCount());
  }
  state.counters["words"] = dictionary.ListCount();
}

BENCHMARK_CAPTURE(BM_ReadDictionaryBaseline, huge, &HugeDictionary)
    ->DenseRange(8, 12)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sl

BENCHMARK_MAIN();
