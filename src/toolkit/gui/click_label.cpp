#include "toolkit/gui/click_label.h"

#include <QMouseEvent>

#include "toolkit/gui/box_control.h"

namespace sl {

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  const MouseArgs args = MouseArgsOf(*event, *this);
  if (args.button != 0) Q_EMIT MouseUp(args.button, args.shift, args.x, args.y);
  event->accept();
}

}  // namespace sl
