#pragma once
// A label that reports mouse-button releases like the game's buttons do. Reached with Tab, it
// shows a dotted focus frame and Space or Enter click it.
#include <QLabel>

namespace sl {

class ClickLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ClickLabel(QWidget* parent = nullptr);
  explicit ClickLabel(const QString& text, QWidget* parent = nullptr);

  // A left click at the label's centre (a key, an assistive tool's press).
  void Press();

  // What assistive tools call the label: the pattern with "%1" replaced by the label's text
  // ("Puzzle size %1"), so the name follows the text. Empty: the text alone.
  QString SpokenName() const;
  void SetSpokenPattern(const QString& pattern) { spokenPattern_ = pattern; }

 Q_SIGNALS:
  // button: 1 left, 2 right, 4 middle; shift: 1 Shift, 2 Ctrl, 4 Alt; x, y in twips.
  void MouseUp(int button, int shift, float x, float y);

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QString spokenPattern_;
};

}  // namespace sl
