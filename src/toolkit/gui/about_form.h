#pragma once
// AboutForm: the modal about box ("About Stacklinks"): what the game is, its terms of use, the
// program's icon, the version and an "OK" button. It closes on "OK", a press on the text, Escape
// and the close box.
#include <QDialog>

#include "common/colour.h"

class QLabel;

namespace sl {

class BoxControl;
class IconView;

// The about text's last line: where the word lists and clues come from (the help page names
// them in the same words).
inline constexpr const char* kWordDataSources =
    "Word data: WordNet 3.0 (Princeton University) and SCOWL word lists.";

// The about text, one entry per line.
QStringList AboutLines();

class AboutForm : public QDialog {
  Q_OBJECT

 public:
  explicit AboutForm(QWidget* parent = nullptr);

  QLabel& AboutText() { return *text_; }
  IconView& Image1() { return *image_; }
  QLabel& Label1() { return *version_; }
  BoxControl& aboutok() { return *ok_; }


 Q_SIGNALS:
  // The box became the active window (and so takes the colours of the current scheme: the
  // window and its text in the background colour, the version label and "OK" in the button
  // colour).
  void Activated();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* text_ = nullptr;
  IconView* image_ = nullptr;
  QLabel* version_ = nullptr;
  BoxControl* ok_ = nullptr;
};

}  // namespace sl
