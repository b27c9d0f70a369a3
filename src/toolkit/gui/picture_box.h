#pragma once
// A drawing surface that keeps what is drawn on it until it is cleared, like a picture box:
// drawing goes into an image at the screen's full resolution and painting only shows that image.
#include <QImage>
#include <QWidget>
#include <memory>

#include "common/surface.h"

class QPainter;

namespace sl {

class QPainterSurface;

class PictureBox : public QWidget {
  Q_OBJECT

 public:
  explicit PictureBox(QWidget* parent = nullptr);
  ~PictureBox() override;

  // The surface that draws into the kept image, in twips from the top-left corner.
  Surface& Drawing();
  // Fills the whole surface with the back colour.
  void Clear();

  // Sets the back colour and clears the surface to it.
  void SetBackColor(Colour colour);
  Colour BackColor() const { return backColor_; }
  // The colour texts and lines are drawn in by the code that draws here.
  void SetForeColor(Colour colour) { foreColor_ = colour; }
  Colour ForeColor() const { return foreColor_; }

  int WidthTwips() const;
  int HeightTwips() const;

  // What is drawn so far, at device resolution.
  QImage Image();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  class KeptSurface;

  QPainterSurface& Painter();
  void FinishDrawing();
  bool ImageFits() const;
  void FitImage();
  QImage NewImage(const QSize& logicalSize) const;

  QImage image_;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<QPainterSurface> surface_;
  std::unique_ptr<KeptSurface> drawing_;
  FontStyle font_;
  Colour backColor_ = kWhite;
  Colour foreColor_ = kBlack;
};

}  // namespace sl
