#include "toolkit/gui/box_control.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QSignalSpy>
#include <QTest>

namespace sl {
namespace {

// A 21 by 23 pixel button, the size of the main window's icon buttons at 96 DPI.
class BoxControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    box.resize(21, 23);
    box.show();
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
  EXPECT_EQ(down[0][0].toInt(), kMouseRight);
  EXPECT_EQ(down[0][1].toInt(), kShiftMask | kCtrlMask);
  EXPECT_FLOAT_EQ(down[0][2].toFloat(), 4 * 15.0f);
  EXPECT_FLOAT_EQ(down[0][3].toFloat(), 6 * 15.0f);
  EXPECT_EQ(up[0][0].toInt(), kMouseRight);
  EXPECT_EQ(up[1][0].toInt(), kMouseLeft);
  EXPECT_EQ(up[1][1].toInt(), kAltMask);
  EXPECT_EQ(up[2][0].toInt(), kMouseMiddle);
}

TEST_F(BoxControlTest, DisabledLooksTheSameAndRaisesNothing) {
  box.SetPicture(QIcon());
  box.SetCaption(QStringLiteral("Go"));
  const QImage before = box.grab().toImage();
  box.SetEnabled(false);
  EXPECT_FALSE(box.Enabled());
  EXPECT_EQ(box.grab().toImage(), before);
  QTest::mouseClick(&box, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
  QTest::mouseClick(&box, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
  EXPECT_EQ(down.count(), 0);
  EXPECT_EQ(up.count(), 0);
  box.SetEnabled(true);
  QTest::mouseClick(&box, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
  EXPECT_EQ(up.count(), 1);
}

TEST_F(BoxControlTest, DrawsRaisedEdgeOverTheBackColourWithNoPressedLook) {
  box.SetBackColor(RGB(200, 100, 50));
  const QImage idle = box.grab().toImage();
  const auto at = [&](int x, int y) { return idle.pixelColor(x * idle.width() / 21, y * idle.height() / 23); };
  EXPECT_EQ(at(0, 10), QColor(Qt::white));   // left edge
  EXPECT_EQ(at(10, 0), QColor(Qt::white));   // top edge
  EXPECT_EQ(at(20, 10), QColor(Qt::black));  // right edge
  EXPECT_EQ(at(10, 22), QColor(Qt::black));  // bottom edge
  EXPECT_EQ(at(3, 3), QColor(200, 100, 50));

  QTest::mousePress(&box, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
  EXPECT_EQ(box.grab().toImage(), idle);
  QTest::mouseRelease(&box, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));

  // A caption far wider than the button stays centred, cut off at both sides.
  box.SetCaption(QStringLiteral("A caption much wider than the button"));
  box.SetForeColor(RGB(0, 0, 255));
  const QImage captioned = box.grab().toImage();
  EXPECT_NE(captioned, idle);
  EXPECT_EQ(captioned.pixelColor(0, captioned.height() / 2), QColor(Qt::white));
}

}  // namespace
}  // namespace sl
