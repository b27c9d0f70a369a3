// The main window with the keyboard alone and with a screen reader, and the letters kept from
// one run to the next.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QHelpEvent>
#include <QToolTip>

#include "app/gui/form1_fixture.h"
#include "gui_support/heard_events.h"

namespace sl {
namespace {

class AccessTest : public test::Form1Fixture {
 protected:
  // A key as the player presses it, wherever the focus is.
  void Key(QKeyCombination key) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : form.get(), key.key(), key.keyboardModifiers());
  }
  static QString Spoken(QObject* object, QAccessible::Text what = QAccessible::Name) {
    return QAccessible::queryAccessibleInterface(object)->text(what);
  }
};

// The menus' mnemonics and shortcuts are checked with their captions.
TEST_F(AccessTest, KeysStepThroughTheFileCheckAndAskBeforeLeaving) {
  StartActive(test::kFivePuzzles);
  // Page Down and Page Up step through the file, with Ctrl to its end; F5 checks.
  Key(Qt::Key_F5);
  EXPECT_EQ(Status(), QStringLiteral("Fill all letters first"));
  Key(Qt::Key_PageDown);
  EXPECT_EQ(Position(), QStringLiteral("p# 2 of 5"));
  Key(Qt::Key_PageUp);
  EXPECT_EQ(Position(), QStringLiteral("p# 1 of 5"));
  Key(Qt::CTRL | Qt::Key_PageDown);
  EXPECT_EQ(Position(), QStringLiteral("p# 5 of 5"));
  Key(Qt::CTRL | Qt::Key_PageUp);
  EXPECT_EQ(Position(), QStringLiteral("p# 1 of 5"));
  // Ctrl+Q asks before leaving.
  EXPECT_EQ(Answered([this] { Key(Qt::CTRL | Qt::Key_Q); }, 1), QStringLiteral("Exit?"));
  EXPECT_TRUE(form->isVisible());

  // A button's tool tip shows its key as well.
  BoxControl& check = Button("cmddone");
  QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), check.mapToGlobal(QPoint(2, 2)));
  QCoreApplication::sendEvent(&check, &help);
  EXPECT_EQ(QToolTip::text(), QStringLiteral("Check if puzzle done (F5)"));
  EXPECT_EQ(check.toolTip(), QStringLiteral("Check if puzzle done"));
}

TEST_F(AccessTest, TabGoesRoundTheNamedButtonsAndEveryControlIsDescribed) {
  StartActive(test::kFivePuzzles);
  QStringList order;
  for (int i = 0; i < 20 && (order.isEmpty() || QApplication::focusWidget() != &Grid()); ++i) {
    order << Spoken(QApplication::focusWidget());
    Key(Qt::Key_Tab);
  }
  EXPECT_EQ(order.join(QStringLiteral(", ")),
            QStringLiteral("Puzzle grid, Clues, Check, Show solution (hold), New clues, "
                           "Create a puzzle, Puzzle size 8, Previous puzzle, Random puzzle, "
                           "Next puzzle, Load a puzzle file, Load a dictionary, "
                           "Cancel puzzle creation"));
  // Space on a focused button works it.
  while (QApplication::focusWidget() != &Button("Command8")) Key(Qt::Key_Tab);
  Key(Qt::Key_Space);
  EXPECT_EQ(Position(), QStringLiteral("p# 2 of 5"));

  // Every control in the window's designed area is described (the tools beyond it have their
  // captions).
  QWidget* client = form->centralWidget();
  for (QWidget* control : client->findChildren<QWidget*>()) {
    if (!qobject_cast<BoxControl*>(control) && !qobject_cast<QLabel*>(control)) continue;
    if (control->mapTo(client, QPoint(0, 0)).x() >= client->minimumWidth()) continue;
    EXPECT_FALSE(Spoken(control, QAccessible::Description).isEmpty())
        << control->objectName().toStdString();
  }
}

TEST_F(AccessTest, TheCurrentClueFollowsTheGridAChosenClueTakesItToItsWordLettersAreHeard) {
  StartActive(test::kFivePuzzles);
  test::HeardEvents heard;
  Key(Qt::Key_Home);
  Key(Qt::Key_Down);
  EXPECT_EQ(form->picouter().CurrentClue(), 2);
  ASSERT_FALSE(heard.Names(QAccessible::Focus).isEmpty());
  EXPECT_EQ(heard.Names(QAccessible::Focus).last(),
            QStringLiteral("empty, linked to the cells above and below"));
  form->picouter().setFocus();
  Key(Qt::Key_Down);
  Key(Qt::Key_Return);  // clue 3: the grid selects a cell of word 3
  EXPECT_EQ(Play().CursorRow, 3);
  EXPECT_EQ(QApplication::focusWidget(), &Grid());
  // The linked letters are heard changing with the puzzle.
  Key(Qt::Key_PageDown);
  EXPECT_TRUE(heard.Names(QAccessible::NameChanged).contains(form->Label5().text()));
}

TEST_F(AccessTest, TheLettersTypedAreThereAfterARestartOnThatPuzzleOnly) {
  StartActive(test::kFivePuzzles);
  Key(Qt::Key_Home);
  QTest::keyClicks(&Grid(), "u");
  Entry("mnusaveopts").trigger();
  form.reset();

  StartActive("");
  EXPECT_EQ(Shown().Entry[1][2], "U");
  EXPECT_EQ(Shown().Entry[1][3], ".");
  // Another puzzle starts empty, and so does this one when it is shown again.
  Key(Qt::Key_PageDown);
  Key(Qt::Key_PageUp);
  EXPECT_EQ(Shown().Entry[1][2], ".");
  // Closing the window by the system keeps nothing new.
  Key(Qt::Key_Home);
  QTest::keyClicks(&Grid(), "v");
  form->close();
  form.reset();
  StartActive("");
  EXPECT_EQ(Shown().Entry[1][2], "U");

  // A damaged kept file is passed over without a word (a message would stop the start here).
  folder.Write("stacklinks.entries", "Stacklinks entries 1\r\n\xff\xfe");
  form.reset();
  StartActive("");
  EXPECT_EQ(Shown().Entry[1][2], ".");
}

}  // namespace
}  // namespace sl
