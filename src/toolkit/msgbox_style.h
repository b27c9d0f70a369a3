#pragma once
// The style text of the message box: "vbQuestion + vbYesNo" names a picture and the buttons.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sl {

// Answer codes of the message box.
inline constexpr int32_t kMsgOk = 1;
inline constexpr int32_t kMsgCancel = 2;
inline constexpr int32_t kMsgAbort = 3;
inline constexpr int32_t kMsgRetry = 4;
inline constexpr int32_t kMsgIgnore = 5;
inline constexpr int32_t kMsgYes = 6;  // also "Continue"
inline constexpr int32_t kMsgNo = 7;

inline constexpr int kMsgButtonPlaces = 3;
inline constexpr int kMsgPicturePlaces = 11;

// Picture places.
enum MsgPicture {
  kPictureQuestion = 0,
  kPictureExclamation = 1,
  kPictureInformation = 2,
  kPictureStop = 3,
  kPictureCritical = 4,
  kPictureHappy = 5,
  kPictureTrash = 6,
  kPicturePrinter = 7,
  kPictureLightOn = 8,
  kPictureCustom = 10,  // holds no picture
};

struct MsgButtonDef {
  std::string caption;
  int32_t result = kMsgOk;
};

struct MsgStyle {
  std::vector<int> pictures;           // picture places to show, in the order named
  std::vector<MsgButtonDef> buttons;  // places 0, 1, 2 from the left; never empty
};

// Lower-cases the style, splits it at "+", trims blanks from each token and handles the tokens
// left to right; unknown and empty tokens are ignored. Buttons beyond the three places are
// dropped. Without any button token the box gets one "Ok" (1).
MsgStyle ParseMsgStyle(std::string_view style);

// The answer a button's tag carries: its leading number to the nearest whole number, halves to
// even, kept within 32 bits.
int32_t MsgTagResult(std::string_view tag);

}  // namespace sl
