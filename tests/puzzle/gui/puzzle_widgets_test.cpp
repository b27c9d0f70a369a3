// The grid surface and the clue panel.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include "output/gui/picture_box.h"
#include "output/gui/twip_geometry.h"
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

class CluePanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PlaceInTwips(panel, 0, 0, 3195, 6510);
    panel.show();
    Puzzle puzzle;  // twelve clues that wrap, far taller than the panel
    for (int k = 1; k <= 12; ++k) {
      puzzle.Wlist.push_back("WORDWORDWORD");
      puzzle.Clue[k] = "a clue that is long enough to wrap over four or five lines of the panel, "
                       "which makes twelve of them far taller than the panel itself";
    }
    panel.DrawClues(puzzle, "Arial", 8.5, kBlack, kWhite);  // half of font size 17
  }
  // Presses, or moves with it held, the button at height y (pixels) of the panel.
  void Mouse(QEvent::Type type, int y, Qt::MouseButton held = Qt::LeftButton) {
    PictureBox& inner = panel.Inner();
    const QPointF local = inner.mapFromParent(QPointF(50, y));
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : held;
    QMouseEvent event(type, local, inner.mapToGlobal(local), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&inner, &event);
  }
  int Top() { return panel.Inner().y(); }

  CluePanel panel;
};

TEST_F(CluePanelTest, TheListIsAsTallAsItsCluesAndOnlyALeftDragMovesIt) {
  EXPECT_EQ(panel.Inner().Drawing().Font().points, 8.5);
  EXPECT_GT(panel.Inner().height(), panel.height());
  Mouse(QEvent::MouseButtonPress, 200, Qt::RightButton);
  Mouse(QEvent::MouseMove, 100, Qt::RightButton);
  EXPECT_EQ(Top(), 0);
  Mouse(QEvent::MouseButtonPress, 200);
  Mouse(QEvent::MouseMove, 150);
  EXPECT_EQ(Top(), -50);
  panel.Clear();  // a new list starts at the top
  EXPECT_EQ(Top(), 0);
}

// Moves and key presses on the grid are played through in the play command tests.
class GridViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PlaceInTwips(view, 30, 30, kGridSurfaceWidth, kGridSurfaceHeight);
    view.show();
  }
  GridView view;
};

TEST_F(GridViewTest, TabIsTypedOnTheGridInsteadOfMovingTheFocus) {
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
