#include "support/recording_surface.h"

namespace sl::test {

DrawCall& RecordingSurface::Record(DrawCall::Kind kind, int x1, int y1, int x2, int y2,
                                   Colour colour, int lineWidth, const std::string& text) {
  calls_.push_back({kind, x1, y1, x2, y2, colour, lineWidth, text, font_, 0, "", 0});
  return calls_.back();
}

int RecordingSurface::TextWidth(const std::string& text) {
  measuredPoints_.push_back(font_.points);
  return static_cast<int>(text.size()) * kCharWidth;
}

void RecordingSurface::DrawRotatedText(int xPixel, int yPixel, const std::string& text,
                                       const std::string& face, int pixelHeight,
                                       int tenthsOfDegree, Colour colour) {
  DrawCall& call = Record(DrawCall::Rotated, xPixel, yPixel, xPixel, yPixel, colour, 0, text);
  call.tenthsOfDegree = tenthsOfDegree;
  call.face = face;
  call.pixelHeight = pixelHeight;
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
