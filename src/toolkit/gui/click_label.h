#pragma once
// A label that reports mouse-button releases like the game's buttons do.
#include <QLabel>

namespace sl {

class ClickLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 Q_SIGNALS:
  // button: 1 left, 2 right, 4 middle; shift: 1 Shift, 2 Ctrl, 4 Alt; x, y in twips.
  void MouseUp(int button, int shift, float x, float y);

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace sl
