#include "toolkit/msgbox_layout.h"

#include <algorithm>

namespace sl {

namespace {

constexpr int32_t kLabelPadding = 120;     // added to the text height, and above the buttons
constexpr int32_t kBottomMargin = 600;     // below the buttons, caption and frame included
constexpr int32_t kInputRightMargin = 350;
constexpr int32_t kFieldGap = 320;         // from the label's height to the field's top
constexpr int32_t kButtonGap = 10;         // between the field and the buttons

}  // namespace

TextExtent MeasureLines(const std::string& text,
                        const std::function<int32_t(const std::string&)>& lineWidth,
                        int32_t lineHeight) {
  TextExtent extent;
  int32_t lines = 0;
  size_t start = 0;
  while (true) {
    size_t end = text.find_first_of("\r\n", start);
    std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    extent.width = std::max(extent.width, lineWidth(line));
    ++lines;
    if (end == std::string::npos) break;
    start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
  }
  extent.height = lines * lineHeight;
  return extent;
}

MsgLayout LayoutMessage(int32_t labelLeft, TextExtent text, int32_t lastButton) {
  MsgLayout layout;
  layout.labelLeft = labelLeft;
  layout.labelWidth = text.width;
  layout.windowWidth = std::max(text.width + 2 * labelLeft, 3 * kMsgButtonWidth);
  layout.labelHeight = text.height + kLabelPadding;
  layout.buttonTop = layout.labelTop + layout.labelHeight + kLabelPadding;
  layout.windowHeight = layout.buttonTop + kMsgButtonHeight + kBottomMargin;
  if (lastButton < 0 || lastButton > 2) return layout;
  layout.visibleButtons = lastButton + 1;
  int32_t left = (layout.windowWidth - layout.visibleButtons * kMsgButtonWidth) / 2;
  for (int32_t i = 0; i < layout.visibleButtons; ++i) {
    layout.buttonLeft[i] = left + i * kMsgButtonWidth;
  }
  return layout;
}

MsgLayout LayoutInput(TextExtent text) {
  MsgLayout layout;
  layout.labelLeft = kInputLabelLeft;
  layout.labelWidth = text.width;
  layout.windowWidth = kInputLabelLeft + text.width + kInputRightMargin;
  layout.labelHeight = text.height + kLabelPadding;
  layout.fieldVisible = true;
  layout.fieldTop = layout.labelHeight + kFieldGap;
  layout.buttonTop = layout.fieldTop + kInputFieldHeight + kButtonGap;
  layout.windowHeight = layout.buttonTop + kMsgButtonHeight + kBottomMargin;
  layout.visibleButtons = 3;
  for (int32_t i = 0; i < 3; ++i) layout.buttonLeft[i] = kInputLabelLeft + i * kMsgButtonWidth;
  layout.fieldLeft = layout.buttonLeft[0];
  int32_t buttonsRight = layout.buttonLeft[2] + kMsgButtonWidth;
  layout.windowWidth = std::max(layout.windowWidth, buttonsRight + kInputRightMargin);
  return layout;
}

}  // namespace sl
