#include "app/keyboard_access.h"

#include <QAction>
#include <QHelpEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolTip>

#include "app/form1.h"
#include "toolkit/gui/box_control.h"
#include "toolkit/gui/click_label.h"

namespace sl {
namespace {

// A menu entry's text with its mnemonic marked (the text shown is unchanged) and its key.
struct MenuKeys {
  QAction* Form1Widgets::*handle;
  const char* text;
  QKeySequence key;
};

const MenuKeys kMenuKeys[] = {
    {&Form1Widgets::mnucolsch, "&Edit Options", {}},
    {&Form1Widgets::mnusaveopts, "&Save Options", {}},
    {&Form1Widgets::mnudict, "Load a &Dictionary", {}},
    {&Form1Widgets::mnuloadpuz, "&Load a Puzzle File", QKeySequence(Qt::CTRL | Qt::Key_O)},
    {&Form1Widgets::mnuprint, "&Print", QKeySequence(Qt::CTRL | Qt::Key_P)},
    {&Form1Widgets::mnuhelp, "&Help", QKeySequence(Qt::Key_F1)},
    {&Form1Widgets::mnuabout, "&About", {}},
    {&Form1Widgets::cmdexitx, "E&xit", QKeySequence(Qt::CTRL | Qt::Key_Q)},
    {&Form1Widgets::can1, "&Cancel", {}},
    {&Form1Widgets::mnucreate, "&Create", {}},
    {&Form1Widgets::mnureset, "&Reset", {}},
    {&Form1Widgets::mnusave, "&Save", QKeySequence(Qt::CTRL | Qt::Key_S)},
    {&Form1Widgets::mnucopy2clip, "C&opy to Clipboard", {}},
    {&Form1Widgets::can6, "Ca&ncel", {}},
};

// A button: what assistive tools call it and say it does, and the key that presses it (with
// the right mouse button for the second key).
struct ButtonAccess {
  BoxControl* Form1Widgets::*handle;
  const char* name;
  const char* description;
  QKeySequence key;
  QKeySequence rightKey = {};
};

const ButtonAccess kButtonAccess[] = {
    {&Form1Widgets::cmddone, "Check", "Check if the puzzle is done", QKeySequence(Qt::Key_F5)},
    {&Form1Widgets::cmdshowsol, "Show solution (hold)",
     "Shows the solution while the button is held down", {}},
    {&Form1Widgets::command15, "New clues", "Chooses new clues for the words", {}},
    {&Form1Widgets::cmdcreate, "Create a puzzle", "Creates a new puzzle of the size shown", {}},
    {&Form1Widgets::Command5, "Previous puzzle",
     "Shows the previous puzzle of the file; with the right button the first",
     QKeySequence(Qt::Key_PageUp), QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
    {&Form1Widgets::Command11, "Random puzzle", "Shows a random puzzle of the file", {}},
    {&Form1Widgets::Command8, "Next puzzle",
     "Shows the next puzzle of the file; with the right button the last",
     QKeySequence(Qt::Key_PageDown), QKeySequence(Qt::CTRL | Qt::Key_PageDown)},
    {&Form1Widgets::Command9, "Load a puzzle file",
     "Chooses a puzzle file and shows its first puzzle", QKeySequence(Qt::CTRL | Qt::Key_O)},
    {&Form1Widgets::cmdloadict, "Load a dictionary",
     "Chooses the word list new puzzles are made from", {}},
    {&Form1Widgets::Command16, "Cancel puzzle creation", "Stops the puzzle being created", {}},
    {&Form1Widgets::cmdreset, "Clear entries", "Clears every letter typed, after asking", {}},
};

// A key a menu entry has already; the button that does the same leaves it to the menu.
bool IsMenuKey(const QKeySequence& key) {
  for (const MenuKeys& entry : kMenuKeys) {
    if (entry.key == key) return true;
  }
  return false;
}

// The key as the manual writes it ("Page Down" where Qt writes "PgDown").
QString KeyText(const QKeySequence& key) {
  return key.toString(QKeySequence::NativeText)
      .replace(QStringLiteral("PgDown"), QStringLiteral("Page Down"))
      .replace(QStringLiteral("PgUp"), QStringLiteral("Page Up"));
}

// "F5", "Page Up; Ctrl+Page Up with the right button", or "".
QString KeysOf(const ButtonAccess& access) {
  QString keys = KeyText(access.key);
  if (!access.rightKey.isEmpty()) keys += QStringLiteral("; ") + KeyText(access.rightKey) +
                                          QStringLiteral(" for the right button");
  return keys;
}

QString WithKeys(const QString& text, const QString& keys) {
  return keys.isEmpty() ? text : text + QStringLiteral(" (") + keys + QStringLiteral(")");
}

}  // namespace

KeyboardAccess::KeyboardAccess(Form1& form) : form_(form) {
  AddMnemonicsAndShortcuts();
  AddButtonKeys();
  SetTabOrder();
}

void KeyboardAccess::AddMnemonicsAndShortcuts() {
  const Form1Widgets& w = form_.Controls();
  for (QAction* top : form_.menuBar()->actions()) {
    const QString menu = top->menu() ? top->menu()->objectName() : QString();
    if (menu == QLatin1String("mnumain")) top->setText(QStringLiteral("&File"));
    if (menu == QLatin1String("mnudictx")) top->setText(QStringLiteral("&Puzzle"));
  }
  for (const MenuKeys& entry : kMenuKeys) {
    QAction* action = w.*entry.handle;
    action->setText(QString::fromLatin1(entry.text));
    action->setShortcut(entry.key);
  }
}

void KeyboardAccess::AddButtonKeys() {
  const Form1Widgets& w = form_.Controls();
  for (const ButtonAccess& access : kButtonAccess) {
    BoxControl* button = w.*access.handle;
    button->setAccessibleName(QString::fromLatin1(access.name));
    button->setAccessibleDescription(WithKeys(QString::fromLatin1(access.description),
                                              KeysOf(access)));
    keys_[button] = KeysOf(access);
    button->installEventFilter(this);
    const auto press = [this, button](QKeySequence key, int mouseButton) {
      if (key.isEmpty() || IsMenuKey(key)) return;
      auto* action = new QAction(this);
      action->setShortcut(key);
      form_.addAction(action);
      connect(action, &QAction::triggered, button, [button, mouseButton] {
        button->Press(mouseButton);
      });
    };
    press(access.key, kMouseLeft);
    press(access.rightKey, kMouseRight);
  }
}

void KeyboardAccess::SetTabOrder() {
  const Form1Widgets& w = form_.Controls();
  // Buttons without a place in the order (the maintenance tools, those that only carry a tip)
  // are left to the mouse.
  for (BoxControl* button : form_.findChildren<BoxControl*>()) button->setFocusPolicy(Qt::NoFocus);
  for (QPushButton* button : form_.findChildren<QPushButton*>()) {
    button->setFocusPolicy(Qt::NoFocus);
  }
  // Play first, then the size for the next creation, the way through the file, the files, and
  // the cancel button of a creation. Reset is reached through the menu.
  const QList<QWidget*> order{w.Picture2,  w.picouter,  w.cmddone,   w.cmdshowsol,
                              w.command15, w.cmdcreate, w.Label3,    w.Command5,
                              w.Command11, w.Command8,  w.Command9,  w.cmdloadict,
                              w.Command16};
  for (QWidget* widget : order) {
    if (widget != w.Picture2 && widget != w.picouter) widget->setFocusPolicy(Qt::TabFocus);
  }
  // The last one leads back to the grid.
  for (int i = 0; i < order.size(); ++i) {
    QWidget::setTabOrder(order[i], order[(i + 1) % order.size()]);
  }
}

bool KeyboardAccess::eventFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (event->type() != QEvent::ToolTip || !widget || widget->toolTip().isEmpty()) {
    return QObject::eventFilter(watched, event);
  }
  const auto keys = keys_.find(widget);
  if (keys == keys_.end() || keys->second.isEmpty()) {
    return QObject::eventFilter(watched, event);
  }
  QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(),
                     WithKeys(widget->toolTip(), keys->second), widget);
  return true;
}

}  // namespace sl
