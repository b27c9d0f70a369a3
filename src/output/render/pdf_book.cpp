#include "output/render/pdf_book.h"

#include <QFile>
#include <QPageLayout>
#include <QPdfWriter>

#include "common/files.h"
#include "output/render/paged_document.h"

namespace sl {
namespace {

constexpr int kPaperDotsPerInch = 600;

}  // namespace

PrintOutcome PrintPdfBook(const std::string& path, const PrintJob& job, ClueSource* clues,
                          const PrintProgress& progress, const QPageSize& paper) {
  ReplacingFile output;
  if (!output.Open(path)) return PrintOutcome::Failure(output.Error());
  QFile file;
  if (!file.open(output.Descriptor(), QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
    return PrintOutcome::Failure(file.errorString().toStdString());
  }
  PrintOutcome outcome;
  {
    QPdfWriter writer(&file);
    writer.setResolution(kPaperDotsPerInch);
    writer.setPageLayout(QPageLayout(paper, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer.setCreator(QStringLiteral("Stacklinks"));
    writer.setTitle(QStringLiteral("Stacklinks Puzzles"));
    PagedDocument document(writer);
    outcome = PrintPuzzles(document, job, clues, progress);
    if (!document.End()) outcome.failed = true;
  }
  // Every write the PDF writer made went through the file: one that failed left its error there.
  if (!file.flush() || file.error() != QFileDevice::NoError) {
    outcome.failed = true;
    outcome.error = file.errorString().toStdString();
  }
  file.close();
  if (outcome.pages == 0 || outcome.failed) return outcome;  // the old file stays
  if (!output.Commit()) {
    outcome.failed = true;
    outcome.error = output.Error();
  }
  return outcome;
}

}  // namespace sl
