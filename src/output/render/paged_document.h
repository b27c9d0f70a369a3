#pragma once
// Printed sheets on the pages of a printer or a PDF writer.
#include <QPainter>
#include <memory>

#include "output/print_run.h"

class QPagedPaintDevice;

namespace sl {

class QPainterSurface;

// Paper is taken as a 600 dpi device (a typical laser printer): line widths and the solution
// lines count in its dots, whatever the printer's own resolution.
inline constexpr double kPaperTwipsPerPixel = 2.4;

class PagedDocument : public PageDocument {
 public:
  // The device must outlive the document. Nothing is written until the first page is asked for.
  explicit PagedDocument(QPagedPaintDevice& device);
  ~PagedDocument() override;

  Surface* Page() override;
  void NewPage() override;
  // Ends the document (a started one is written out); false when it could not be written.
  bool End();

 private:
  QPagedPaintDevice& device_;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<QPainterSurface> surface_;
  bool failed_ = false;
};

}  // namespace sl
