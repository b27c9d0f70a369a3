#include "output/render/pdf_book.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include "output/render/paged_document.h"

namespace sl {
namespace {

constexpr int kPaperDotsPerInch = 600;

}  // namespace

PrintOutcome PrintPdfBook(const std::string& path, const PrintJob& job, ClueSource* clues,
                          const PrintProgress& progress) {
  QPdfWriter writer(QFile::decodeName(QByteArray::fromStdString(path)));
  writer.setResolution(kPaperDotsPerInch);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(0, 0, 0, 0)));
  writer.setCreator(QStringLiteral("Stacklinks"));
  writer.setTitle(QStringLiteral("Stacklinks Puzzles"));
  PagedDocument document(writer);
  PrintOutcome outcome = PrintPuzzles(document, job, clues, progress);
  if (!document.End()) outcome.failed = true;
  return outcome;
}

}  // namespace sl
