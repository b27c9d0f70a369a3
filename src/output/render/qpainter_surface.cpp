#include "output/render/qpainter_surface.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "common/codepage.h"

namespace sl {
namespace {

// The platform's system colour numbers (the low byte of a colour with the top bit set) and the
// palette roles that play their part here.
QPalette::ColorRole SystemColourRole(int index) {
  switch (index) {
    case 0x04: return QPalette::Window;           // menu
    case 0x05: return QPalette::Base;             // window background
    case 0x07: return QPalette::WindowText;       // menu text
    case 0x08: return QPalette::Text;             // window text
    case 0x0D: return QPalette::Highlight;
    case 0x0E: return QPalette::HighlightedText;
    case 0x0F: return QPalette::Button;           // button face
    case 0x10: return QPalette::Dark;             // button shadow
    case 0x12: return QPalette::ButtonText;
    case 0x14: return QPalette::Light;            // button highlight
    case 0x15: return QPalette::Shadow;
    case 0x16: return QPalette::Midlight;
    case 0x17: return QPalette::ToolTipText;
    case 0x18: return QPalette::ToolTipBase;
    default: return QPalette::Window;
  }
}

// Lines of a text as the platform measures it: CR LF, a lone CR or a lone LF each end a line.
int LineCount(const std::string& text) {
  int lines = 1;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      ++lines;
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (text[i] == '\n') {
      ++lines;
    }
  }
  return lines;
}

}  // namespace

QColor ToQColor(Colour colour, const QPalette& palette) {
  // System colours are those of an active, enabled window: a disabled control keeps its look.
  if (IsSystemColour(colour)) {
    return palette.color(QPalette::Active, SystemColourRole(SystemColourIndex(colour)));
  }
  return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

QString FromCp1252(const std::string& bytes) { return QString::fromStdString(Cp1252ToUtf8(bytes)); }

std::string ToCp1252(const QString& text) { return Utf8ToCp1252(text.toStdString()); }

double TwipsPerPixelX(const QPaintDevice& device) {
  return kTwipsPerInch / std::max(1, device.logicalDpiX());
}

double TwipsPerPixelY(const QPaintDevice& device) {
  return kTwipsPerInch / std::max(1, device.logicalDpiY());
}

QFont ToQFont(const FontStyle& style) {
  QFont font(FromCp1252(style.name));
  font.setPointSizeF(style.points > 0 ? style.points : 1.0);
  font.setBold(style.bold);
  font.setItalic(style.italic);
  font.setUnderline(style.underline);
  return font;
}

QPainterSurface::QPainterSurface(QPainter& painter)
    : QPainterSurface(painter, QGuiApplication::palette()) {}

QPainterSurface::QPainterSurface(QPainter& painter, const QPalette& palette, double twipsPerPixel)
    : painter_(painter), palette_(palette) {
  const QPaintDevice* device = painter_.device();
  if (device) {
    scaleX_ = 1.0 / sl::TwipsPerPixelX(*device);
    scaleY_ = 1.0 / sl::TwipsPerPixelY(*device);
    twipsPerPixelX_ = sl::TwipsPerPixelX(*device);
    devicePixelRatio_ = std::max(1.0, device->devicePixelRatioF());
  }
  if (twipsPerPixel > 0) {
    twipsPerPixelX_ = twipsPerPixel;
    pixelX_ = twipsPerPixel * scaleX_;
    pixelY_ = twipsPerPixel * scaleY_;
  }
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
  painter_.setFont(ToQFont(font_));
}

double QPainterSurface::X(int twips) const { return twips * scaleX_; }
double QPainterSurface::Y(int twips) const { return twips * scaleY_; }

double QPainterSurface::Snap(double value) const {
  return std::round(value * devicePixelRatio_) / devicePixelRatio_;
}

void QPainterSurface::FillBox(double left, double top, double right, double bottom,
                              Colour colour) {
  if (right <= left || bottom <= top) return;
  painter_.fillRect(QRectF(QPointF(left, top), QPointF(right, bottom)),
                    ToQColor(colour, palette_));
}

void QPainterSurface::FillRect(int x1, int y1, int x2, int y2, Colour colour) {
  // Both corners are inside the filled area, so the right and bottom edge pixels are painted.
  FillBox(Snap(X(std::min(x1, x2))), Snap(Y(std::min(y1, y2))),
          Snap(X(std::max(x1, x2))) + Snap(PixelX()), Snap(Y(std::max(y1, y2))) + Snap(PixelY()),
          colour);
}

void QPainterSurface::FrameRect(int x1, int y1, int x2, int y2, Colour colour, int lineWidth) {
  Line(x1, y1, x2, y1, colour, lineWidth);
  Line(x1, y2, x2, y2, colour, lineWidth);
  Line(x1, y1, x1, y2, colour, lineWidth);
  Line(x2, y1, x2, y2, colour, lineWidth);
}

void QPainterSurface::Line(int x1, int y1, int x2, int y2, Colour colour, int lineWidth) {
  const int pixels = std::max(1, lineWidth);
  const double thickX = std::max(1.0 / devicePixelRatio_, Snap(pixels * PixelX()));
  const double thickY = std::max(1.0 / devicePixelRatio_, Snap(pixels * PixelY()));
  // Straight lines are filled as whole device pixels, centred on the coordinate, so they stay
  // sharp at any scale; slanted ones are stroked smoothly.
  if (y1 == y2) {
    const double top = Snap(Y(y1) - std::floor(pixels / 2.0) * PixelY());
    FillBox(Snap(X(std::min(x1, x2))), top, Snap(X(std::max(x1, x2))) + thickX, top + thickY,
            colour);
    return;
  }
  if (x1 == x2) {
    const double left = Snap(X(x1) - std::floor(pixels / 2.0) * PixelX());
    FillBox(left, Snap(Y(std::min(y1, y2))), left + thickX, Snap(Y(std::max(y1, y2))) + thickY,
            colour);
    return;
  }
  painter_.save();
  painter_.setRenderHint(QPainter::Antialiasing, true);
  QPen pen(ToQColor(colour, palette_), pixels * PixelX());
  pen.setCapStyle(Qt::FlatCap);
  painter_.setPen(pen);
  painter_.drawLine(QPointF(X(x1), Y(y1)), QPointF(X(x2), Y(y2)));
  painter_.restore();
}

void QPainterSurface::SetFont(const FontStyle& font) {
  font_ = font;
  painter_.setFont(ToQFont(font_));
}

int QPainterSurface::TextWidth(const std::string& text) {
  QFontMetricsF metrics(painter_.font(), painter_.device());
  double widest = 0;
  for (const QString& line : FromCp1252(text).split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))) {
    widest = std::max(widest, metrics.horizontalAdvance(line));
  }
  return static_cast<int>(std::lround(widest / scaleX_));
}

