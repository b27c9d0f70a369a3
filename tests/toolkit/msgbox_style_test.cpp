#include "toolkit/msgbox_style.h"

#include <gtest/gtest.h>

namespace sl {
namespace {

std::string Buttons(const MsgStyle& style) {
  std::string text;
  for (const MsgButtonDef& b : style.buttons) text += b.caption + "=" + std::to_string(b.result) + " ";
  return text;
}

TEST(MsgStyle, CaseAndBlanksAroundPlusDoNotMatter) {
  MsgStyle a = ParseMsgStyle("vbQuestion + vbYesNo");
  MsgStyle b = ParseMsgStyle("vbquestion+vbyesno");
  MsgStyle c = ParseMsgStyle("  VBQUESTION   +vbYESno  ");
  EXPECT_EQ(Buttons(a), "Yes=6 No=7 ");
  EXPECT_EQ(a.pictures, std::vector<int>{kPictureQuestion});
  for (const MsgStyle* s : {&b, &c}) {
    EXPECT_EQ(Buttons(*s), Buttons(a));
    EXPECT_EQ(s->pictures, a.pictures);
  }
}

TEST(MsgStyle, UnknownOrMissingButtonTokensGiveOneOk) {
  for (const char* style : {"", "+", "vbcritical", "vbyesplease+ +vbquestion", "vb ok"}) {
    EXPECT_EQ(Buttons(ParseMsgStyle(style)), "Ok=1 ") << style;
  }
  EXPECT_TRUE(ParseMsgStyle("").pictures.empty());
  EXPECT_TRUE(ParseMsgStyle("vbstop+vbwhatever").pictures.empty());
  EXPECT_EQ(Buttons(ParseMsgStyle("vbnormal")), "Ok=0 ");
}

TEST(MsgStyle, TokenOrderDecidesButtonsNotPictures) {
  MsgStyle a = ParseMsgStyle("vbok+vbcritical");
  MsgStyle b = ParseMsgStyle("vbcritical+vbok");
  EXPECT_EQ(Buttons(a), "Ok=1 ");
  EXPECT_EQ(Buttons(b), "Ok=1 ");
  EXPECT_EQ(a.pictures, std::vector<int>{kPictureCritical});
  EXPECT_EQ(b.pictures, a.pictures);
  EXPECT_EQ(Buttons(ParseMsgStyle("vbyes+vbno+vbcancel")),
            Buttons(ParseMsgStyle("vbyesnocancel")));
  EXPECT_EQ(Buttons(ParseMsgStyle("vbno+vbyes")), "No=7 Yes=6 ");
  // More than three buttons: the extra ones have no place.
  EXPECT_EQ(Buttons(ParseMsgStyle("vbyesnocancel+vbok")), "Yes=6 No=7 Cancel=2 ");
}

TEST(MsgStyle, EveryTokenOfBothTables) {
  struct Case {
    const char* token;
    const char* buttons;
  } buttonCases[] = {
      {"vbok", "Ok=1 "},
      {"vbokonly", "Ok=1 "},
      {"vbcancel", "Cancel=2 "},
      {"vbabort", "Abort=3 "},
      {"vbretry", "Retry=4 "},
      {"vbignore", "Ignore=5 "},
      {"vbyes", "Yes=6 "},
      {"vbno", "No=7 "},
      {"vbokcancel", "Ok=1 Cancel=2 "},
      {"vbcancelok", "Ok=1 Cancel=2 "},
      {"vbretrycancel", "Retry=4 Cancel=2 "},
      {"vbabortretryignore", "Abort=3 Retry=4 Ignore=5 "},
      {"vbcontinuecancel", "Continue=6 Cancel=2 "},
  };
  for (const Case& c : buttonCases) EXPECT_EQ(Buttons(ParseMsgStyle(c.token)), c.buttons);
  EXPECT_EQ(ParseMsgStyle("vbcontinuecancel").pictures, std::vector<int>{kPictureInformation});

  struct PictureCase {
    const char* token;
    int place;
  } pictureCases[] = {{"vbquestion", 0}, {"vbexclamation", 1}, {"vbinformation", 2},
                      {"vberror", 3},    {"vbcritical", 4},    {"vbhappy", 5},
                      {"vbtrash", 6},    {"vbprint", 7},       {"vblighton", 8},
                      {"vbcustom", 10}};
  for (const PictureCase& c : pictureCases) {
    EXPECT_EQ(ParseMsgStyle(c.token).pictures, std::vector<int>{c.place}) << c.token;
  }
}

}  // namespace
}  // namespace sl
