#pragma once
// The drawing interface over a QPainter: the same twip drawing lands on a screen image, a
// printer page, a PDF or a clipboard picture. The scale is the device's logical DPI / 1440
// (15 twips per pixel at 96 DPI); texts are Windows-1252 and become Unicode only here.
// Line widths count in the device's pixels, or in the pixels the surface is told to take (paper
// is taken as a 600 dpi device, whatever the printer's own resolution).
#include <QFont>
#include <QPalette>
#include <QString>

#include "common/surface.h"

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
  // twipsPerPixel: the size of the pixels line widths and rotated texts count in; 0 takes the
  // device's own pixels.
  QPainterSurface(QPainter& painter, const QPalette& palette, double twipsPerPixel = 0);

  void FillRect(int x1, int y1, int x2, int y2, Colour colour) override;
  void FrameRect(int x1, int y1, int x2, int y2, Colour colour, int lineWidth) override;
  void Line(int x1, int y1, int x2, int y2, Colour colour, int lineWidth) override;

  void SetFont(const FontStyle& font) override;
  FontStyle Font() const override { return font_; }
  int TextWidth(const std::string& text) override;
  int TextHeight(const std::string& text) override;
  void DrawText(int x, int y, const std::string& text, Colour colour) override;
  void DrawSystemText(int x, int y, const std::string& utf8, Colour colour) override;
  void DrawRotatedText(int xPixel, int yPixel, const std::string& text, const std::string& face,
                       int pixelHeight, int tenthsOfDegree, Colour colour) override;
  double TwipsPerPixelX() const override { return twipsPerPixelX_; }

 private:
  void DrawUnicode(int x, int y, const QString& text, Colour colour);
  // Twips to the painter's coordinates, snapped to whole device pixels so edges stay crisp.
  double X(int twips) const;
  double Y(int twips) const;
  double Snap(double value) const;
  // One pixel of the surface in painter coordinates (1 unless told otherwise), for line widths.
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
  double twipsPerPixelX_ = 15;
  double devicePixelRatio_ = 1;
};

}  // namespace sl