int QPainterSurface::TextHeight(const std::string& text) {
  QFontMetricsF metrics(painter_.font(), painter_.device());
  return static_cast<int>(std::lround(metrics.height() * LineCount(text) / scaleY_));
}

void QPainterSurface::DrawText(int x, int y, const std::string& text, Colour colour) {
  DrawUnicode(x, y, FromCp1252(text), colour);
}

void QPainterSurface::DrawSystemText(int x, int y, const std::string& utf8, Colour colour) {
  DrawUnicode(x, y, QString::fromStdString(utf8), colour);
}

void QPainterSurface::DrawUnicode(int x, int y, const QString& text, Colour colour) {
  QFontMetricsF metrics(painter_.font(), painter_.device());
  painter_.setPen(ToQColor(colour, palette_));
  painter_.drawText(QPointF(Snap(X(x)), Snap(Y(y) + metrics.ascent())), text);
}

void QPainterSurface::DrawRotatedText(int xPixel, int yPixel, const std::string& text,
                                      const std::string& face, int pixelHeight,
                                      int tenthsOfDegree, Colour colour) {
  // A character height of h pixels is h pixels' worth of twips, 20 twips to the point.
  QFont font(FromCp1252(face));
  font.setPointSizeF(std::max(1, pixelHeight) * twipsPerPixelX_ / 20.0);
  const QFontMetricsF metrics(font, painter_.device());
  painter_.save();
  painter_.setRenderHint(QPainter::Antialiasing, true);
  painter_.setFont(font);
  painter_.translate(xPixel * PixelX(), yPixel * PixelY());
  painter_.rotate(-tenthsOfDegree / 10.0);  // the game's angles turn counter-clockwise
  painter_.setPen(ToQColor(colour, palette_));
  painter_.drawText(QPointF(0, metrics.ascent()), FromCp1252(text));
  painter_.restore();
}

}  // namespace sl
