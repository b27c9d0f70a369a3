#pragma once
// Playing with the keyboard alone and with a screen reader: menu mnemonics, shortcut keys that
// leave every letter to the grid, the Tab order of the main window, the keys in the buttons'
// tool tips, and the names and descriptions assistive tools read for the buttons.
#include <QObject>
#include <QString>
#include <map>

namespace sl {

class Form1;

class KeyboardAccess : public QObject {
  Q_OBJECT

 public:
  explicit KeyboardAccess(Form1& form);

 protected:
  // Shows a button's tool tip with its key added; the tool tip text itself stays as it is.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void AddMnemonicsAndShortcuts();
  void AddButtonKeys();
  void SetTabOrder();

  Form1& form_;
  std::map<const QObject*, QString> keys_;  // each button's keys, for its tool tip
};

}  // namespace sl
