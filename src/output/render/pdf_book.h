#pragma once
// A range of a puzzle file as a PDF book: one sheet per page, no display needed.
#include <QPageSize>
#include <string>

#include "output/print_run.h"

namespace sl {

// Prints the range into the PDF file at path, replacing it only once the whole book is written
// (a failed run leaves the old file, or none). failed is set, with the reason, when the file
// could not be written; no file is made for a range that gives no page.
PrintOutcome PrintPdfBook(const std::string& path, const PrintJob& job, ClueSource* clues,
                          const PrintProgress& progress = {},
                          const QPageSize& paper = QPageSize(QPageSize::A4));

}  // namespace sl
