#pragma once
// The grid surface Picture2: a kept drawing of the grid that reports the mouse moving over it,
// released keys and typed characters (positions in twips), and carries the cursor marker Shape1.
#include "toolkit/gui/picture_box.h"

namespace sl {

class GridView : public PictureBox {
  Q_OBJECT

 public:
  explicit GridView(QWidget* parent = nullptr);

  // The 90 by 90 twip cursor marker; hidden until a cell is selected.
  QWidget& Marker() { return *marker_; }
  void MoveMarker(int xTwips, int yTwips);
  void ShowMarker(bool visible);

 Q_SIGNALS:
  // button: the held buttons (1 left, 2 right, 4 middle, added); shift: 1 Shift, 2 Ctrl, 4 Alt.
  void MouseMoved(int button, int shift, int xTwips, int yTwips);
  // A released key (a Qt key code); every key is consumed.
  void KeyReleased(int key, int shift);
  // A typed character (the text the key produced); every character is consumed.
  void CharTyped(const QString& text);

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  QWidget* marker_;
};

}  // namespace sl
