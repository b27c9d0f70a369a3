#include "toolkit/gui/box_control.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <tuple>

namespace sl {
namespace {

// A 21 by 23 pixel button, the size of the main window's icon buttons at 96 DPI.
class BoxControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    box.resize(21, 23);
    box.show();
  }
  void ClickBoth() {
    QTest::mouseClick(&box, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QTest::mouseClick(&box, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
  }
  BoxControl box;
  QSignalSpy down{&box, &BoxControl::MouseDown};
  QSignalSpy up{&box, &BoxControl::MouseUp};
};

TEST_F(BoxControlTest, ReportsWhichButtonWithShiftStateAndTwipPosition) {
  QTest::mousePress(&box, Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier, QPoint(4, 6));
  QTest::mouseRelease(&box, Qt::RightButton, Qt::NoModifier, QPoint(4, 6));
  QTest::mouseClick(&box, Qt::LeftButton, Qt::AltModifier, QPoint(10, 10));
  QTest::mouseClick(&box, Qt::MiddleButton, Qt::NoModifier, QPoint(10, 10));
  ASSERT_EQ(down.count(), 3);
  ASSERT_EQ(up.count(), 3);
  EXPECT_EQ(down[0], (QList<QVariant>{kMouseRight, kShiftMask | kCtrlMask, 4 * 15.0f, 6 * 15.0f}));
  EXPECT_EQ(up[0][0].toInt(), kMouseRight);
  EXPECT_EQ(up[1][0].toInt(), kMouseLeft);
  EXPECT_EQ(up[1][1].toInt(), kAltMask);
  EXPECT_EQ(up[2][0].toInt(), kMouseMiddle);
}

TEST_F(BoxControlTest, DisabledLooksTheSameAndRaisesNothing) {
  box.SetCaption(QStringLiteral("Go"));
  const QImage before = box.grab().toImage();
  box.SetEnabled(false);
  EXPECT_EQ(box.grab().toImage(), before);
  ClickBoth();
  EXPECT_EQ(down.count() + up.count(), 0);
  box.SetEnabled(true);
  ClickBoth();
  EXPECT_EQ(up.count(), 2);
}

TEST_F(BoxControlTest, DrawsRaisedEdgeOverTheBackColourWithNoPressedLook) {
  box.SetBackColor(RGB(200, 100, 50));
  const QImage idle = box.grab().toImage();
  const auto at = [&](int x, int y) {
    return idle.pixelColor(x * idle.width() / 21, y * idle.height() / 23);
  };
  // The left, top, right and bottom edges, and the inside.
  const std::tuple<int, int, QColor> pixels[] = {{0, 10, Qt::white}, {10, 0, Qt::white},
      {20, 10, Qt::black}, {10, 22, Qt::black}, {3, 3, QColor(200, 100, 50)}};
  for (const auto& [x, y, colour] : pixels) EXPECT_EQ(at(x, y), colour) << x << "," << y;
  QTest::mousePress(&box, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
  EXPECT_EQ(box.grab().toImage(), idle);
  QTest::mouseRelease(&box, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
}

}  // namespace
}  // namespace sl
