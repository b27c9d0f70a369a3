#include "output/print_run.h"

namespace sl {

PrintOutcome PrintPuzzles(PageDocument& document, const PrintJob& job, ClueSource* clues,
                          const PrintProgress& progress) {
  PrintOutcome outcome;
  for (int32_t n = job.FirstPrinted(); n <= job.LastPrinted(); ++n) {
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
