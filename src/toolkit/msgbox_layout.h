#pragma once
// Where the message box puts its label, input field and buttons, and how big the window is.
// All lengths are twips; window sizes are outer sizes (frame and caption included), control
// positions are relative to the client area.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace sl {

inline constexpr int32_t kMsgButtonWidth = 885;
inline constexpr int32_t kMsgButtonHeight = 345;
inline constexpr int32_t kMsgLabelLeft = 780;    // the label's place until an input box is shown
inline constexpr int32_t kInputLabelLeft = 700;  // where the input box moves it, for good
inline constexpr int32_t kMsgLabelTop = 300;
inline constexpr int32_t kInputFieldWidth = 2650;
inline constexpr int32_t kInputFieldHeight = 330;
inline constexpr int32_t kMsgPictureLeft = 90;
inline constexpr int32_t kMsgPictureTop = 90;
inline constexpr int32_t kMsgPictureSize = 480;

struct TextExtent {
  int32_t width = 0;   // the longest line
  int32_t height = 0;  // one line height per line
};

// The extent of a text whose lines end at CR LF, CR or LF; every line break starts a line, so
// an empty text is one (empty) line. lineWidth measures one line in twips.
TextExtent MeasureLines(const std::string& text,
                        const std::function<int32_t(const std::string&)>& lineWidth,
                        int32_t lineHeight);

struct MsgLayout {
  int32_t windowWidth = 0;
  int32_t windowHeight = 0;
  int32_t labelLeft = 0;
  int32_t labelTop = kMsgLabelTop;
  int32_t labelWidth = 0;
  int32_t labelHeight = 0;
  int32_t buttonTop = 0;
  int32_t visibleButtons = 0;  // places 0 .. visibleButtons-1 are shown
  std::array<int32_t, 3> buttonLeft{};
  bool fieldVisible = false;
  int32_t fieldLeft = 0;
  int32_t fieldTop = 0;
};

// A message with the label at labelLeft and buttons 0..lastButton centred below it. The window
// is never narrower than three buttons. A lastButton outside 0..2 places no button.
MsgLayout LayoutMessage(int32_t labelLeft, TextExtent text, int32_t lastButton);

// An input box: the label moves to 700, the field and the three buttons sit below it, left
// aligned with the label.
MsgLayout LayoutInput(TextExtent text);

}  // namespace sl
