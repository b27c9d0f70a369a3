#include "toolkit/gui/msg_form.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "gui_support/modal_watch.h"
#include "toolkit/gui/twip_geometry.h"

namespace sl {
namespace {

using Step = std::function<void(MsgForm&)>;

QPushButton* Button(MsgForm& form, int place) {
  return form.findChild<QPushButton*>(QStringLiteral("cmd%1").arg(place));
}
QLabel* Label(MsgForm& form) { return form.findChild<QLabel*>(QStringLiteral("Label1")); }
QLineEdit* Field(MsgForm& form) { return form.findChild<QLineEdit*>(QStringLiteral("Text1")); }
void Press(MsgForm& form, int place, Qt::MouseButton which = Qt::LeftButton) {
  QTest::mouseClick(Button(form, place), which);
}
void Key(MsgForm& form, Qt::Key key) { QTest::keyClick(form.focusWidget(), key); }

// Calls call() and, once the box it opens is up, runs step on it (step must close the box).
template <class Call>
auto WithBox(Step step, Call call) {
  test::ModalWatch watch([step](QWidget& modal) { step(static_cast<MsgForm&>(modal)); });
  auto result = call();
  EXPECT_TRUE(watch.Handled());
  return result;
}
int32_t Answer(const char* message, const char* style, Step step) {
  return WithBox(step, [&] { return MsgboxA(message, style); });
}

class MsgFormTest : public ::testing::Test {
 protected:
  void SetUp() override { MsgForm::SetUp(nullptr); }
};

TEST_F(MsgFormTest, YesNoBoxFocusesNoAndSwallowsEscapeAndSpaceTillEnter) {
  EXPECT_EQ(Answer("Exit?", "vbQuestion + vbYesNo",
                   [](MsgForm& form) {
                     // Which buttons and picture a style shows is checked without a window.
                     EXPECT_EQ(form.windowTitle(), QStringLiteral("Stacklinks"));
                     EXPECT_EQ(Button(form, 0)->text(), QStringLiteral("Yes"));
                     EXPECT_EQ(form.focusWidget(), Button(form, 1));
                     Key(form, Qt::Key_Escape);
                     Key(form, Qt::Key_Space);
                     EXPECT_TRUE(form.isVisible());
                     Key(form, Qt::Key_Return);
                   }),
            7);
}

TEST_F(MsgFormTest, ArrowsMouseButtonsAndTheCloseBoxAnswer) {
  const Step leftThenEnter = [](MsgForm& form) {
    Key(form, Qt::Key_Left);
    EXPECT_EQ(form.focusWidget(), Button(form, 0));
    Key(form, Qt::Key_Return);
  };
  const Step closeBox = [](MsgForm& form) { form.close(); };  // answers with the last button
  const struct {
    const char* style;
    Step step;
    int32_t answer;
  } cases[] = {
      {"vbquestion+vbyesno", leftThenEnter, 6},
      {"vbyesnocancel", [](MsgForm& form) { Press(form, 2, Qt::RightButton); }, 2},
      {"vbyesno", closeBox, 7},
      {"vbnormal", closeBox, 0},
      {"", closeBox, 1},
  };
  for (const auto& c : cases) EXPECT_EQ(Answer("Go on?", c.style, c.step), c.answer) << c.style;
}

TEST_F(MsgFormTest, InputBoxTakesDigitsOnlyRestoresTheDefaultAndCancels) {
  const auto input = [](const char* defaultText, int32_t digitsOnly, Step step) {
    return WithBox(step, [&] { return Inputbox("How many?", defaultText, digitsOnly); });
  };
  EXPECT_EQ(input("25", 1,
                  [](MsgForm& form) {
                    QLineEdit* field = Field(form);
                    EXPECT_EQ(form.focusWidget(), field);
                    EXPECT_EQ(field->selectedText(), QStringLiteral("25"));
                    QTest::keyClicks(field, "a3x4 ");
                    EXPECT_EQ(field->text(), QStringLiteral("34"));
                    QTest::keyClick(field, Qt::Key_Escape);
                    Press(form, 1);  // Default
                    EXPECT_TRUE(form.isVisible());
                    EXPECT_EQ(field->text(), QStringLiteral("25"));
                    QTest::keyClicks(field, "9");
                    Press(form, 0);  // Enter
                  }),
            "259");
  EXPECT_EQ(input("x", 0,
                  [](MsgForm& form) {
                    QTest::keyClicks(Field(form), "abc");
                    EXPECT_EQ(Field(form)->text(), QStringLiteral("abc"));
                    Press(form, 2);  // Cancel
                  }),
            "");
  // Once an input box was shown, message labels start at 700 instead of 780.
  Answer("Done\r\nnow", "vbcritical+vbok", [](MsgForm& form) {
    EXPECT_FALSE(Field(form)->isVisible());
    EXPECT_TRUE(form.findChild<QLabel*>(QStringLiteral("icons4"))->isVisible());
    EXPECT_EQ(Label(form)->text(), QStringLiteral("Done\nnow"));
    EXPECT_EQ(Label(form)->x(), TwipsToPixelsX(form, 700));
    Press(form, 0);
  });
}

// A box asked for while one is open (a timer's message, say) never gets the open box's or an
// earlier box's reply: a question is refused, a notice waits its turn.
TEST_F(MsgFormTest, ABoxAskedWhileOneIsOpenIsRefusedOrQueued) {
  Answer("First?", "vbyesno", [](MsgForm& form) { Press(form, 1); });  // No (7) is the last reply
  QString queuedText;
  test::ModalWatch watch({[](QWidget& box) {
                            auto& form = static_cast<MsgForm&>(box);
                            EXPECT_EQ(MsgboxA("Again?", "vbyesno"), 0);
                            EXPECT_EQ(Inputbox("Name?", "x", 0), "");
                            EXPECT_EQ(MsgboxA("Noted", "vbinformation"), 1);
                            Press(form, 0);  // Yes
                          },
                          [&queuedText](QWidget& box) {
                            auto& form = static_cast<MsgForm&>(box);
                            queuedText = Label(form)->text();
                            Press(form, 0);
                          }});
  EXPECT_EQ(MsgboxA("Second?", "vbyesno"), 6);
  for (int i = 0; i < 400 && !watch.Handled(); ++i) QTest::qWait(5);
  EXPECT_TRUE(watch.Handled());
  EXPECT_EQ(queuedText, QStringLiteral("Noted"));
}

}  // namespace
}  // namespace sl
