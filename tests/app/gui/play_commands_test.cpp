#include "app/play_commands.h"

#include <gtest/gtest.h>

#include <QMenuBar>

#include "app/gui/form1_fixture.h"
#include "toolkit/gui/twip_geometry.h"
#include "puzzle/cursor.h"

namespace sl {
namespace {

class PlayTest : public test::Form1Fixture {
 protected:
  void Key(Qt::Key key) { QTest::keyClick(&Grid(), key); }
  QPoint Pixels(int x, int y) { return {TwipsToPixelsX(Grid(), x), TwipsToPixelsY(Grid(), y)}; }
  void MouseAt(int x, int y) { QTest::mouseMove(&Grid(), Pixels(x, y)); }  // twips on the grid
  void FillWithSolution() { Shown().Entry = Shown().Solution; }
};

TEST_F(PlayTest, KeysSelectTypeAndClearOnTheGridAndCheckSaysWhenAllIsRight) {
  Start(test::kFivePuzzles);  // puzzle 1 is 8 by 8: GridLeft 1300, GridTop 900
  Grid().setFocus();
  const std::pair<Qt::Key, Cell> keys[] = {{Qt::Key_Home, {1, 2}}, {Qt::Key_Left, {1, 1}},
                                           {Qt::Key_Up, {8, 1}},   {Qt::Key_Right, {8, 2}},
                                           {Qt::Key_Down, {1, 2}}};
  for (const auto& [key, cell] : keys) {
    Key(key);
    EXPECT_EQ((Cell{Play().CursorRow, Play().CursorCol}), cell) << key;
  }
  EXPECT_TRUE(form->Shape1().isVisible());
  EXPECT_EQ(form->Shape1().pos(), Pixels(1700, 900));  // on the cell's corner
  QTest::keyClicks(&Grid(), "q7");
  EXPECT_EQ(Shown().Entry[1][2], "Q");
  Click("cmddone");
  EXPECT_EQ(Status(), QStringLiteral("Fill all letters first"));
  Key(Qt::Key_Delete);
  EXPECT_EQ(Shown().Entry[1][2], ".");
  QTest::keyClicks(&Grid(), "x");
  Key(Qt::Key_Escape);
  EXPECT_EQ(Shown().Entry[1][2], ".");

  FillWithSolution();
  Click("cmddone");
  EXPECT_EQ(Status(), QStringLiteral("All done !"));
}

TEST_F(PlayTest, TheMouseSelectsWithoutAClickAndTheGapBelongsToTheRowAbove) {
  Start(test::kFivePuzzles);
  form->menuBar()->setFocus();
  ASSERT_NE(form->focusWidget(), &Grid());
  MouseAt(2205, 1905);  // column 3, in the gap under row 2
  EXPECT_EQ((Cell{Play().CursorRow, Play().CursorCol}), (Cell{2, 3}));
  EXPECT_EQ(form->Shape1().pos(), Pixels(2100 + 32, 1440 + 32));
  EXPECT_EQ(form->focusWidget(), &Grid());
}

TEST_F(PlayTest, HoldingShowSolutionDrawsTheSolution) {
  Start(test::kFivePuzzles);
  const auto entries = Shown().Entry;
  FillWithSolution();  // the solution drawn over the grid looks like the solved grid
  form->RedrawPuzzle();
  const QImage solved = Grid().Image();
  Shown().Entry = entries;
  form->RedrawPuzzle();
  const QImage unsolved = Grid().Image();
  // A screen reader hears what is drawn: the solution's letter while held, the entry after.
  const QString letter = QString::fromStdString(Shown().Solution[1][1]);
  ASSERT_TRUE(Grid().CellName(0, 0).startsWith(QStringLiteral("empty")));
  QTest::mousePress(&Button("cmdshowsol"), Qt::RightButton);
  EXPECT_EQ(Grid().Image(), solved);
  EXPECT_TRUE(Grid().CellName(0, 0).startsWith(letter)) << Grid().CellName(0, 0).toStdString();
  QTest::mouseRelease(&Button("cmdshowsol"), Qt::RightButton);
  EXPECT_EQ(Grid().Image(), unsolved);
  EXPECT_TRUE(Grid().CellName(0, 0).startsWith(QStringLiteral("empty")));
  EXPECT_EQ(Shown().Entry, entries);
}

TEST_F(PlayTest, ResetAsksAndOnYesReadsThePuzzleAgain) {
  Start(test::kFivePuzzles);
  Shown().Entry[3][3] = "K";
  EXPECT_EQ(Answered([&] { Click("cmdreset"); }, 1), QStringLiteral("Reset puzzle?"));  // No
  EXPECT_EQ(Shown().Entry[3][3], "K");
  EXPECT_EQ(Status(), QString());

  Grid().setFocus();
  Key(Qt::Key_Home);
  Answered([&] { Entry("mnureset").trigger(); });  // Yes
  EXPECT_EQ(Shown().Entry[3][3], ".");
  EXPECT_EQ(Status(), QStringLiteral("Puzzle reset"));
  EXPECT_EQ(Play().CursorRow, -1);
  EXPECT_FALSE(form->Shape1().isVisible());

  // A file that can no longer be read: the reader's error stays on the status line.
  folder.Write("puzzles.txt", "");
  Answered([&] { Click("cmdreset"); });
  EXPECT_EQ(Status(), QStringLiteral("Error in reading puzzle"));
}

TEST_F(PlayTest, RefreshCluesDrawsNewMeaningsAtRandom) {
  folder.Write("mean6.txt", "CURRENCY:money one\r\nCURRENCY:money two\r\n");
  Start(test::kFivePuzzles);
  EXPECT_EQ(Shown().Clue[1], "money one");
  for (int i = 0; i < 40 && Shown().Clue[1] == "money one"; ++i) Click("command15");
  EXPECT_EQ(Shown().MeaningNumber[1], 2);
  EXPECT_EQ(Shown().Clue[1], "money two");
}

}  // namespace
}  // namespace sl
