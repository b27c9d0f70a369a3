#pragma once
// Printing a range on the current printer of the print dialog: one sheet per page, with a
// progress window that can stop the run, and a PDF file named by the player where the printer
// writes one.
#include "output/print_run.h"

class QWidget;

namespace sl {

class clsPrintDialog;

struct PrinterRun {
  PrintOutcome outcome;
  bool declined = false;  // the player gave no PDF file name: nothing was printed
};

// Prints the job's range. Where the current printer is a PDF file not yet named, asks where to
// save it first, offering the puzzle file's name with the range.
PrinterRun PrintOnPrinter(clsPrintDialog& printDialog, const PrintJob& job, ClueSource* clues,
                          QWidget* parent);

}  // namespace sl
