#include "toolkit/gui/picture_box.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "toolkit/gui/twip_geometry.h"
#include "output/render/qpainter_surface.h"

namespace sl {

// Forwards every call to a painter on the kept image, begun on first use, and asks for a repaint.
class PictureBox::KeptSurface : public Surface {
 public:
  explicit KeptSurface(PictureBox& box) : box_(box) {}

  void FillRect(int x1, int y1, int x2, int y2, Colour colour) override {
    box_.Painter().FillRect(x1, y1, x2, y2, colour);
    box_.update();
  }
  void FrameRect(int x1, int y1, int x2, int y2, Colour colour, int lineWidth) override {
    box_.Painter().FrameRect(x1, y1, x2, y2, colour, lineWidth);
    box_.update();
  }
  void Line(int x1, int y1, int x2, int y2, Colour colour, int lineWidth) override {
    box_.Painter().Line(x1, y1, x2, y2, colour, lineWidth);
    box_.update();
  }
  void SetFont(const FontStyle& font) override {
    box_.font_ = font;
    if (box_.surface_) box_.surface_->SetFont(font);
  }
  FontStyle Font() const override { return box_.font_; }
  int TextWidth(const std::string& text) override { return box_.Painter().TextWidth(text); }
  int TextHeight(const std::string& text) override { return box_.Painter().TextHeight(text); }
  void DrawText(int x, int y, const std::string& text, Colour colour) override {
    box_.Painter().DrawText(x, y, text, colour);
    box_.update();
  }
  void DrawRotatedText(int xPixel, int yPixel, const std::string& text, const std::string& face,
                       int pixelHeight, int tenthsOfDegree, Colour colour) override {
    box_.Painter().DrawRotatedText(xPixel, yPixel, text, face, pixelHeight, tenthsOfDegree,
                                   colour);
    box_.update();
  }
  double TwipsPerPixelX() const override { return sl::TwipsPerPixelX(box_); }

 private:
  PictureBox& box_;
};

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent), drawing_(std::make_unique<KeptSurface>(*this)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  image_ = NewImage(size());
}

PictureBox::~PictureBox() { FinishDrawing(); }

Surface& PictureBox::Drawing() { return *drawing_; }

void PictureBox::Clear() {
  FinishDrawing();
  FitImage();
  image_.fill(ToQColor(backColor_, palette()));
  update();
}

void PictureBox::SetBackColor(Colour colour) {
  backColor_ = colour;
  // As with a picture box, a new back colour clears the drawing, so nothing drawn in the old
  // colour (or the blank image made before the surface had its size) is left standing.
  Clear();
}

int PictureBox::WidthTwips() const { return PixelsToTwipsX(*this, width()); }
int PictureBox::HeightTwips() const { return PixelsToTwipsY(*this, height()); }

QImage PictureBox::Image() {
  FinishDrawing();
  FitImage();
  return image_;
}

QPainterSurface& PictureBox::Painter() {
  if (surface_ && !ImageFits()) FinishDrawing();
  if (!surface_) {
    FitImage();
    painter_ = std::make_unique<QPainter>(&image_);
    surface_ = std::make_unique<QPainterSurface>(*painter_, palette());
    surface_->SetFont(font_);
  }
  return *surface_;
}

void PictureBox::FinishDrawing() {
  surface_.reset();
  if (painter_) painter_->end();
  painter_.reset();
}

QImage PictureBox::NewImage(const QSize& logicalSize) const {
  const double ratio = std::max(1.0, devicePixelRatioF());
  QImage image(std::max(1, static_cast<int>(std::ceil(logicalSize.width() * ratio))),
               std::max(1, static_cast<int>(std::ceil(logicalSize.height() * ratio))),
               QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  // Fonts in points and twips map onto the image as they do onto the screen.
  const int dotsPerMeterX = static_cast<int>(std::lround(logicalDpiX() / 0.0254));
  const int dotsPerMeterY = static_cast<int>(std::lround(logicalDpiY() / 0.0254));
  image.setDotsPerMeterX(dotsPerMeterX);
  image.setDotsPerMeterY(dotsPerMeterY);
  image.fill(ToQColor(backColor_, palette()));
  return image;
}

void PictureBox::paintEvent(QPaintEvent* event) {
  FinishDrawing();
  FitImage();
  QPainter painter(this);
  painter.fillRect(event->rect(), ToQColor(backColor_, palette()));
  painter.drawImage(QPointF(0, 0), image_);
}

void PictureBox::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FitImage();
}

bool PictureBox::ImageFits() const {
  return image_.deviceIndependentSize().toSize() == size() &&
         image_.devicePixelRatio() == std::max(1.0, devicePixelRatioF());
}

void PictureBox::FitImage() {
  // A hidden widget learns of a new size only when shown, so drawing checks the size itself.
  if (ImageFits()) return;
  // A new size keeps what is drawn where it still fits; new area shows the back colour.
  FinishDrawing();
  QImage resized = NewImage(size());
  QPainter painter(&resized);
  painter.drawImage(QPointF(0, 0), image_);
  painter.end();
  image_ = resized;
}

}  // namespace sl
