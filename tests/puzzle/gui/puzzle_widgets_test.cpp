// The grid surface and the clue panel.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include "toolkit/gui/picture_box.h"
#include "toolkit/gui/twip_geometry.h"
#include "puzzle/grid_layout.h"
#include "puzzle/gui/clue_panel.h"
#include "puzzle/gui/grid_view.h"

namespace sl {
namespace {

// A list 10000 twips tall in a panel 6000 tall: it moves only between its top at the panel's top
// and its end just visible, never further.
TEST(DraggedTop, NeitherBelowThePanelsTopNorUpOnceTheEndIsVisible) {
  const struct {
    int current, wanted, top;
  } drags[] = {{0, -500, -500}, {-500, 100, -500}, {-500, 0, 0},
               {-3900, -4200, -4200}, {-4200, -4300, -4200}, {-4200, -4000, -4000}};
  for (const auto& d : drags) {
    EXPECT_EQ(DraggedTop(d.current, d.wanted, 10000, 6000), d.top) << d.current << " " << d.wanted;
  }
}

TEST(CluePanelTest, TheListIsAsTallAsItsCluesAndOnlyALeftDragMovesIt) {
  CluePanel panel;
  PlaceInTwips(panel, 0, 0, 3195, 6510);
  panel.show();
  Puzzle puzzle;  // twelve clues that wrap, far taller than the panel
  for (int k = 1; k <= 12; ++k) {
    puzzle.Wlist.push_back("WORDWORDWORD");
    puzzle.Clue[k] = "a clue that is long enough to wrap over four or five lines of the panel, "
                     "which makes twelve of them far taller than the panel itself";
  }
  panel.DrawClues(puzzle, "Arial", 8.5, kBlack, kWhite);  // half of font size 17
  PictureBox& inner = panel.Inner();
  // Presses, or moves with it held, the button at height y (pixels) of the panel.
  const auto mouse = [&inner](QEvent::Type type, int y, Qt::MouseButton held) {
    const QPointF local = inner.mapFromParent(QPointF(50, y));
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : held;
    QMouseEvent event(type, local, inner.mapToGlobal(local), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&inner, &event);
  };
  EXPECT_EQ(inner.Drawing().Font().points, 8.5);
  EXPECT_GT(inner.height(), panel.height());
  mouse(QEvent::MouseButtonPress, 200, Qt::RightButton);
  mouse(QEvent::MouseMove, 100, Qt::RightButton);
  EXPECT_EQ(inner.y(), 0);
  mouse(QEvent::MouseButtonPress, 200, Qt::LeftButton);
  mouse(QEvent::MouseMove, 150, Qt::LeftButton);
  EXPECT_EQ(inner.y(), -50);
  panel.Clear();  // a new list starts at the top
  EXPECT_EQ(inner.y(), 0);
}

// The wheel reads a list longer than the panel to its end, and no further either way.
TEST(CluePanelTest, TheWheelScrollsALongListBetweenItsEnds) {
  CluePanel panel;
  PlaceInTwips(panel, 0, 0, 3195, 6510);
  panel.show();
  Puzzle puzzle;
  for (int k = 1; k <= 12; ++k) {
    puzzle.Wlist.push_back("WORDWORDWORD");
    puzzle.Clue[k] = "a clue in a font so large that twelve of them run far below the panel";
  }
  panel.DrawClues(puzzle, "Arial", 20, kBlack, kWhite);
  PictureBox& inner = panel.Inner();
  ASSERT_GT(inner.height(), panel.height());
  const auto turn = [&inner](int notches) {
    QWheelEvent wheel(QPointF(20, 20), inner.mapToGlobal(QPointF(20, 20)), QPoint(),
                      QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                      false);
    QCoreApplication::sendEvent(&inner, &wheel);
  };
  turn(-1);
  const int afterOne = inner.y();
  EXPECT_LT(afterOne, 0);
  for (int i = 0; i < 100; ++i) turn(-1);
  EXPECT_NEAR(inner.y() + inner.height(), panel.height(), 1);  // the end shows, no gap below
  turn(1);
  EXPECT_GT(inner.y() + inner.height(), panel.height());
  for (int i = 0; i < 100; ++i) turn(1);
  EXPECT_EQ(inner.y(), 0);
}

// Moves and key presses on the grid are played through in the play command tests.
TEST(GridViewTest, TabIsTypedOnTheGridInsteadOfMovingTheFocus) {
  GridView view;
  PlaceInTwips(view, 30, 30, kGridSurfaceWidth, kGridSurfaceHeight);
  view.show();
  QSignalSpy released(&view, &GridView::KeyReleased);
  QSignalSpy typed(&view, &GridView::CharTyped);
  view.setFocus();
  QTest::keyClick(&view, Qt::Key_Left);
  QTest::keyClick(&view, Qt::Key_Tab);
  ASSERT_EQ(typed.count(), 1);  // the arrow types nothing
  EXPECT_EQ(typed[0][0].toString(), QStringLiteral("\t"));
  EXPECT_EQ(released.count(), 2);
}

}  // namespace
}  // namespace sl
