#pragma once
// The one drawing interface. The screen grid, the clue panel, the printed page, the PDF and the
// clipboard picture are all drawn through it. Coordinates are twips from the surface's top-left
// corner, y growing downwards. Texts are Windows-1252 bytes, as held in the game's files, except
// the system's own texts (file names and paths), which are UTF-8.
// Line widths are device pixels of the target: on a screen the screen's pixels, on paper and PDF
// the dots of a 600 dpi device (a typical laser printer), so a width of 3 is a fine line there.
#include <string>

#include "common/codepage.h"
#include "common/colour.h"

namespace sl {

struct FontStyle {
  std::string name = "Arial";
  double points = 10;
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

class Surface {
 public:
  virtual ~Surface() = default;

  // Filled rectangle between two corners (inclusive of both, as the grid's numbers expect).
  virtual void FillRect(int x1, int y1, int x2, int y2, Colour colour) = 0;
  // Outline of the rectangle between two corners.
  virtual void FrameRect(int x1, int y1, int x2, int y2, Colour colour, int lineWidth) = 0;
  // A line; lineWidth is in device pixels (1 = the thinnest line).
  virtual void Line(int x1, int y1, int x2, int y2, Colour colour, int lineWidth) = 0;

  virtual void SetFont(const FontStyle& font) = 0;
  virtual FontStyle Font() const = 0;
  // Printed width and height of a text in the current font, in twips.
  virtual int TextWidth(const std::string& text) = 0;
  virtual int TextHeight(const std::string& text) = 0;
  // Prints the text with its top-left corner at (x, y).
  virtual void DrawText(int x, int y, const std::string& text, Colour colour) = 0;
  // The same for a text of the system's (UTF-8): a file name or path. A surface that can show
  // only the code page shows what it holds of the text.
  virtual void DrawSystemText(int x, int y, const std::string& utf8, Colour colour) {
    DrawText(x, y, Utf8ToCp1252(utf8), colour);
  }
  // Prints the text turned by the angle in tenths of a degree (counter-clockwise) in a font of
  // that face whose characters are pixelHeight device pixels high, anchored at device pixel
  // (xPixel, yPixel), the unturned text's top-left corner. The current font stays as it was.
  virtual void DrawRotatedText(int xPixel, int yPixel, const std::string& text,
                               const std::string& face, int pixelHeight, int tenthsOfDegree,
                               Colour colour) = 0;

  // Twips per device pixel across: 15 on a 96 DPI screen, 2.4 on paper and PDF.
  virtual double TwipsPerPixelX() const = 0;
};

}  // namespace sl
