#include "output/gui/printing.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrinter>
#include <QProgressDialog>
#include <memory>

#include "output/gui/print_dialog.h"
#include "output/print_range.h"
#include "output/render/paged_document.h"
#include "puzzle/puzzle_file.h"
#include "toolkit/gui/native_path.h"

namespace sl {
namespace {

QString AskForPdfName(const PrintJob& job, QWidget* parent) {
  QString offered = FromNativePath(DefaultPdfName(job.file, job.first, job.last));
  // A puzzle file where the player cannot write (the installed game's own puzzles) offers the
  // PDF file in the home folder instead.
  const QFileInfo beside(offered);
  if (!QFileInfo(beside.absolutePath()).isWritable()) {
    offered = QDir::home().filePath(beside.fileName());
  }
  const QString chosen = QFileDialog::getSaveFileName(
      parent, QStringLiteral("Print to a PDF file"), offered, QStringLiteral("PDF files (*.pdf)"));
  if (chosen.isEmpty()) return chosen;
  return FromNativePath(EnsureExtension(ToNativePath(chosen), "pdf"));
}

// A window that shows how far a range has come and can stop it; a single page needs none.
std::unique_ptr<QProgressDialog> ProgressFor(const PrintJob& job, QWidget* parent) {
  const int32_t pages = job.Pages();
  if (pages <= 1) return nullptr;
  auto progress = std::make_unique<QProgressDialog>(
      QStringLiteral("Printing puzzles ..."), QStringLiteral("Cancel"), 0, pages, parent);
  progress->setObjectName(QStringLiteral("PrintProgress"));
  progress->setWindowTitle(QStringLiteral("Print Puzzles"));
  progress->setWindowModality(Qt::WindowModal);
  progress->setMinimumDuration(0);
  return progress;
}

}  // namespace

PrinterRun PrintOnPrinter(clsPrintDialog& printDialog, const PrintJob& job, ClueSource* clues,
                          QWidget* parent) {
  PrinterRun run;
  if (job.Pages() == 0) return run;  // nothing to print: no file to ask for, no document
  QPrinter& printer = printDialog.Printer();
  const bool nameForThisRun = printDialog.NeedsPdfName();
  if (nameForThisRun) {
    const QString name = AskForPdfName(job, parent);
    if (name.isEmpty()) {
      run.declined = true;
      return run;
    }
    printer.setOutputFileName(name);
  }

  std::unique_ptr<QProgressDialog> progress = ProgressFor(job, parent);
  const int32_t first = job.FirstPrinted();
  PrintProgress onPage;
  if (progress) {
    // Setting the value lets pending window events run, so the window repaints and can cancel.
    onPage = [&progress, first](int32_t n) {
      progress->setValue(n - first);
      return !progress->wasCanceled();
    };
  }
  {
    PagedDocument document(printer);
    run.outcome = PrintPuzzles(document, job, clues, onPage);
    if (!document.End()) run.outcome.failed = true;
  }
  if (progress) progress->setValue(progress->maximum());
  // The next run asks for a file of its own again.
  if (nameForThisRun) printer.setOutputFileName(QString());
  return run;
}

}  // namespace sl
