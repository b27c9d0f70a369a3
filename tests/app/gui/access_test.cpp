// The main window with the keyboard alone and with a screen reader, and the letters kept from
// one run to the next.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QHelpEvent>
#include <QMenu>
#include <QMenuBar>
#include <QToolTip>

#include "app/gui/form1_fixture.h"
#include "gui_support/heard_events.h"

namespace sl {
namespace {

class AccessTest : public test::Form1Fixture {
 protected:
  void StartActive(const std::string& puzzles) {
    Start(puzzles);
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    Grid().setFocus();
  }
  GridView& Grid() { return form->Picture2(); }
  Puzzle& Shown() { return form->State().puzzle; }
  // A key as the player presses it, wherever the focus is.
  void Key(QKeyCombination key) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : form.get(), key.key(), key.keyboardModifiers());
  }
  static QString Spoken(QObject* object, QAccessible::Text what = QAccessible::Name) {
    return QAccessible::queryAccessibleInterface(object)->text(what);
  }
};

TEST_F(AccessTest, EveryButtonAndLabelIsNamedAndDescribedForAScreenReader) {
  StartActive(test::kFivePuzzles);
  const std::pair<const char*, const char*> buttons[] = {
      {"cmddone", "Check"},           {"cmdshowsol", "Show solution (hold)"},
      {"command15", "New clues"},     {"cmdcreate", "Create a puzzle"},
      {"Command9", "Load a puzzle file"}, {"Command5", "Previous puzzle"},
      {"Command11", "Random puzzle"}, {"Command8", "Next puzzle"},
      {"cmdloadict", "Load a dictionary"}};
  for (const auto& [name, spoken] : buttons) {
    EXPECT_EQ(Spoken(&Button(name)), QString::fromLatin1(spoken)) << name;
  }
  // The size label is named after what it shows, and is heard changing.
  EXPECT_EQ(Spoken(&form->Label3()), QStringLiteral("Puzzle size 8"));
  test::HeardEvents heard;
  QTest::mouseClick(&form->Label3(), Qt::LeftButton);
  EXPECT_EQ(heard.Names(QAccessible::NameChanged), QStringList{QStringLiteral("Puzzle size 9")});

  // Every control in the window's designed area (the tools beyond it have their captions).
  QWidget* client = form->centralWidget();
  for (QWidget* control : client->findChildren<QWidget*>()) {
    if (!qobject_cast<BoxControl*>(control) && !qobject_cast<QLabel*>(control)) continue;
    if (control->mapTo(client, QPoint(0, 0)).x() >= client->minimumWidth()) continue;
    EXPECT_FALSE(Spoken(control, QAccessible::Description).isEmpty())
        << control->objectName().toStdString();
    if (qobject_cast<BoxControl*>(control)) {
      EXPECT_FALSE(Spoken(control).isEmpty()) << control->objectName().toStdString();
    }
  }
  // The tool tips of the position buttons still show the position, not their name.
  EXPECT_EQ(Button("Command8").toolTip(), Position());
}

TEST_F(AccessTest, TheMenusHaveMnemonicsAndTheKeysDoNotTakeALetterFromTheGrid) {
  StartActive(test::kFivePuzzles);
  for (QAction* top : form->menuBar()->actions()) {
    QList<QKeySequence> seen{QKeySequence::mnemonic(top->text())};
    for (QAction* entry : top->menu()->actions()) {
      if (entry->isSeparator()) continue;
      const QKeySequence mnemonic = QKeySequence::mnemonic(entry->text());
      EXPECT_FALSE(mnemonic.isEmpty()) << entry->objectName().toStdString();
      EXPECT_FALSE(seen.contains(mnemonic)) << entry->objectName().toStdString();
      seen << mnemonic;
      // A shortcut is never a key a letter is typed with.
      const QKeySequence key = entry->shortcut();
      if (key.isEmpty()) continue;
      EXPECT_TRUE(key[0].keyboardModifiers() != Qt::NoModifier || key[0].key() >= Qt::Key_F1)
          << key.toString().toStdString();
    }
  }
  EXPECT_EQ(QKeySequence::mnemonic(form->menuBar()->actions()[0]->text()),
            QKeySequence(Qt::ALT | Qt::Key_F));

  // Letters still go into the grid; Page Down and Page Up step through the file, with Ctrl to
  // its end; F5 checks.
  Key(Qt::Key_Home);
  QTest::keyClicks(&Grid(), "pqs");
  EXPECT_EQ(Shown().Entry[1][2], "S");
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

TEST_F(AccessTest, TabGoesRoundTheButtonsAndBackToTheGrid) {
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
}

TEST_F(AccessTest, TheCurrentClueFollowsTheGridAndAChosenClueTakesTheGridToItsWord) {
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
}

TEST_F(AccessTest, TheStatusAndTheLinkedLettersAreHeardChanging) {
  StartActive(test::kFivePuzzles);
  test::HeardEvents heard;
  Key(Qt::Key_F5);
  Key(Qt::Key_F5);
  Key(Qt::Key_PageDown);
  const QStringList names = heard.Names(QAccessible::NameChanged);
  EXPECT_EQ(names.count(QStringLiteral("Fill all letters first")), 2);
  EXPECT_TRUE(names.contains(form->Label5().text())) << names.join('|').toStdString();
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

  // The file holds other words now: the letters are not given to them. A damaged kept file is
  // passed over without a word (a message would stop the start here).
  std::string puzzles = test::kFivePuzzles;
  puzzles.replace(puzzles.find("CURRENCY"), 8, "CURRANTS");
  form.reset();
  StartActive(puzzles);
  EXPECT_EQ(Shown().Entry[1][2], ".");
  folder.Write("stacklinks.entries", "Stacklinks entries 1\r\n\xff\xfe");
  form.reset();
  StartActive("");
  EXPECT_EQ(Shown().Entry[1][2], ".");
}

}  // namespace
}  // namespace sl
