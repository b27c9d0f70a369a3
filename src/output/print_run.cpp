#include "output/print_run.h"

#include <algorithm>

namespace sl {

PrintOutcome PrintPuzzles(PageDocument& document, const PrintJob& job, ClueSource* clues,
                          const PrintProgress& progress) {
  PrintOutcome outcome;
  const int32_t end = std::min(job.last, job.puzzleCount);
  for (int32_t n = std::max(job.first, 1); n <= end; ++n) {
    if (progress && !progress(n)) {
      outcome.cancelled = true;
      break;
    }
    if (outcome.pages > 0) document.NewPage();
    Surface* page = document.Page();
    if (!page) {
      outcome.failed = true;
      break;
    }
    ++outcome.pages;

    SheetContent sheet;
    sheet.number = n;
    sheet.file = job.file;
    sheet.font = job.font;
    const ShowOutcome read = ReadPuzzleInto(sheet.puzzle, job.file, n, job.puzzleCount, clues);
    if (read.status != ShowStatus::Shown) continue;
    DrawPuzzleSheet(*page, sheet, SheetKind::Printed);
    ++outcome.printed;
  }
  return outcome;
}

}  // namespace sl
