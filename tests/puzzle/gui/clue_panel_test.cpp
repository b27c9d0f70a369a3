#include "puzzle/gui/clue_panel.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>

#include "output/gui/picture_box.h"
#include "output/gui/twip_geometry.h"

namespace sl {
namespace {

// Twelve clues that wrap over several lines each, so the list is taller than the panel.
Puzzle LongClues() {
  Puzzle puzzle;
  puzzle.PuzzleSize = 12;
  for (int k = 1; k <= 12; ++k) {
    puzzle.Wlist.push_back("WORDWORDWORD");
    puzzle.Clue[k] = "a clue that is long enough to wrap over four or five lines of the panel, "
                     "which makes twelve of them far taller than the panel itself";
  }
  return puzzle;
}

class CluePanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PlaceInTwips(panel, 0, 0, 3195, 6510);
    panel.show();
    panel.DrawClues(LongClues(), "Arial", 8, kBlack, RGB(220, 228, 238));
  }

  // Presses, or moves with it held, the button at height y (pixels) of the panel.
  void Mouse(QEvent::Type type, int y, Qt::MouseButton held) {
    PictureBox& inner = panel.Inner();
    const QPointF local = inner.mapFromParent(QPointF(50, y));
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : held;
    QMouseEvent event(type, local, inner.mapToGlobal(local), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&inner, &event);
  }
  void Press(int y, Qt::MouseButton held = Qt::LeftButton) {
    Mouse(QEvent::MouseButtonPress, y, held);
  }
  void MoveHeld(int y, Qt::MouseButton held = Qt::LeftButton) { Mouse(QEvent::MouseMove, y, held); }
  int Top() { return panel.Inner().y(); }

  CluePanel panel;
};

TEST_F(CluePanelTest, OnlyALeftDragScrollsAndOnlyWithinTheListTillItIsRedrawn) {
  EXPECT_EQ(Top(), 0);
  EXPECT_GT(panel.Inner().height(), panel.height());  // as tall as its clues
  Press(200, Qt::RightButton);
  MoveHeld(100, Qt::RightButton);
  EXPECT_EQ(Top(), 0);
  Press(200);
  MoveHeld(150);
  EXPECT_EQ(Top(), -50);
  MoveHeld(260);  // would pull the list below the top: refused
  EXPECT_EQ(Top(), -50);
  MoveHeld(200);
  EXPECT_EQ(Top(), 0);  // back to the top exactly

  // Push up step by step: it stops once the end of the list is visible.
  for (int y = 200; y > -2000; y -= 10) MoveHeld(y);
  const int stopped = Top();
  EXPECT_LT(stopped + panel.Inner().height(), panel.height());
  EXPECT_GT(stopped + panel.Inner().height(), panel.height() - 12);
  MoveHeld(200 + stopped + 20);  // down again is fine (taken 200 below its top)
  EXPECT_GT(Top(), stopped);

  panel.DrawClues(LongClues(), "Arial", 8.5, kBlack, kWhite);  // half of font size 17
  EXPECT_EQ(Top(), 0);
  EXPECT_EQ(panel.Inner().Drawing().Font().points, 8.5);
}

}  // namespace
}  // namespace sl
