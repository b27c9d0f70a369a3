#include "app/play_commands.h"

#include <gtest/gtest.h>

#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "app/gui/form1_fixture.h"
#include "gui_support/modal_watch.h"
#include "output/gui/twip_geometry.h"

namespace sl {
namespace {

class PlayTest : public test::Form1Fixture {
 protected:
  GridView& Grid() { return form->Picture2(); }
  Puzzle& Shown() { return form->State().puzzle; }
  const PlayState& Play() { return form->State().play; }
  QString Status() { return form->Statx().text(); }
  void Release(const char* button) {
    QTest::mouseClick(form->Button(QString::fromLatin1(button)), Qt::LeftButton);
  }
  void Key(Qt::Key key) { QTest::keyClick(&Grid(), key); }
  // Moves the mouse to (x, y) twips on the grid.
  void MouseAt(int x, int y) {
    QTest::mouseMove(&Grid(), QPoint(TwipsToPixelsX(Grid(), x), TwipsToPixelsY(Grid(), y)));
  }
  QRect MarkerAt(int x, int y) {
    return QRect(TwipsToPixelsX(Grid(), x), TwipsToPixelsY(Grid(), y),
                 TwipsToPixelsX(Grid(), x + 90) - TwipsToPixelsX(Grid(), x),
                 TwipsToPixelsY(Grid(), y + 90) - TwipsToPixelsY(Grid(), y));
  }
  void FillWithSolution() {
    for (int r = 1; r <= Shown().PuzzleSize; ++r) {
      for (int c = 1; c <= Shown().PuzzleSize; ++c) Shown().Entry[r][c] = Shown().Solution[r][c];
    }
  }
  // Answers the next message box with the button at that place (0 Yes, 1 No), after checking
  // it asks the question.
  std::unique_ptr<test::ModalWatch> Answer(int place, const QString& question) {
    return std::make_unique<test::ModalWatch>([place, question](QWidget& box) {
      EXPECT_EQ(box.findChild<QLabel*>(QStringLiteral("Label1"))->text(), question);
      QTest::mouseClick(box.findChild<QPushButton*>(QStringLiteral("cmd%1").arg(place)),
                        Qt::LeftButton);
    });
  }
};

TEST_F(PlayTest, KeysSelectTypeAndClearOnTheGrid) {
  Start(test::kFivePuzzles);  // puzzle 1 is 8 by 8: GridLeft 1300, GridTop 900
  Grid().setFocus();
  Key(Qt::Key_Q);  // nothing selected yet: ignored
  EXPECT_EQ(Play().CursorRow, -1);
  Key(Qt::Key_Home);
  EXPECT_EQ(Play().CursorRow, 1);
  EXPECT_EQ(Play().CursorCol, 2);
  EXPECT_TRUE(form->Shape1().isVisible());
  EXPECT_EQ(form->Shape1().geometry(), MarkerAt(1700, 900));
  for (int i = 0; i < 7; ++i) Key(Qt::Key_Right);
  EXPECT_EQ(Play().CursorCol, 1);  // wrapped inside the row
  Key(Qt::Key_Up);
  EXPECT_EQ(Play().CursorRow, 8);

  QTest::keyClicks(&Grid(), "q7. ");
  EXPECT_EQ(Shown().Entry[8][1], "Q");
  Key(Qt::Key_Down);  // row 1, column 1
  QTest::keyClicks(&Grid(), "c");
  EXPECT_EQ(Shown().Entry[1][1], "C");
  EXPECT_EQ(Shown().Entry[2][1], ".");  // nothing is copied into other cells
  Release("cmddone");
  EXPECT_EQ(Status(), QStringLiteral("Fill all letters first"));

  Key(Qt::Key_Delete);
  EXPECT_EQ(Shown().Entry[1][1], ".");
  Key(Qt::Key_Up);
  Key(Qt::Key_Escape);
  EXPECT_EQ(Shown().Entry[8][1], ".");
  QTest::keyClicks(&Grid(), "Z");
  EXPECT_EQ(Shown().Entry[8][1], "Z");
  FillWithSolution();
  Release("cmddone");
  EXPECT_EQ(Status(), QStringLiteral("All done !"));
}

TEST_F(PlayTest, TheMouseSelectsWithoutAClickAndTheGapBelongsToTheRowAbove) {
  Start(test::kFivePuzzles);
  form->menuBar()->setFocus();
  ASSERT_NE(form->focusWidget(), &Grid());
  MouseAt(2205, 1905);  // column 3, in the gap under row 2
  EXPECT_EQ(Play().CursorRow, 2);
  EXPECT_EQ(Play().CursorCol, 3);
  EXPECT_EQ(form->Shape1().geometry(), MarkerAt(2100 + 32, 1440 + 32));
  EXPECT_EQ(form->focusWidget(), &Grid());
  MouseAt(100, 100);  // outside the grid: the selection stays
  EXPECT_EQ(Play().CursorRow, 2);

  form->Button(QStringLiteral("cmdcreate"))->setEnabled(false);  // as while creating
  MouseAt(2205, 1905);
  EXPECT_EQ(Play().CursorRow, -1);
  EXPECT_FALSE(form->Shape1().isVisible());
}

TEST_F(PlayTest, HoldingShowSolutionDrawsTheSolutionAndReleasingRestoresEntries) {
  Start(test::kFivePuzzles);
  Shown().Entry[1][1] = "Q";
  form->RedrawPuzzle();
  const Puzzle before = Shown();
  const QImage entries = Grid().Image();
  BoxControl* solution = form->Button(QStringLiteral("cmdshowsol"));
  QTest::mousePress(solution, Qt::RightButton);
  const QImage shown = Grid().Image();
  EXPECT_NE(shown, entries);
  QTest::mouseRelease(solution, Qt::RightButton);
  EXPECT_EQ(Grid().Image(), entries);
  EXPECT_EQ(Shown().Entry, before.Entry);

  FillWithSolution();  // the solution drawn over the grid looks like the solved grid
  form->RedrawPuzzle();
  EXPECT_EQ(Grid().Image(), shown);

  Shown().Entry = before.Entry;
  form->RedrawPuzzle();
  form->Button(QStringLiteral("cmdcreate"))->setEnabled(false);  // while creating: nothing
  QTest::mousePress(solution, Qt::LeftButton);
  EXPECT_EQ(Grid().Image(), entries);
  QTest::mouseRelease(solution, Qt::LeftButton);
}

TEST_F(PlayTest, ResetAsksAndOnYesReadsThePuzzleAgain) {
  Start(test::kFivePuzzles);
  Shown().Entry[3][3] = "K";
  {
    auto no = Answer(1, QStringLiteral("Reset puzzle?"));
    Release("cmdreset");
    ASSERT_TRUE(no->Handled());
  }
  EXPECT_EQ(Shown().Entry[3][3], "K");
  EXPECT_EQ(Status(), QString());

  Grid().setFocus();
  Key(Qt::Key_Home);
  {
    auto yes = Answer(0, QStringLiteral("Reset puzzle?"));
    form->MenuEntry(QStringLiteral("mnureset"))->trigger();
    ASSERT_TRUE(yes->Handled());
  }
  EXPECT_EQ(Shown().Entry[3][3], ".");
  EXPECT_EQ(Status(), QStringLiteral("Puzzle reset"));
  EXPECT_EQ(Play().CursorRow, -1);
  EXPECT_FALSE(form->Shape1().isVisible());
  EXPECT_EQ(Play().PuzzleNumber, 1);

  // A file that can no longer be read: the reader's error stays on the status line.
  ASSERT_TRUE(folder.Write("puzzles.txt", "").size());
  {
    auto yes = Answer(0, QStringLiteral("Reset puzzle?"));
    Release("cmdreset");
    ASSERT_TRUE(yes->Handled());
  }
  EXPECT_EQ(Status(), QStringLiteral("Error in reading puzzle"));
}

TEST_F(PlayTest, ResetWithoutAPuzzleFileAsksNothing) {
  Start("");
  Release("cmdreset");  // a question here would block the test
  Release("command15");
  Release("cmddone");
  EXPECT_EQ(Status(), QStringLiteral("Fill all letters first"));
}

TEST_F(PlayTest, RefreshCluesDrawsNewMeaningsAtRandom) {
  folder.Write("mean6.txt",
               "CURRENCY:money one\r\nCURRENCY:money two\r\nCURRENCY:money three\r\n"
               "PUNGENCY:sharpness\r\n");
  Start(test::kFivePuzzles);
  EXPECT_EQ(Shown().Clue[1], "money one");
  bool changed = false;
  for (int i = 0; i < 40 && !changed; ++i) {
    Release("command15");
    const std::string clue = Shown().Clue[1];
    const int32_t m = Shown().MeaningNumber[1];
    ASSERT_GE(m, 1);
    ASSERT_LE(m, 3);
    EXPECT_EQ(clue, m == 1 ? "money one" : m == 2 ? "money two" : "money three");
    EXPECT_EQ(Shown().Clue[2], "sharpness");
    changed = m != 1;
  }
  EXPECT_TRUE(changed);
}

}  // namespace
}  // namespace sl
