#pragma once
// A frame with a caption, drawn as a plain thin outline. The style's own group box tints its
// inside, which would set apart the scheme's background of the controls placed in it.
#include <QGroupBox>

namespace sl {

class PlainFrame : public QGroupBox {
  Q_OBJECT

 public:
  using QGroupBox::QGroupBox;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace sl
