#include "support/recording_surface.h"

namespace sl::test {

void RecordingSurface::FillRect(int x1, int y1, int x2, int y2, Colour colour) {
  calls_.push_back({DrawCall::Fill, x1, y1, x2, y2, colour, 0, "", font_});
}

void RecordingSurface::FrameRect(int x1, int y1, int x2, int y2, Colour colour, int lineWidth) {
  calls_.push_back({DrawCall::Frame, x1, y1, x2, y2, colour, lineWidth, "", font_});
}

void RecordingSurface::Line(int x1, int y1, int x2, int y2, Colour colour, int lineWidth) {
  calls_.push_back({DrawCall::Line, x1, y1, x2, y2, colour, lineWidth, "", font_});
}

int RecordingSurface::TextWidth(const std::string& text) {
  return static_cast<int>(text.size()) * kCharWidth;
}

int RecordingSurface::TextHeight(const std::string& text) {
  return text.empty() ? 0 : kTextHeight;
}

void RecordingSurface::DrawText(int x, int y, const std::string& text, Colour colour) {
  calls_.push_back({DrawCall::Text, x, y, x, y, colour, 0, text, font_});
}

void RecordingSurface::DrawRotatedText(int x, int y, const std::string& text, Colour colour,
                                       int /*tenthsOfDegree*/) {
  DrawText(x, y, text, colour);
}

std::vector<DrawCall> RecordingSurface::CallsOf(DrawCall::Kind kind) const {
  std::vector<DrawCall> found;
  for (const DrawCall& call : calls_) {
    if (call.kind == kind) found.push_back(call);
  }
  return found;
}

std::vector<std::string> RecordingSurface::Texts() const {
  std::vector<std::string> texts;
  for (const DrawCall& call : CallsOf(DrawCall::Text)) texts.push_back(call.text);
  return texts;
}

}  // namespace sl::test
