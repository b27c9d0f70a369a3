#include "toolkit/msgbox_layout.h"

#include <gtest/gtest.h>

namespace sl {
namespace {

// 100 twips per character, 200 twips per line.
TextExtent Measure(const std::string& text) {
  return MeasureLines(
      text, [](const std::string& line) { return int32_t(line.size() * 100); }, 200);
}

TEST(MsgLayout, MeasuresLongestLineAndEveryLineBreak) {
  EXPECT_EQ(Measure("").height, 200);  // an empty text is one line
  TextExtent three = Measure("ab\r\nabcdef\ncd");
  EXPECT_EQ(three.width, 600);
  EXPECT_EQ(three.height, 600);
  EXPECT_EQ(Measure("a\rb\r\n").height, 600);  // a trailing line break adds an empty line
}

TEST(MsgLayout, ShortMessageIsThreeButtonsWideWithTheButtonsCentred) {
  MsgLayout one = LayoutMessage(780, Measure("Exit?"), 0);
  EXPECT_EQ(one.windowWidth, 2655);
  EXPECT_EQ(one.visibleButtons, 1);
  EXPECT_EQ(one.buttonLeft[0], 885);
  EXPECT_EQ(one.windowHeight, 300 + 320 + 120 + 345 + 600);  // label, gap, buttons, margin
  EXPECT_FALSE(one.fieldVisible);
  EXPECT_EQ(LayoutMessage(780, Measure("x"), -1).visibleButtons, 0);
  EXPECT_EQ(LayoutMessage(780, Measure("x"), 3).visibleButtons, 0);
}

TEST(MsgLayout, LongAndMultiLineMessagesGrowTheWindow) {
  MsgLayout wide = LayoutMessage(780, Measure(std::string(30, 'x')), 2);
  EXPECT_EQ(wide.windowWidth, 3000 + 1560);
  EXPECT_EQ(wide.buttonLeft[0], (4560 - 2655) / 2);
  EXPECT_EQ(wide.buttonLeft[2], wide.buttonLeft[0] + 1770);  // the buttons touch
  // After an input box the label sits at 700, so the same message is 160 narrower.
  EXPECT_EQ(LayoutMessage(700, Measure(std::string(30, 'x')), 0).windowWidth, 4560 - 160);

  MsgLayout tall = LayoutMessage(780, Measure("one\r\ntwo\r\nthree"), 0);
  EXPECT_EQ(tall.labelHeight, 3 * 200 + 120);
  EXPECT_EQ(tall.buttonTop, 300 + 720 + 120);
}

TEST(MsgLayout, InputBoxPlacesFieldAndButtonsUnderTheLabel) {
  MsgLayout in = LayoutInput(Measure("Number?"));
  EXPECT_TRUE(in.fieldVisible);
  EXPECT_EQ(in.fieldTop, 320 + 320);
  EXPECT_EQ(in.fieldLeft, 700);
  EXPECT_EQ(in.buttonTop, 640 + 330 + 10);
  EXPECT_EQ(in.windowHeight, in.buttonTop + 345 + 600);
  EXPECT_EQ(in.visibleButtons, 3);
  EXPECT_EQ(in.buttonLeft[2], 700 + 1770);
  EXPECT_EQ(in.windowWidth, 700 + 2655 + 350);  // the buttons decide the width
  EXPECT_EQ(LayoutInput(Measure(std::string(40, 'x'))).windowWidth, 700 + 4000 + 350);
}

}  // namespace
}  // namespace sl
