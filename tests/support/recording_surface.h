#pragma once
// A Surface for tests: every character is 100 twips wide and every text 200 high, and every
// drawing call is recorded so tests can check coordinates. Its pixels are 15 twips unless set.
#include <string>
#include <vector>

#include "common/surface.h"

namespace sl::test {

struct DrawCall {
  enum Kind { Fill, Frame, Line, Text, Rotated } kind = Fill;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Colour colour = 0;
  int lineWidth = 0;
  std::string text;
  FontStyle font;  // the font in effect for Text calls
  // Rotated texts: x1, y1 are device pixels; the font face and pixel height are their own.
  int tenthsOfDegree = 0;
  std::string face;
  int pixelHeight = 0;
};

class RecordingSurface : public Surface {
 public:
  static constexpr int kCharWidth = 100;
  static constexpr int kTextHeight = 200;

  void FillRect(int x1, int y1, int x2, int y2, Colour colour) override {
    Record(DrawCall::Fill, x1, y1, x2, y2, colour, 0, "");
  }
  void FrameRect(int x1, int y1, int x2, int y2, Colour colour, int lineWidth) override {
    Record(DrawCall::Frame, x1, y1, x2, y2, colour, lineWidth, "");
  }
  void Line(int x1, int y1, int x2, int y2, Colour colour, int lineWidth) override {
    Record(DrawCall::Line, x1, y1, x2, y2, colour, lineWidth, "");
  }
  void SetFont(const FontStyle& font) override { font_ = font; }
  FontStyle Font() const override { return font_; }
  int TextWidth(const std::string& text) override;
  int TextHeight(const std::string& text) override { return text.empty() ? 0 : kTextHeight; }
  void DrawText(int x, int y, const std::string& text, Colour colour) override {
    Record(DrawCall::Text, x, y, x, y, colour, 0, text);
  }
  void DrawRotatedText(int xPixel, int yPixel, const std::string& text, const std::string& face,
                       int pixelHeight, int tenthsOfDegree, Colour colour) override;
  double TwipsPerPixelX() const override { return twipsPerPixel_; }
  void SetTwipsPerPixel(double twips) { twipsPerPixel_ = twips; }

  const std::vector<DrawCall>& Calls() const { return calls_; }
  std::vector<DrawCall> CallsOf(DrawCall::Kind kind) const;
  // The texts printed upright, in order.
  std::vector<std::string> Texts() const;
  void Clear() { calls_.clear(); }
  // The point size of every text measured with TextWidth, in order.
  const std::vector<double>& MeasuredPoints() const { return measuredPoints_; }

 private:
  DrawCall& Record(DrawCall::Kind kind, int x1, int y1, int x2, int y2, Colour colour,
                   int lineWidth, const std::string& text);

  std::vector<DrawCall> calls_;
  std::vector<double> measuredPoints_;
  FontStyle font_;
  double twipsPerPixel_ = 15;
};

}  // namespace sl::test
