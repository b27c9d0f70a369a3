#include "output/gui/printing.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrinter>
#include <QProgressDialog>
#include <memory>

#include "common/files.h"
#include "output/gui/print_dialog.h"
#include "output/gui/print_queue.h"
#include "output/print_range.h"
#include "output/render/paged_document.h"
#include "output/render/pdf_book.h"
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

// The name the job carries in the printer's queue: "Stacklinks – puzzles.txt 5-6".
QString JobName(const PrintJob& job) {
  QString range = QString::number(job.FirstPrinted());
  if (job.LastPrinted() != job.FirstPrinted()) range += u'-' + QString::number(job.LastPrinted());
  return QStringLiteral("Stacklinks \u2013 ") + FromNativePath(FileNameOf(job.file)) + u' ' + range;
}

// Prints on the printer's queue, asking the print system first whether it takes the job and
// afterwards whether it took it.
PrintOutcome PrintOnQueue(QPrinter& printer, const PrintJob& job, ClueSource* clues,
                          const PrintProgress& onPage) {
  const std::string name = printer.printerName().toStdString();
  const std::string refusal = QueueRefusal(name);
  if (!refusal.empty()) return PrintOutcome::Failure(refusal);
  printer.setDocName(JobName(job));
  PrintOutcome outcome;
  {
    PagedDocument document(printer);
    outcome = PrintPuzzles(document, job, clues, onPage);
    if (!document.End()) outcome.failed = true;
  }
  if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted) {
    outcome.failed = true;
  }
  if (outcome.pages > 0 && !outcome.failed) {
    const std::string error = LastPrintSystemError();
    if (!error.empty()) {
      return PrintOutcome::Failure("the printer " + name + " did not take the job: " + error);
    }
  }
  if (outcome.failed && outcome.error.empty()) outcome.error = "the printer " + name + " failed";
  return outcome;
}

}  // namespace

PrinterRun PrintOnPrinter(clsPrintDialog& printDialog, const PrintJob& job, ClueSource* clues,
                          QWidget* parent) {
  PrinterRun run;
  if (job.Pages() == 0) return run;  // nothing to print: no file to ask for, no document
  QPrinter& printer = printDialog.Printer();
  QString pdfName = printDialog.PrintsToPdf() ? printer.outputFileName() : QString();
  if (printDialog.NeedsPdfName()) {
    // The next run asks for a file of its own again: the name is not kept on the printer.
    pdfName = AskForPdfName(job, parent);
    if (pdfName.isEmpty()) {
      run.declined = true;
      return run;
    }
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
  // A PDF file is written whole or not at all, by the same code as the tool's PDF books.
  run.outcome = pdfName.isEmpty()
                    ? PrintOnQueue(printer, job, clues, onPage)
                    : PrintPdfBook(ToNativePath(pdfName), job, clues, onPage,
                                   printer.pageLayout().pageSize());
  if (progress) progress->setValue(progress->maximum());
  return run;
}

}  // namespace sl
