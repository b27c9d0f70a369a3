// The message box's style text and layout, compared with a plain reference written from the
// rules: the style is lower-cased (A-Z only), split at "+", each part trimmed of spaces and
// looked up in the tables below; a button's tag reads as its leading number, rounded half to
// even and kept within 32 bits. Input: style text, a NUL byte, the message and then the tag.
#include <algorithm>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "plain_references.h"
#include "toolkit/msgbox_layout.h"
#include "toolkit/msgbox_style.h"

namespace {

struct Expected {
  std::vector<int> pictures;
  std::vector<std::pair<std::string, int>> buttons;
};

const std::pair<const char*, int> kPictures[] = {
    {"vbquestion", 0}, {"vbexclamation", 1}, {"vbinformation", 2}, {"vberror", 3},
    {"vbcritical", 4}, {"vbhappy", 5},       {"vbtrash", 6},       {"vbprint", 7},
    {"vblighton", 8},  {"vbcustom", 10},
};

const std::pair<const char*, const char*> kButtons[] = {
    {"vbok", "Ok1"},          {"vbokonly", "Ok1"},        {"vbnormal", "Ok0"},
    {"vbcancel", "Cancel2"},  {"vbabort", "Abort3"},      {"vbretry", "Retry4"},
    {"vbignore", "Ignore5"},  {"vbyes", "Yes6"},          {"vbno", "No7"},
    {"vbokcancel", "Ok1 Cancel2"},      {"vbcancelok", "Ok1 Cancel2"},
    {"vbretrycancel", "Retry4 Cancel2"}, {"vbyesno", "Yes6 No7"},
    {"vbyesnocancel", "Yes6 No7 Cancel2"}, {"vbabortretryignore", "Abort3 Retry4 Ignore5"},
    {"vbcontinuecancel", "Continue6 Cancel2"},
};

Expected ReferenceStyle(std::string_view style) {
  Expected expected;
  const std::string lower = sl::fuzz::ReferenceAsciiLower(std::string(style));
  for (std::string token : sl::fuzz::ReferenceSplit(lower, '+')) {
    while (!token.empty() && token.front() == ' ') token.erase(0, 1);
    while (!token.empty() && token.back() == ' ') token.pop_back();
    for (const auto& [name, place] : kPictures) {
      if (token == name) expected.pictures.push_back(place);
    }
    for (const auto& [name, buttons] : kButtons) {
      if (token != name) continue;
      for (const std::string& one : sl::fuzz::ReferenceSplit(buttons, ' ')) {
        if (expected.buttons.size() == 3) break;
        expected.buttons.push_back({one.substr(0, one.size() - 1), one.back() - '0'});
      }
    }
    if (token == "vbcontinuecancel") expected.pictures.push_back(2);
  }
  if (expected.buttons.empty()) expected.buttons.push_back({"Ok", 1});
  return expected;
}

// Every line break starts a line, a trailing one too. 100 twips a byte, 200 a line.
sl::TextExtent ReferenceExtent(const std::string& text) {
  const std::vector<std::string> lines = sl::fuzz::ReferenceLines(text + "x");
  sl::TextExtent extent{0, static_cast<int32_t>(lines.size()) * 200};
  for (size_t i = 0; i < lines.size(); ++i) {
    const size_t length = lines[i].size() - (i + 1 == lines.size() ? 1 : 0);
    extent.width = std::max(extent.width, static_cast<int32_t>(length) * 100);
  }
  return extent;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace sl;
  const std::string_view input = fuzz::Bytes(data, size);
  const size_t nul = input.find('\0');
  const std::string_view style = input.substr(0, nul);
  const std::string rest(nul == std::string_view::npos ? "" : input.substr(nul + 1));

  const MsgStyle parsed = ParseMsgStyle(style);
  const Expected expected = ReferenceStyle(style);
  FUZZ_CHECK(parsed.pictures == expected.pictures, "style \"%.*s\"", int(style.size()),
             style.data());
  FUZZ_CHECK(parsed.buttons.size() == expected.buttons.size());
  for (size_t i = 0; i < parsed.buttons.size(); ++i) {
    FUZZ_CHECK(parsed.buttons[i].caption == expected.buttons[i].first &&
                   parsed.buttons[i].result == expected.buttons[i].second,
               "button %zu", i);
  }

  // The message up to the next NUL, the tag after it.
  const size_t split = rest.find('\0');
  const std::string message = rest.substr(0, split);
  const std::string tag = split == std::string::npos ? rest : rest.substr(split + 1);
  FUZZ_CHECK(MsgTagResult(tag) == fuzz::ReferenceWhole(fuzz::ReferenceVal(tag)), "tag \"%s\"", tag.c_str());

  const TextExtent text = MeasureLines(
      message, [](const std::string& line) { return int32_t(line.size() * 100); }, 200);
  const TextExtent reference = ReferenceExtent(message);
  FUZZ_CHECK(text.width == reference.width && text.height == reference.height);

  const int32_t count = static_cast<int32_t>(parsed.buttons.size());
  const int32_t labelLeft = (size % 2) ? kMsgLabelLeft : kInputLabelLeft;
  const MsgLayout box = LayoutMessage(labelLeft, text, count - 1);
  FUZZ_CHECK(box.windowWidth == std::max(text.width + 2 * labelLeft, 3 * kMsgButtonWidth));
  FUZZ_CHECK(box.visibleButtons == count);
  const int32_t spare = box.windowWidth - count * kMsgButtonWidth;
  FUZZ_CHECK(box.buttonLeft[0] == spare / 2, "buttons centred");
  for (int32_t i = 1; i < count; ++i) {
    FUZZ_CHECK(box.buttonLeft[i] == box.buttonLeft[i - 1] + kMsgButtonWidth);
  }
  FUZZ_CHECK(box.buttonTop == kMsgLabelTop + text.height + 240);
  FUZZ_CHECK(box.windowHeight == box.buttonTop + kMsgButtonHeight + 600);

  const MsgLayout prompt = LayoutInput(text);
  FUZZ_CHECK(prompt.fieldVisible && prompt.visibleButtons == 3 && prompt.fieldLeft == 700);
  FUZZ_CHECK(prompt.windowWidth == std::max(700 + text.width + 350, 700 + 3 * 885 + 350));
  FUZZ_CHECK(prompt.buttonTop == prompt.fieldTop + kInputFieldHeight + 10);
  return 0;
}
