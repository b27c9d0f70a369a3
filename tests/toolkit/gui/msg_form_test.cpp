#include "toolkit/gui/msg_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "gui_support/modal_watch.h"
#include "output/gui/twip_geometry.h"
#include "toolkit/gui/msg_pictures.h"

namespace sl {
namespace {

// Calls call() and, once the box it opens is up, runs step on it (step must close the box).
template <class Call>
auto WithBox(std::function<void(MsgForm&)> step, Call call) {
  test::ModalWatch watch([step](QWidget& modal) { step(static_cast<MsgForm&>(modal)); });
  auto result = call();
  EXPECT_TRUE(watch.Handled());
  return result;
}

QPushButton* Button(MsgForm& form, int place) {
  return form.findChild<QPushButton*>(QStringLiteral("cmd%1").arg(place));
}
QLabel* Picture(MsgForm& form, int place) {
  return form.findChild<QLabel*>(QStringLiteral("icons%1").arg(place));
}
QLabel* Label(MsgForm& form) { return form.findChild<QLabel*>(QStringLiteral("Label1")); }
QLineEdit* Field(MsgForm& form) { return form.findChild<QLineEdit*>(QStringLiteral("Text1")); }

class MsgFormTest : public ::testing::Test {
 protected:
  void SetUp() override { MsgForm::SetUp(nullptr); }
};

TEST_F(MsgFormTest, SetUpGivesTheCaption) {
  EXPECT_EQ(MsgForm::Instance().windowTitle(), QStringLiteral("Stacklinks"));
  EXPECT_TRUE(MsgForm::Loaded());
}

TEST_F(MsgFormTest, YesNoBoxFocusesNoAndSwallowsEscapeAndSpace) {
  EXPECT_EQ(WithBox(
                [](MsgForm& form) {
                  EXPECT_TRUE(Picture(form, 0)->isVisible());
                  EXPECT_FALSE(Picture(form, 4)->isVisible());
                  EXPECT_EQ(Button(form, 0)->text(), QStringLiteral("Yes"));
                  EXPECT_EQ(Button(form, 1)->text(), QStringLiteral("No"));
                  EXPECT_TRUE(Button(form, 1)->isVisible());
                  EXPECT_FALSE(Button(form, 2)->isVisible());
                  // Centred side by side in a window three buttons wide.
                  EXPECT_EQ(form.frameGeometry().width(),
                            TwipsToPixelsX(form, 2655));  // outer size
                  EXPECT_EQ(Button(form, 0)->x(), TwipsToPixelsX(form, (2655 - 1770) / 2));
                  EXPECT_EQ(Button(form, 1)->x(), Button(form, 0)->geometry().right() + 1);
                  EXPECT_EQ(form.focusWidget(), Button(form, 1));
                  QTest::keyClick(form.focusWidget(), Qt::Key_Escape);
                  QTest::keyClick(form.focusWidget(), Qt::Key_Space);
                  EXPECT_TRUE(form.isVisible());
                  QTest::keyClick(form.focusWidget(), Qt::Key_Return);
                },
                [&] { return MsgboxA("Exit?", "vbQuestion + vbYesNo"); }),
            7);
}

TEST_F(MsgFormTest, ArrowMovesFocusAndAnyMouseButtonAnswers) {
  EXPECT_EQ(WithBox(
                [](MsgForm& form) {
                  QTest::keyClick(form.focusWidget(), Qt::Key_Left);
                  EXPECT_EQ(form.focusWidget(), Button(form, 0));
                  QTest::keyClick(form.focusWidget(), Qt::Key_Return);
                },
                [&] { return MsgboxA("Reset puzzle?", "vbquestion+vbyesno"); }),
            6);

  EXPECT_EQ(WithBox([](MsgForm& form) { QTest::mouseClick(Button(form, 2), Qt::RightButton); },
                    [&] { return MsgboxA("Go on?", "vbyesnocancel"); }),
            2);

  EXPECT_EQ(WithBox(
                [](MsgForm& form) {
                  EXPECT_TRUE(Picture(form, 2)->isVisible());
                  QTest::mouseClick(Button(form, 0), Qt::LeftButton);
                },
                [&] { return MsgboxA("Go on?", "vbcontinuecancel"); }),
            6);
}

TEST_F(MsgFormTest, CloseBoxCountsAsTheLastButton) {
  EXPECT_EQ(
      WithBox([](MsgForm& form) { form.close(); }, [&] { return MsgboxA("Exit?", "vbyesno"); }), 7);
  EXPECT_EQ(WithBox(
                [](MsgForm& form) {
                  EXPECT_EQ(Button(form, 0)->text(), QStringLiteral("Ok"));
                  EXPECT_FALSE(Button(form, 1)->isVisible());
                  EXPECT_EQ(Button(form, 0)->x(), TwipsToPixelsX(form, 885));  // one Ok, centred
                  form.close();
                },
                [&] { return MsgboxA("Note", "vbnormal"); }),
            0);
  EXPECT_EQ(WithBox([](MsgForm& form) { form.close(); }, [&] { return MsgboxA("Note", ""); }), 1);
}

TEST_F(MsgFormTest, MultiLineMessageMovesTheButtonsDown) {
  int oneLineTop = 0;
  WithBox(
      [&](MsgForm& form) {
        oneLineTop = Button(form, 0)->y();
        QTest::mouseClick(Button(form, 0), Qt::LeftButton);
      },
      [&] { return MsgboxA("one line", "vbok"); });
  EXPECT_EQ(
      WithBox(
          [&](MsgForm& form) {
            EXPECT_TRUE(Picture(form, 4)->isVisible());
            EXPECT_GT(Label(form)->height(), 2 * Label(form)->fontMetrics().lineSpacing());
            EXPECT_GE(Button(form, 0)->y() - oneLineTop,
                      2 * Label(form)->fontMetrics().lineSpacing() - 2);
            EXPECT_EQ(Label(form)->text(), QStringLiteral("Configuration file:\n/x/y\ncould not"));
            QTest::mouseClick(Button(form, 0), Qt::LeftButton);
          },
          [&] { return MsgboxA("Configuration file:\r\n/x/y\r\ncould not", "vbcritical+vbok"); }),
      1);
}

TEST_F(MsgFormTest, InputBoxDigitsOnlyDefaultAndCancel) {
  EXPECT_EQ(WithBox(
                [](MsgForm& form) {
                  QLineEdit* field = Field(form);
                  EXPECT_TRUE(field->isVisible());
                  EXPECT_EQ(form.focusWidget(), field);
                  EXPECT_EQ(field->selectedText(), QStringLiteral("25"));
                  QTest::keyClicks(field, "a3x4 ");
                  EXPECT_EQ(field->text(), QStringLiteral("34"));
                  QTest::keyClick(field, Qt::Key_Escape);
                  QTest::mouseClick(Button(form, 1), Qt::LeftButton);  // Default
                  EXPECT_TRUE(form.isVisible());
                  EXPECT_EQ(field->text(), QStringLiteral("25"));
                  QTest::keyClicks(field, "9");
                  QTest::mouseClick(Button(form, 0), Qt::LeftButton);  // Enter
                },
                [&] { return Inputbox("How many puzzles?", "25", 1); }),
            "259");

  EXPECT_EQ(WithBox(
                [](MsgForm& form) {
                  QTest::keyClicks(Field(form), "abc");
                  EXPECT_EQ(Field(form)->text(), QStringLiteral("abc"));
                  QTest::mouseClick(Button(form, 2), Qt::LeftButton);  // Cancel
                },
                [&] { return Inputbox("Name?", "x", 0); }),
            "");

  // Once an input box was shown, message labels start at 700 instead of 780.
  WithBox(
      [](MsgForm& form) {
        EXPECT_FALSE(Field(form)->isVisible());
        EXPECT_EQ(Label(form)->x(), TwipsToPixelsX(form, 700));
        QTest::mouseClick(Button(form, 0), Qt::LeftButton);
      },
      [&] { return MsgboxA("Done", "vbok"); });
}

TEST(MsgPictures, NinePicturesAreDrawnCrispAndDistinct) {
  std::vector<QImage> images;
  for (int place = 0; place <= 8; ++place) {
    QPixmap picture = MsgPicture(place, 32, 2.0);
    ASSERT_FALSE(picture.isNull()) << place;
    EXPECT_EQ(picture.width(), 64);  // drawn at the screen's full resolution
    EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(32, 32));
    QImage image = picture.toImage();
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) opaque += qAlpha(image.pixel(x, y)) > 200;
    }
    EXPECT_GT(opaque, 64 * 64 / 5) << place;
    for (const QImage& other : images) EXPECT_NE(image, other) << place;
    images.push_back(image);
  }
  EXPECT_TRUE(MsgPicture(9, 32, 1.0).isNull());
  EXPECT_TRUE(MsgPicture(10, 32, 1.0).isNull());
  EXPECT_FALSE(MsgWindowIcon().isNull());
}

}  // namespace
}  // namespace sl
