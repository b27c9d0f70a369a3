#include "puzzle/gui/grid_view.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "output/gui/twip_geometry.h"
#include "puzzle/grid_layout.h"
#include "toolkit/gui/box_control.h"

namespace sl {
namespace {

class GridViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PlaceInTwips(view, 30, 30, kGridSurfaceWidth, kGridSurfaceHeight);
    view.show();
  }
  GridView view;
};

TEST_F(GridViewTest, MouseMovesAreReportedInTwipsWithOrWithoutAButton) {
  QSignalSpy moved(&view, &GridView::MouseMoved);
  QTest::mouseMove(&view, QPoint(100, 40));
  ASSERT_EQ(moved.count(), 1);
  EXPECT_EQ(moved[0][0].toInt(), 0);
  EXPECT_EQ(moved[0][2].toInt(), 1500);
  EXPECT_EQ(moved[0][3].toInt(), 600);
  QMouseEvent held(QEvent::MouseMove, QPointF(10, 20), view.mapToGlobal(QPointF(10, 20)),
                   Qt::NoButton, Qt::LeftButton, Qt::ShiftModifier);
  QCoreApplication::sendEvent(&view, &held);
  ASSERT_EQ(moved.count(), 2);
  EXPECT_EQ(moved[1][0].toInt(), kMouseLeft);
  EXPECT_EQ(moved[1][1].toInt(), kShiftMask);
}

TEST_F(GridViewTest, KeysAndCharactersAreReportedAndKeptOnTheGrid) {
  QSignalSpy released(&view, &GridView::KeyReleased);
  QSignalSpy typed(&view, &GridView::CharTyped);
  view.setFocus();
  QTest::keyClick(&view, Qt::Key_Q);
  QTest::keyClick(&view, Qt::Key_Left);
  QTest::keyClick(&view, Qt::Key_Tab);
  ASSERT_EQ(typed.count(), 2);  // "q" and the tab character; the arrow types nothing
  EXPECT_EQ(typed[0][0].toString(), QStringLiteral("q"));
  ASSERT_EQ(released.count(), 3);
  EXPECT_EQ(released[1][0].toInt(), static_cast<int>(Qt::Key_Left));
}

TEST_F(GridViewTest, MarkerIsANinetyTwipSquareHiddenUntilPlaced) {
  QWidget& marker = view.Marker();
  EXPECT_EQ(marker.objectName(), QStringLiteral("Shape1"));
  EXPECT_FALSE(marker.isVisible());
  view.MoveMarker(1300, 900);
  view.ShowMarker(true);
  EXPECT_TRUE(marker.isVisible());
  EXPECT_EQ(marker.geometry(), QRect(TwipsToPixelsX(view, 1300), TwipsToPixelsY(view, 900),
                                     TwipsToPixelsX(view, 90), TwipsToPixelsY(view, 90)));
}

}  // namespace
}  // namespace sl
