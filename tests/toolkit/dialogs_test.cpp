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

// Answering through the box is shown in the MsgForm tests; every token against the tables by the
// message box fuzz harness.
TEST(MsgStyle, ButtonsInTokenOrderPicturesAndOneOkWithoutButtonTokens) {
  const struct {
    const char* style;
    const char* buttons;
    std::vector<int> pictures;
  } cases[] = {
      {"  VBQUESTION   +vbYESno  ", "Yes=6 No=7 ", {kPictureQuestion}},  // case and blanks: any
      {"vbyesnocancel+vbok", "Yes=6 No=7 Cancel=2 ", {}},  // no place for a fourth
      {"vbcontinuecancel", "Continue=6 Cancel=2 ", {kPictureInformation}},
      {"vbyesplease+ +vbquestion", "Ok=1 ", {kPictureQuestion}},
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

// Every size against a plain reference is checked by the message box fuzz harness, the box three
// buttons wide in the MsgForm tests.
TEST(MsgLayout, LongAndManyLinesGrowTheBoxAndOutOfRangeButtonsShowNone) {
  const TextExtent text = MeasureLines(
      "one\r\ntwo\r\nthree, longer", [](const std::string& s) { return int32_t(s.size() * 100); },
      200);
  EXPECT_EQ(text.width, 1300);
  EXPECT_EQ(text.height, 600);
  const MsgLayout box = LayoutMessage(780, TextExtent{3000, 600}, 0);
  EXPECT_EQ(box.windowWidth, 3000 + 2 * 780);
  EXPECT_EQ(box.buttonTop, 300 + 600 + 240);
  for (int lastButton : {-1, 3}) {
    EXPECT_EQ(LayoutMessage(780, text, lastButton).visibleButtons, 0) << lastButton;
  }
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
