#include "toolkit/gui/box_control.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>

#include "toolkit/gui/twip_geometry.h"
#include "output/render/qpainter_surface.h"
#include "toolkit/gui/accessible_controls.h"

namespace sl {
namespace {

constexpr int kPictureSize = 16;
constexpr double kDefaultFontPoints = 8;

}  // namespace

int MouseButtonValue(Qt::MouseButtons buttons) {
  int value = 0;
  if (buttons & Qt::LeftButton) value |= kMouseLeft;
  if (buttons & Qt::RightButton) value |= kMouseRight;
  if (buttons & Qt::MiddleButton) value |= kMouseMiddle;
  return value;
}

int ShiftStateValue(Qt::KeyboardModifiers modifiers) {
  int shift = 0;
  if (modifiers & Qt::ShiftModifier) shift |= kShiftMask;
  if (modifiers & Qt::ControlModifier) shift |= kCtrlMask;
  if (modifiers & Qt::AltModifier) shift |= kAltMask;
  return shift;
}

bool IsPressKey(const QKeyEvent& event) {
  if (event.isAutoRepeat() || (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    return false;
  }
  const int key = event.key();
  return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

void DrawFocusFrame(QPainter& painter, const QRect& area) {
  painter.save();
  painter.setClipping(false);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
  painter.drawRect(area.adjusted(2, 2, -4, -4));
  painter.restore();
}

MouseArgs MouseArgsOf(const QMouseEvent& event, const QWidget& widget) {
  MouseArgs args;
  args.button = MouseButtonValue(event.button());
  args.shift = ShiftStateValue(event.modifiers());
  args.x = static_cast<float>(event.position().x() * TwipsPerPixelX(widget));
  args.y = static_cast<float>(event.position().y() * TwipsPerPixelY(widget));
  return args;
}

BoxControl::BoxControl(QWidget* parent) : QWidget(parent) {
  QFont caption = font();
  caption.setPointSizeF(kDefaultFontPoints);
  setFont(caption);
  setFocusPolicy(Qt::TabFocus);  // reached with Tab; a click does not take the focus
  InstallAccessibleControls();
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoxControl::SetCaption(const QString& caption) {
  caption_ = caption;
  update();
}

void BoxControl::SetForeColor(Colour colour) {
  foreColor_ = colour;
  update();
}

void BoxControl::SetBackColor(Colour colour) {
  backColor_ = colour;
  update();
}

void BoxControl::SetFont(const QFont& newFont) { setFont(newFont); }

void BoxControl::SetFontSize(double points) {
  QFont changed = font();
  changed.setPointSizeF(points > 0 ? points : kDefaultFontPoints);
  setFont(changed);
}

void BoxControl::SetFontBold(bool bold) {
  QFont changed = font();
  changed.setBold(bold);
  setFont(changed);
}

void BoxControl::SetFontItalic(bool italic) {
  QFont changed = font();
  changed.setItalic(italic);
  setFont(changed);
}

void BoxControl::SetPicture(const QIcon& picture) {
  picture_ = picture;
  update();
}

void BoxControl::SetBorderStyle(int style) {
  borderStyle_ = style;
  update();
}

QSize BoxControl::sizeHint() const {
  return QSize(TwipsToPixelsX(*this, 315), TwipsToPixelsY(*this, 345));
}

void BoxControl::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange) update();
}

void BoxControl::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  QRect area = rect();
  if (borderStyle_ == 1) {
    painter.fillRect(area, Qt::black);
    area.adjust(1, 1, -1, -1);
  }
  painter.fillRect(area, ToQColor(backColor_, palette()));

  // One line of caption, centred; what does not fit is cut off on both sides.
  const QFontMetricsF metrics(font(), this);
  painter.setClipRect(area);
  painter.setPen(ToQColor(foreColor_, palette()));
  const double x = area.left() + (area.width() - metrics.horizontalAdvance(caption_)) / 2.0;
  const double y = area.top() + (area.height() - metrics.height()) / 2.0;
  painter.drawText(QPointF(x, y + metrics.ascent()), caption_);

  // Raised edge: light at the top and left, dark one pixel in from the right and bottom.
  const int w = area.width();
  const int h = area.height();
  const QPoint o = area.topLeft();
  painter.fillRect(QRect(o.x(), o.y(), 1, h), Qt::white);
  painter.fillRect(QRect(o.x(), o.y(), w, 1), Qt::white);
  painter.fillRect(QRect(o.x() + w - 1, o.y() + 1, 1, h - 1), Qt::black);
  painter.fillRect(QRect(o.x() + 1, o.y() + h - 1, w - 1, 1), Qt::black);

  // The picture covers the caption where they overlap.
  if (!picture_.isNull()) {
    const QRect box(o.x() + (w - kPictureSize) / 2, o.y() + (h - kPictureSize) / 2, kPictureSize,
                    kPictureSize);
    picture_.paint(&painter, box);
  }
  if (hasFocus()) DrawFocusFrame(painter, rect());
}

void BoxControl::mousePressEvent(QMouseEvent* event) {
  ReportMouse(*this, *event, &BoxControl::MouseDown);
}

void BoxControl::mouseReleaseEvent(QMouseEvent* event) {
  ReportMouse(*this, *event, &BoxControl::MouseUp);
}

}  // namespace sl

namespace sl {

void BoxControl::ReportCentre(void (BoxControl::*signal)(int, int, float, float), int button,
                              int shift) {
  Q_EMIT (this->*signal)(button, shift, static_cast<float>(PixelsToTwipsX(*this, width() / 2)),
                         static_cast<float>(PixelsToTwipsY(*this, height() / 2)));
}

void BoxControl::Press(int button) {
  if (!isEnabled()) return;
  ReportCentre(&BoxControl::MouseDown, button, 0);
  ReportCentre(&BoxControl::MouseUp, button, 0);
}

// Space and Enter press on the way down and release on the way up, so a button that acts while
// held (the solution display) works from the keyboard too.
void BoxControl::keyPressEvent(QKeyEvent* event) {
  if (!ReportKey(*event, &BoxControl::MouseDown)) QWidget::keyPressEvent(event);
}

void BoxControl::keyReleaseEvent(QKeyEvent* event) {
  if (!ReportKey(*event, &BoxControl::MouseUp)) QWidget::keyReleaseEvent(event);
}

bool BoxControl::ReportKey(QKeyEvent& event, void (BoxControl::*signal)(int, int, float, float)) {
  if (!IsPressKey(event)) return false;
  ReportCentre(signal, kMouseLeft, ShiftStateValue(event.modifiers()));
  event.accept();
  return true;
}

}  // namespace sl
