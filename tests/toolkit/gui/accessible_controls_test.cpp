// The game's own controls from the keyboard and from an assistive tool.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "gui_support/heard_events.h"
#include "toolkit/gui/box_control.h"
#include "toolkit/gui/click_label.h"
#include "toolkit/gui/fit_label.h"

namespace sl {
namespace {

QAccessibleInterface& Accessible(QObject& object) {
  return *QAccessible::queryAccessibleInterface(&object);
}

class KeyboardButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(&first);
    layout->addWidget(&box);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    box.setFocus();
  }
  void SendKey(QEvent::Type type, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
               bool autoRepeat = false) {
    QKeyEvent event(type, key, modifiers, QString(), autoRepeat);
    QCoreApplication::sendEvent(&box, &event);
  }
  QWidget window;
  BoxControl first{&window};
  BoxControl box{&window};
  QSignalSpy down{&box, &BoxControl::MouseDown};
  QSignalSpy up{&box, &BoxControl::MouseUp};
};

// Space held down shows what the button shows while held (the solution) until it is let go.
TEST_F(KeyboardButtonTest, SpaceAndEnterPressOnTheWayDownAndReleaseOnTheWayUp) {
  SendKey(QEvent::KeyPress, Qt::Key_Space);
  EXPECT_EQ(down.count(), 1);
  EXPECT_EQ(up.count(), 0);
  SendKey(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, true);  // the key repeating
  SendKey(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, true);
  EXPECT_EQ(down.count() + up.count(), 1);
  SendKey(QEvent::KeyRelease, Qt::Key_Space);
  ASSERT_EQ(up.count(), 1);
  EXPECT_EQ(up[0][0].toInt(), kMouseLeft);

  QTest::keyClick(&box, Qt::Key_Return);
  QTest::keyClick(&box, Qt::Key_Enter);
  EXPECT_EQ(up.count(), 3);
  // Other keys, and Space with Ctrl or Alt, belong to the window's shortcuts.
  QTest::keyClick(&box, Qt::Key_A);
  QTest::keyClick(&box, Qt::Key_Space, Qt::ControlModifier);
  EXPECT_EQ(up.count(), 3);
}

// Tab reaching the buttons is checked in the main window's Tab order.
TEST_F(KeyboardButtonTest, AClickLeavesTheFocusWhereItWas) {
  first.setFocus();
  QTest::mouseClick(&box, Qt::LeftButton);
  EXPECT_TRUE(first.hasFocus());
}

TEST_F(KeyboardButtonTest, AnAssistiveToolSeesAPushButtonItCanPress) {
  box.SetCaption(QStringLiteral("DrawGrid"));
  QAccessibleInterface& button = Accessible(box);
  EXPECT_EQ(button.role(), QAccessible::Button);
  EXPECT_EQ(button.text(QAccessible::Name), QStringLiteral("DrawGrid"));  // the caption
  box.setAccessibleName(QStringLiteral("Check"));
  EXPECT_EQ(button.text(QAccessible::Name), QStringLiteral("Check"));
  EXPECT_TRUE(button.state().focusable);
  EXPECT_TRUE(button.state().focused);

  QAccessibleActionInterface* actions = button.actionInterface();
  ASSERT_NE(actions, nullptr);
  ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
  actions->doAction(QAccessibleActionInterface::pressAction());
  ASSERT_EQ(down.count(), 1);
  ASSERT_EQ(up.count(), 1);
  EXPECT_EQ(up[0][0].toInt(), kMouseLeft);
  box.SetEnabled(false);  // a disabled button takes no press from anywhere
  actions->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(up.count(), 1);
}

TEST(ClickLabelTest, ItsNameFollowsItsTextAndTheKeyboardClicksIt) {
  test::HeardEvents heard;
  ClickLabel label(QStringLiteral("9"));
  label.SetSpokenPattern(QStringLiteral("Puzzle size %1"));
  label.show();
  QSignalSpy up(&label, &ClickLabel::MouseUp);
  QAccessibleInterface& spoken = Accessible(label);
  EXPECT_EQ(spoken.role(), QAccessible::Button);
  EXPECT_EQ(spoken.text(QAccessible::Name), QStringLiteral("Puzzle size 9"));
  heard.Clear();
  label.setText(QStringLiteral("10"));
  EXPECT_EQ(heard.Names(QAccessible::NameChanged), QStringList{QStringLiteral("Puzzle size 10")});

  label.setFocus();
  QTest::keyClick(&label, Qt::Key_Space);
  spoken.actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  ASSERT_EQ(up.count(), 2);
  EXPECT_EQ(up[0][0].toInt(), kMouseLeft);
}

TEST(FitLabelTest, ReadsItsWholeTextAndAnnouncesEveryStatusEvenARepeatedOne) {
  test::HeardEvents heard;
  FitLabel status;
  status.resize(40, 20);
  status.show();
  const QString text = QStringLiteral("Creating a 12 words Puzzle ... attempt 130");
  status.SetFittedText(text);
  ASSERT_NE(status.text(), text);  // shown cut short, within the label, whole in its tip
  EXPECT_LE(status.fontMetrics().horizontalAdvance(status.text()), status.contentsRect().width());
  EXPECT_EQ(status.toolTip(), text);
  EXPECT_EQ(Accessible(status).text(QAccessible::Name), text);
  status.SetFittedText(text);
  EXPECT_EQ(heard.Names(QAccessible::NameChanged), (QStringList{text, text}));
}

}  // namespace
}  // namespace sl
