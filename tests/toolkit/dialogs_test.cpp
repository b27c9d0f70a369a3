// The Qt-free parts of the message box (styles, layout) and of the file dialog request.
#include <gtest/gtest.h>

#include <clocale>
#include <limits>

#include "toolkit/file_dialog_request.h"
#include "toolkit/msgbox_layout.h"
#include "toolkit/msgbox_style.h"

namespace sl {
namespace {

std::string Buttons(std::string_view style) {
  std::string text;
  for (const MsgButtonDef& b : ParseMsgStyle(style).buttons) {
    text += b.caption + "=" + std::to_string(b.result) + " ";
  }
  return text;
}

// Answering through the box is shown in the MsgForm tests.
TEST(MsgStyle, ButtonsInTokenOrderPicturesAndOneOkWithoutButtonTokens) {
  const struct {
    const char* style;
    const char* buttons;
    std::vector<int> pictures;
  } cases[] = {
      {"  VBQUESTION   +vbYESno  ", "Yes=6 No=7 ", {kPictureQuestion}},  // case and blanks: any
      {"vbno+vbyes", "No=7 Yes=6 ", {}},
      {"vbyesnocancel+vbok", "Yes=6 No=7 Cancel=2 ", {}},  // no place for a fourth
      {"vbcancelok", "Ok=1 Cancel=2 ", {}},
      {"vbabort+vbretry+vbignore", "Abort=3 Retry=4 Ignore=5 ", {}},
      {"vbcontinuecancel", "Continue=6 Cancel=2 ", {kPictureInformation}},
      {"", "Ok=1 ", {}},
      {"vb ok", "Ok=1 ", {}},
      {"vbyesplease+ +vbquestion", "Ok=1 ", {kPictureQuestion}},
      {"vbexclamation+vbcritical", "Ok=1 ", {1, 4}},
      {"vblighton+vbcustom", "Ok=1 ", {8, 10}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Buttons(c.style), c.buttons) << c.style;
    EXPECT_EQ(ParseMsgStyle(c.style).pictures, c.pictures) << c.style;
  }
}

// The windowing library sets the C locale from the environment; in a Turkish one std::tolower
// keeps "I" (or makes it a dotless i), which broke every capitalised token holding an I.
TEST(MsgStyle, CapitalsMatchUnderAnyLocale) {
  const std::string saved = std::setlocale(LC_CTYPE, nullptr);
  const char* turkish = nullptr;
  for (const char* name : {"tr_TR.UTF-8", "tr_TR.utf8", "tr_TR.ISO-8859-9", "tr_TR"}) {
    if (std::setlocale(LC_CTYPE, name) != nullptr) {
      turkish = name;
      break;
    }
  }
  if (turkish == nullptr) GTEST_SKIP() << "no Turkish locale installed";
  const MsgStyle style = ParseMsgStyle("VBINFORMATION + VBIGNORE");
  std::setlocale(LC_CTYPE, saved.c_str());
  EXPECT_EQ(style.pictures, std::vector<int>{kPictureInformation}) << turkish;
  ASSERT_EQ(style.buttons.size(), 1u) << turkish;
  EXPECT_EQ(style.buttons[0].result, kMsgIgnore) << turkish;
}

// A tag once went through a plain cast, undefined for numbers beyond 32 bits.
TEST(MsgStyle, TagsReadAsWholeNumbersWithin32Bits) {
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  const std::pair<const char*, int32_t> cases[] = {
      {"6", 6}, {" 2.5", 2}, {"3.5x", 4}, {"-0.5", 0}, {"abc", 0},
      {"99999999999", kMax}, {"-1e300", kMin}, {"1e999", kMax},
  };
  for (const auto& [tag, result] : cases) EXPECT_EQ(MsgTagResult(tag), result) << tag;
}

// 100 twips per character, 200 twips per line; how lines are counted is checked against a plain
// reference by the message box fuzz harness.
TextExtent Measure(const std::string& text) {
  return MeasureLines(
      text, [](const std::string& line) { return int32_t(line.size() * 100); }, 200);
}

// The window three buttons wide with its buttons centred, and the input box, are shown in the
// MsgForm tests.
TEST(MsgLayout, MessagesGrowTheWindowAndOutOfRangeButtonsShowNone) {
  for (int lastButton : {-1, 3}) {
    EXPECT_EQ(LayoutMessage(780, Measure("x"), lastButton).visibleButtons, 0) << lastButton;
  }
  const MsgLayout small = LayoutMessage(780, Measure("Exit?"), 2);
  const MsgLayout wide = LayoutMessage(780, Measure(std::string(30, 'x')), 2);
  EXPECT_GT(wide.windowWidth, small.windowWidth);
  EXPECT_EQ(wide.buttonLeft[2], wide.buttonLeft[0] + 1770);  // the buttons touch
  const MsgLayout tall = LayoutMessage(780, Measure("one\r\ntwo\r\nthree"), 0);
  EXPECT_GT(tall.buttonTop, LayoutMessage(780, Measure("one"), 0).buttonTop + 2 * 200 - 1);
}

// The dialog itself, with its filter, folder and modes, is shown in the FNDialog tests.
TEST(FileDialogRequest, OnlyTheWholeWordSaveChoosesSavingAndEmptyPartsStillGiveValidText) {
  for (const char* other : {"saves", " save", "sav", ""}) {
    EXPECT_EQ(FileDialogModeOf(other), FileDialogMode::Open) << other;
  }
  EXPECT_EQ(FileDialogModeOf("SAVE"), FileDialogMode::Save);
  EXPECT_EQ(FileDialogFilter("", "*.txt"), " (*.txt)");
  EXPECT_EQ(FileDialogStartFolder("/home/player/"), "/home/player/");  // no second separator
  EXPECT_EQ(FileDialogStartFolder(""), "/");
}

}  // namespace
}  // namespace sl
