#include "output/render/paged_document.h"

#include <QPagedPaintDevice>
#include <QPalette>

#include "output/render/qpainter_surface.h"

namespace sl {

PagedDocument::PagedDocument(QPagedPaintDevice& device) : device_(device) {}

PagedDocument::~PagedDocument() { End(); }

Surface* PagedDocument::Page() {
  if (failed_) return nullptr;
  if (!painter_) {
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(&device_)) {
      failed_ = true;
      painter_.reset();
      return nullptr;
    }
    surface_ = std::make_unique<QPainterSurface>(*painter_, QPalette(), kPaperTwipsPerPixel);
  }
  return surface_.get();
}

void PagedDocument::NewPage() {
  if (painter_) device_.newPage();
}

bool PagedDocument::End() {
  surface_.reset();
  if (painter_) {
    if (!painter_->end()) failed_ = true;
    painter_.reset();
  }
  return !failed_;
}

}  // namespace sl
