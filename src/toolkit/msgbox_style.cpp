#include "toolkit/msgbox_style.h"

#include <vector>

#include "common/ascii_case.h"
#include "common/numbers.h"

namespace sl {

namespace {

struct PictureToken {
  const char* token;
  int place;
};

const PictureToken kPictureTokens[] = {
    {"vbquestion", kPictureQuestion}, {"vbexclamation", kPictureExclamation},
    {"vbinformation", kPictureInformation}, {"vberror", kPictureStop},
    {"vbcritical", kPictureCritical}, {"vbhappy", kPictureHappy},
    {"vbtrash", kPictureTrash}, {"vbprint", kPicturePrinter},
    {"vblighton", kPictureLightOn}, {"vbcustom", kPictureCustom},
};

const MsgButtonDef kOk{"Ok", kMsgOk};
const MsgButtonDef kCancel{"Cancel", kMsgCancel};
const MsgButtonDef kAbort{"Abort", kMsgAbort};
const MsgButtonDef kRetry{"Retry", kMsgRetry};
const MsgButtonDef kIgnore{"Ignore", kMsgIgnore};
const MsgButtonDef kYes{"Yes", kMsgYes};
const MsgButtonDef kNo{"No", kMsgNo};

struct ButtonToken {
  const char* token;
  std::vector<MsgButtonDef> buttons;
};

const ButtonToken kButtonTokens[] = {
    {"vbok", {kOk}},
    {"vbokonly", {kOk}},
    {"vbnormal", {MsgButtonDef{"Ok", 0}}},
    {"vbcancel", {kCancel}},
    {"vbabort", {kAbort}},
    {"vbretry", {kRetry}},
    {"vbignore", {kIgnore}},
    {"vbyes", {kYes}},
    {"vbno", {kNo}},
    {"vbokcancel", {kOk, kCancel}},
    {"vbcancelok", {kOk, kCancel}},
    {"vbretrycancel", {kRetry, kCancel}},
    {"vbyesno", {kYes, kNo}},
    {"vbyesnocancel", {kYes, kNo, kCancel}},
    {"vbabortretryignore", {kAbort, kRetry, kIgnore}},
    {"vbcontinuecancel", {MsgButtonDef{"Continue", kMsgYes}, kCancel}},
};

std::string Trimmed(std::string_view text) {
  size_t begin = text.find_first_not_of(' ');
  if (begin == std::string_view::npos) return {};
  size_t end = text.find_last_not_of(' ');
  return std::string(text.substr(begin, end - begin + 1));
}

void HandleToken(const std::string& token, MsgStyle& style) {
  for (const PictureToken& picture : kPictureTokens) {
    if (token == picture.token) style.pictures.push_back(picture.place);
  }
  for (const ButtonToken& entry : kButtonTokens) {
    if (token != entry.token) continue;
    for (const MsgButtonDef& button : entry.buttons) {
      if (style.buttons.size() < kMsgButtonPlaces) style.buttons.push_back(button);
    }
  }
  if (token == "vbcontinuecancel") style.pictures.push_back(kPictureInformation);
}

}  // namespace

MsgStyle ParseMsgStyle(std::string_view style) {
  const std::string lower = AsciiLower(style);

  MsgStyle parsed;
  size_t start = 0;
  while (true) {
    size_t plus = lower.find('+', start);
    std::string_view token(lower);
    token = token.substr(start, plus == std::string::npos ? std::string::npos : plus - start);
    HandleToken(Trimmed(token), parsed);
    if (plus == std::string::npos) break;
    start = plus + 1;
  }
  if (parsed.buttons.empty()) parsed.buttons.push_back(kOk);
  return parsed;
}

int32_t MsgTagResult(std::string_view tag) { return RoundHalfEven(Val(tag)); }

}  // namespace sl
