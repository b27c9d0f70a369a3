#include "toolkit/gui/click_label.h"

#include <QMouseEvent>

#include "toolkit/gui/box_control.h"

namespace sl {

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  ReportMouse(*this, *event, &ClickLabel::MouseUp);
}

}  // namespace sl
