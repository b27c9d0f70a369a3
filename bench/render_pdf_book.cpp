// Printing a 500-puzzle book to PDF the way the print window and `stacklinks-tool print` do:
// every puzzle read from the file with its clues, one sheet per page. Target: under 5 s.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/random.h"
#include "common/text_lines.h"
#include "generation/meanings.h"
#include "generation/meanings_clue_source.h"
#include "output/render/pdf_book.h"

namespace sl {
namespace {

constexpr int32_t kBookPuzzles = 500;
const std::string kShippedFolder = std::string(STACKLINKS_BIN_DIR) + "/";

[[noreturn]] void Fail(const std::string& message) {
  std::fprintf(stderr, "bench_render_pdf_book: %s\n", message.c_str());
  std::exit(1);
}

// The shipped puzzles, repeated to 500, in a file that goes when the program ends.
struct BookFiles {
  std::string puzzles = "/tmp/stacklinks-bench-book.txt";
  std::string pdf = "/tmp/stacklinks-bench-book.pdf";
  BookFiles() {
    std::vector<std::string> shipped;
    if (!ReadLines(kShippedFolder + "puzzles.txt", shipped) || shipped.empty()) {
      Fail("cannot read the shipped puzzles.txt");
    }
    std::vector<std::string> book;
    for (int32_t n = 0; n < kBookPuzzles; ++n) book.push_back(shipped[n % shipped.size()]);
    if (!WriteLinesReplacing(puzzles, book)) Fail("cannot write " + puzzles);
  }
  ~BookFiles() {
    std::remove(puzzles.c_str());
    std::remove(pdf.c_str());
  }
};

void BM_PrintPdfBook(benchmark::State& state) {
  static const BookFiles files;
  Meanings meanings;
  Random random;
  MeaningsClueSource clues(meanings, kShippedFolder + kMeaningsFileName, random);
  if (!clues.EnsureLoaded()) Fail("cannot read the shipped mean6.txt");
  PrintJob job;
  job.file = files.puzzles;
  job.first = 1;
  job.last = kBookPuzzles;
  job.puzzleCount = kBookPuzzles;
  for (auto _ : state) {
    const PrintOutcome outcome = PrintPdfBook(files.pdf, job, &clues);
    if (outcome.failed || outcome.printed != kBookPuzzles) Fail("the book was not printed whole");
  }
  state.counters["pages"] = kBookPuzzles;
}
BENCHMARK(BM_PrintPdfBook)->Unit(benchmark::kSecond)->Iterations(3);

}  // namespace
}  // namespace sl

int main(int argc, char** argv) {
  // Fonts need a QGuiApplication; the offscreen platform needs no display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
