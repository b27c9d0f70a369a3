#include "puzzle/gui/grid_view.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "output/gui/twip_geometry.h"
#include "puzzle/grid_layout.h"
#include "toolkit/gui/box_control.h"

namespace sl {
namespace {

// Plain moves and key presses on the grid are played through in the play command tests.
class GridViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PlaceInTwips(view, 30, 30, kGridSurfaceWidth, kGridSurfaceHeight);
    view.show();
  }
  GridView view;
};

TEST_F(GridViewTest, MovesWithAHeldButtonReportItAndTheShiftKeyInTwips) {
  QSignalSpy moved(&view, &GridView::MouseMoved);
  QMouseEvent held(QEvent::MouseMove, QPointF(100, 40), view.mapToGlobal(QPointF(100, 40)),
                   Qt::NoButton, Qt::LeftButton, Qt::ShiftModifier);
  QCoreApplication::sendEvent(&view, &held);
  ASSERT_EQ(moved.count(), 1);
  EXPECT_EQ(moved[0][0].toInt(), kMouseLeft);
  EXPECT_EQ(moved[0][1].toInt(), kShiftMask);
  EXPECT_EQ(moved[0][2].toInt(), 1500);
  EXPECT_EQ(moved[0][3].toInt(), 600);
}

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
