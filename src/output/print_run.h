#pragma once
// Printing a range of a puzzle file, one sheet per page, on any paged document: a printer, a PDF
// file, or a test's recording. Each puzzle is read from the file into a value of its own, so the
// puzzle on screen is never touched while the range prints.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "common/surface.h"
#include "output/puzzle_sheet.h"
#include "puzzle/show_puzzle.h"

namespace sl {

// Where printed sheets go, one page after another.
class PageDocument {
 public:
  virtual ~PageDocument() = default;
  // The surface of the current page; the first call starts the document. Null when the
  // document cannot be started (a file that cannot be written, a printer that is gone).
  virtual Surface* Page() = 0;
  // Ends the current page and starts the next one.
  virtual void NewPage() = 0;
};

struct PrintJob {
  std::string file;         // the puzzle file, PuzzleFile
  int32_t first = 1;
  int32_t last = 1;
  int32_t puzzleCount = 0;  // the file's puzzles: the run ends there whatever last says
  SheetFont font;

  // The puzzles the run prints, one a page: the range cut to 1..puzzleCount.
  int32_t FirstPrinted() const { return std::max(first, 1); }
  int32_t LastPrinted() const { return std::min(last, puzzleCount); }
  int32_t Pages() const { return std::max(0, LastPrinted() - FirstPrinted() + 1); }
};

struct PrintOutcome {
  int32_t pages = 0;    // one per puzzle number of the range that the file holds
  int32_t printed = 0;  // the sheets drawn; an unreadable puzzle keeps its page blank
  bool cancelled = false;
  bool failed = false;  // the output could not be made or written whole
  std::string error;    // why it failed, in a few words, when the reason is known

  static PrintOutcome Failure(std::string why) {
    PrintOutcome outcome;
    outcome.failed = true;
    outcome.error = std::move(why);
    return outcome;
  }
};

// Told the number of the puzzle about to be printed; returning false ends the run there.
using PrintProgress = std::function<bool(int32_t n)>;

// Prints the job's puzzles, every one read as the game shows it (first meanings as clues). No
// page follows the last sheet.
PrintOutcome PrintPuzzles(PageDocument& document, const PrintJob& job, ClueSource* clues,
                          const PrintProgress& progress = {});

}  // namespace sl
