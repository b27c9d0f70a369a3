#include "toolkit/gui/plain_frame.h"

#include <QFontMetrics>
#include <QPainter>

namespace sl {

namespace {

constexpr int kCaptionLeft = 7;
constexpr int kCaptionPadding = 3;
constexpr double kCornerRadius = 3;
constexpr int kOutlineAlpha = 80;

}  // namespace

void PlainFrame::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing, true);
  const QFontMetrics metrics(font());
  const int captionHeight = metrics.height();

  // Half-pixel insets put the one-pixel outline on whole device pixels at any scale.
  QColor outline = palette().color(QPalette::WindowText);
  outline.setAlpha(kOutlineAlpha);
  painter.setPen(QPen(outline, 1));
  painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, captionHeight / 2 + 0.5, -0.5, -0.5),
                          kCornerRadius, kCornerRadius);

  if (title().isEmpty()) return;
  const QRect caption(kCaptionLeft, 0, metrics.horizontalAdvance(title()) + 2 * kCaptionPadding,
                      captionHeight);
  painter.fillRect(caption, palette().color(QPalette::Window));
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(caption, Qt::AlignCenter, title());
}

}  // namespace sl
