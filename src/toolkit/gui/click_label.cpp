#include "toolkit/gui/click_label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "toolkit/gui/twip_geometry.h"
#include "toolkit/gui/accessible_controls.h"
#include "toolkit/gui/box_control.h"

namespace sl {

ClickLabel::ClickLabel(QWidget* parent) : ClickLabel(QString(), parent) {}

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setFocusPolicy(Qt::TabFocus);
  InstallAccessibleControls();
}

void ClickLabel::Press() {
  if (!isEnabled()) return;
  Q_EMIT MouseUp(kMouseLeft, 0, static_cast<float>(PixelsToTwipsX(*this, width() / 2)),
                 static_cast<float>(PixelsToTwipsY(*this, height() / 2)));
}

QString ClickLabel::SpokenName() const {
  return spokenPattern_.isEmpty() ? text() : spokenPattern_.arg(text());
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  ReportMouse(*this, *event, &ClickLabel::MouseUp);
}

// The label acts on the release, as it does for the mouse.
void ClickLabel::keyPressEvent(QKeyEvent* event) {
  if (IsPressKey(*event)) {
    event->accept();
    return;
  }
  QLabel::keyPressEvent(event);
}

void ClickLabel::keyReleaseEvent(QKeyEvent* event) {
  if (IsPressKey(*event)) {
    event->accept();
    Press();
    return;
  }
  QLabel::keyReleaseEvent(event);
}

void ClickLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  QPainter painter(this);
  DrawFocusFrame(painter, rect());
}

}  // namespace sl
