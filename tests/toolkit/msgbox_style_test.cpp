#include "toolkit/msgbox_style.h"

#include <gtest/gtest.h>

namespace sl {
namespace {

std::string Buttons(std::string_view style) {
  std::string text;
  for (const MsgButtonDef& b : ParseMsgStyle(style).buttons) {
    text += b.caption + "=" + std::to_string(b.result) + " ";
  }
  return text;
}

std::vector<int> Pictures(std::string_view style) { return ParseMsgStyle(style).pictures; }

TEST(MsgStyle, CaseAndBlanksDoNotMatterAndTokenOrderDecidesOnlyTheButtons) {
  for (const char* style :
       {"vbQuestion + vbYesNo", "  VBQUESTION   +vbYESno  ", "vbyesno+vbquestion"}) {
    EXPECT_EQ(Buttons(style), "Yes=6 No=7 ") << style;
    EXPECT_EQ(Pictures(style), std::vector<int>{kPictureQuestion}) << style;
  }
  EXPECT_EQ(Buttons("vbno+vbyes"), "No=7 Yes=6 ");
  // More than three buttons: the extra ones have no place.
  EXPECT_EQ(Buttons("vbyesnocancel+vbok"), "Yes=6 No=7 Cancel=2 ");
}

TEST(MsgStyle, UnknownOrMissingButtonTokensGiveOneOk) {
  for (const char* style : {"", "+", "vbcritical", "vbyesplease+ +vbquestion", "vb ok"}) {
    EXPECT_EQ(Buttons(style), "Ok=1 ") << style;
  }
  EXPECT_TRUE(Pictures("vbstop+vbwhatever").empty());
}

// Answering through the box is shown in the MsgForm tests.
TEST(MsgStyle, ButtonCaptionsAnswerCodesAndPicturePlaces) {
  const std::pair<const char*, const char*> buttons[] = {
      {"vbokonly", "Ok=1 "},
      {"vbcancelok", "Ok=1 Cancel=2 "},
      {"vbok+vbcancel", "Ok=1 Cancel=2 "},
      {"vbabort+vbretry+vbignore", "Abort=3 Retry=4 Ignore=5 "},
      {"vbretrycancel", "Retry=4 Cancel=2 "},
      {"vbabortretryignore", "Abort=3 Retry=4 Ignore=5 "},
      {"vbcontinuecancel", "Continue=6 Cancel=2 "},
  };
  for (const auto& [token, expected] : buttons) EXPECT_EQ(Buttons(token), expected) << token;
  EXPECT_EQ(Pictures("vbcontinuecancel"), std::vector<int>{kPictureInformation});
  const std::pair<const char*, int> pictures[] = {
      {"vbquestion", 0}, {"vbexclamation", 1}, {"vbinformation", 2}, {"vberror", 3},
      {"vbcritical", 4}, {"vbhappy", 5},       {"vbtrash", 6},       {"vbprint", 7},
      {"vblighton", 8},  {"vbcustom", 10}};
  for (const auto& [token, place] : pictures) {
    EXPECT_EQ(Pictures(token), std::vector<int>{place}) << token;
  }
}

}  // namespace
}  // namespace sl
