#pragma once
// The game's own command button: self-drawn (a caption centred on a plain background with a
// raised edge, optionally a small picture), no pressed or disabled look. It reports mouse presses
// and releases; hosts act on the release. Reached with Tab, it shows a dotted focus frame, and
// Space or Enter press and release it like the left mouse button.
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include "common/colour.h"
#include "common/mouse_buttons.h"

class QPainter;

namespace sl {

// The game's value of a button, or the sum for several held buttons; 0 for other buttons.
int MouseButtonValue(Qt::MouseButtons buttons);
int ShiftStateValue(Qt::KeyboardModifiers modifiers);

// The arguments the game's controls report with a mouse press or release: the button (0 for
// buttons the game does not know), the shift state and the position in twips.
struct MouseArgs {
  int button = 0;
  int shift = 0;
  float x = 0;
  float y = 0;
};
MouseArgs MouseArgsOf(const QMouseEvent& event, const QWidget& widget);

// Space, Enter or Return without Ctrl or Alt: the keys that press a focused button. Held keys
// repeat; only their first press and last release count.
bool IsPressKey(const QKeyEvent& event);

// The dotted frame a focused self-drawn control shows inside its edge.
void DrawFocusFrame(QPainter& painter, const QRect& area);

// Reports a press or release through the control's signal (button, shift, x, y) when the button
// is one the game knows; the event is consumed either way.
template <class Control>
void ReportMouse(Control& control, QMouseEvent& event,
                 void (Control::*signal)(int, int, float, float)) {
  const MouseArgs args = MouseArgsOf(event, control);
  if (args.button != 0) Q_EMIT (control.*signal)(args.button, args.shift, args.x, args.y);
  event.accept();
}

class BoxControl : public QWidget {
  Q_OBJECT

 public:
  explicit BoxControl(QWidget* parent = nullptr);

  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  Colour ForeColor() const { return foreColor_; }
  void SetForeColor(Colour colour);
  Colour BackColor() const { return backColor_; }
  void SetBackColor(Colour colour);
  QFont Font() const { return font(); }
  void SetFont(const QFont& font);
  double FontSize() const { return font().pointSizeF(); }
  void SetFontSize(double points);
  bool FontBold() const { return font().bold(); }
  void SetFontBold(bool bold);
  bool FontItalic() const { return font().italic(); }
  void SetFontItalic(bool italic);
  // A disabled button looks the same but takes no mouse input.
  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool enabled) { setEnabled(enabled); }
  // A 16 by 16 picture drawn centred over the caption; a null icon for none.
  QIcon Picture() const { return picture_; }
  void SetPicture(const QIcon& picture);
  // 1 draws a single-line frame around the button.
  int BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(int style);

  void Refresh() { update(); }

  // A full click at the button's centre (an assistive tool's press, a shortcut key); button 1
  // left, 2 right.
  void Press(int button = kMouseLeft);

  QSize sizeHint() const override;

 Q_SIGNALS:
  // button: 1 left, 2 right, 4 middle; shift: 1 Shift, 2 Ctrl, 4 Alt; x, y in twips.
  void MouseDown(int button, int shift, float x, float y);
  void MouseUp(int button, int shift, float x, float y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // The left button's report at the centre, as a key or an assistive tool gives it.
  void ReportCentre(void (BoxControl::*signal)(int, int, float, float), int button, int shift);
  // A press key reported through the signal; false for any other key.
  bool ReportKey(QKeyEvent& event, void (BoxControl::*signal)(int, int, float, float));

  QString caption_;
  Colour foreColor_ = kButtonText;
  Colour backColor_ = kButtonFace;
  QIcon picture_;
  int borderStyle_ = 0;
};

}  // namespace sl
