#include "options/gui/col_pik.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QSlider>
#include <QTest>
#include <vector>

#include "toolkit/gui/picture_box.h"
#include "output/render/qpainter_surface.h"

namespace sl {
namespace {

class ColPikTest : public ::testing::Test {
 protected:
  ColPikTest() {
    QObject::connect(&picker_, &ColPik::SelColor, [this](Colour c) { reported_.push_back(c); });
    picker_.show();
  }
  QSlider& Bar(const char* name) { return *picker_.findChild<QSlider*>(QString::fromLatin1(name)); }
  QString Value(const char* name) {
    return picker_.findChild<QLabel*>(QString::fromLatin1(name))->text();
  }
  // The drawn colour at a point of the drawing, in twips.
  QColor Drawn(int xTwips, int yTwips) {
    const QImage image = picker_.findChild<PictureBox*>()->Image();
    return image.pixelColor(xTwips / 15, yTwips / 15);
  }
  void ClickAt(int xTwips, int yTwips) {
    reported_.clear();
    QTest::mouseClick(&picker_, Qt::LeftButton, {}, QPoint(xTwips / 15, yTwips / 15));
  }

  ColPik picker_;
  std::vector<Colour> reported_;
};

TEST_F(ColPikTest, PaletteClicksRedrawTheStripsAndStripClicksPickAShadeKeepingThem) {
  EXPECT_EQ(picker_.BackColor(), RGB(255, 192, 192));
  EXPECT_EQ(Drawn(1280, 1050), QColor(255, 255, 255));  // the strips of white at the start

  ClickAt(480, 570);  // palette box 9, light blue
  ASSERT_FALSE(reported_.empty());
  EXPECT_GT(reported_.size(), 1u);  // the bars moving report too
  EXPECT_EQ(reported_.back(), RGB(0, 0, 255));
  EXPECT_EQ(picker_.SchemeColor(), RGB(0, 0, 255));
  EXPECT_EQ(Bar("hsrRed").value(), 0);
  EXPECT_EQ(Drawn(1280, 1050), QColor(0, 0, 255));
  EXPECT_EQ(Drawn(48, 1300), QColor(255, 255, 255));  // the white strip starts white

  ClickAt(660, 1050);  // black strip, level 127 (660 twips is unit 137.5)
  EXPECT_EQ(reported_.back(), RGB(0, 0, 127));
  EXPECT_EQ(picker_.SchemeColor(), RGB(0, 0, 127));
  EXPECT_EQ(Value("lblBlueDegree"), QStringLiteral(" 127"));
  EXPECT_EQ(Drawn(1280, 1050), QColor(0, 0, 255));  // the strips still end in the clicked colour
}

TEST_F(ColPikTest, EveryBarChangeReportsAndSchemeColourTranslatesSystemColours) {
  Bar("hsrGreen").setValue(100);
  Bar("hsrGreen").setValue(90);
  EXPECT_EQ(reported_.size(), 2u);
  EXPECT_EQ(reported_.back(), RGB(255, 90, 255));
  EXPECT_EQ(Value("lblGreenDegree"), QStringLiteral(" 90"));

  picker_.SetSchemeColor(kButtonFace);
  const QColor face = ToQColor(kButtonFace, QGuiApplication::palette());
  EXPECT_EQ(picker_.SchemeColor(), RGB(face.red(), face.green(), face.blue()));
  picker_.SetSchemeColor(0x80001234);  // no such system colour: black
  EXPECT_EQ(picker_.SchemeColor(), kBlack);

  picker_.SetBackColor(RGB(10, 20, 30));  // a new background keeps the strips
  EXPECT_EQ(Drawn(340, 570), QColor(10, 20, 30));
  EXPECT_EQ(Drawn(48, 1300), QColor(255, 255, 255));
}

}  // namespace
}  // namespace sl
