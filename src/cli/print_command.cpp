// stacklinks-tool print: a range of a puzzle file as a PDF book, one sheet per page, as the game
// prints it. The range is checked as the print window checks it.
#include <iostream>
#include <memory>

#include "cli/clue_source_factory.h"
#include "cli/command_registry.h"
#include "cli/offscreen_gui.h"
#include "cli/options.h"
#include "output/print_range.h"
#include "output/render/pdf_book.h"
#include "puzzle/puzzle_file.h"

namespace sl::cli {
namespace {

constexpr const char* kPrintUsage = "print --file FILE --range A-B --pdf OUT [--meanings FILE]";

int RunPrint(const std::vector<std::string>& args) {
  std::string error;
  const std::optional<Options> options = ParseOptions(args,
                                                      {{"file", true, true},
                                                       {"range", true, true},
                                                       {"pdf", true, true},
                                                       {"meanings", true, false}},
                                                      error);
  if (!options) return UsageError(kPrintUsage, error);
  const std::string file = options->Value("file");
  const std::string pdf = options->Value("pdf");
  if (file.empty()) return UsageError(kPrintUsage, "--file needs a file name");
  if (pdf.empty()) return UsageError(kPrintUsage, "--pdf needs a file name");

  PrintJob job;
  job.file = file;
  job.puzzleCount = CountPuzzles(file);
  const PrintRangeChoice range = ParsePrintRange(options->Value("range"), job.puzzleCount);
  if (!range.error.empty()) {
    std::cerr << range.error << "\n";
    return kExitFailed;
  }
  job.first = range.first;
  job.last = range.last;

  const std::string meanings = options->Value("meanings", DefaultMeaningsFile());
  std::unique_ptr<ClueSource> clues = MakeClueSource(meanings);
  if (!clues->EnsureLoaded()) return Failure("cannot read the meanings file " + meanings);

  OffscreenGui gui;
  const PrintOutcome outcome = PrintPdfBook(pdf, job, clues.get());
  if (outcome.failed) {
    return Failure("cannot write " + pdf + (outcome.error.empty() ? "" : ": " + outcome.error));
  }
  std::cout << PuzzlesPrintedText(outcome.printed) << "\n";
  return kExitOk;
}

const bool kRegistered = RegisterCommand(
    {"print", kPrintUsage,
     "0 book written, 1 range not accepted or a file that cannot be read or written, "
     "2 usage error",
     &RunPrint});

}  // namespace
}  // namespace sl::cli
