#pragma once
// A range of a puzzle file as a PDF book: one sheet per A4 page, no display needed.
#include <string>

#include "output/print_run.h"

namespace sl {

// Prints the range into the PDF file at path (replacing it). failed is set when the file could
// not be written; no file is made for a range that gives no page.
PrintOutcome PrintPdfBook(const std::string& path, const PrintJob& job, ClueSource* clues,
                          const PrintProgress& progress = {});

}  // namespace sl
