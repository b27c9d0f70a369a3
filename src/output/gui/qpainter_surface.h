#pragma once
// The drawing interface over a QPainter: the same twip drawing lands on a screen image, a
// printer page, a PDF or a clipboard picture. The scale is the device's logical DPI / 1440
// (15 twips per pixel at 96 DPI); texts are Windows-1252 and become Unicode only here.
#include <QFont>
#include <QPalette>
#include <QString>

#include "output/surface.h"

class QPainter;
class QPaintDevice;

namespace sl {

inline constexpr double kTwipsPerInch = 1440.0;

// The colour a game colour value stands for; system colours come from the palette.
QColor ToQColor(Colour colour, const QPalette& palette);

// Windows-1252 bytes to a widget text and back.
QString FromCp1252(const std::string& bytes);
std::string ToCp1252(const QString& text);

// Twips per pixel of a device (15 at 96 DPI), horizontally and vertically.
double TwipsPerPixelX(const QPaintDevice& device);
double TwipsPerPixelY(const QPaintDevice& device);

// The QFont of a font description (points, so it scales with the device it is used on).
QFont ToQFont(const FontStyle& style);

class QPainterSurface : public Surface {
 public:
  // The painter must be active on its device for the surface's whole life. System colours come
  // from the palette (the application's when none is given).
  explicit QPainterSurface(QPainter& painter);
  QPainterSurface(QPainter& painter, const QPalette& palette);

  void FillRect(int x1, int y1, int x2, int y2, Colour colour) override;
  void FrameRect(int x1, int y1, int x2, int y2, Colour colour, int lineWidth) override;
  void Line(int x1, int y1, int x2, int y2, Colour colour, int lineWidth) override;

  void SetFont(const FontStyle& font) override;
  FontStyle Font() const override { return font_; }
  int TextWidth(const std::string& text) override;
  int TextHeight(const std::string& text) override;
  void DrawText(int x, int y, const std::string& text, Colour colour) override;
  void DrawRotatedText(int x, int y, const std::string& text, Colour colour,
                       int tenthsOfDegree) override;

 private:
  // Twips to the painter's coordinates, snapped to whole device pixels so edges stay crisp.
  double X(int twips) const;
  double Y(int twips) const;
  double Snap(double value) const;
  // One screen pixel of the device (1 at 96 DPI, more on a printer), for pixel line widths.
  double PixelX() const { return pixelX_; }
  double PixelY() const { return pixelY_; }
  void FillBox(double left, double top, double right, double bottom, Colour colour);

  QPainter& painter_;
  QPalette palette_;
  FontStyle font_;
  double scaleX_ = 1;
  double scaleY_ = 1;
  double pixelX_ = 1;
  double pixelY_ = 1;
  double devicePixelRatio_ = 1;
};

}  // namespace sl
