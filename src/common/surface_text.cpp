#include "common/surface_text.h"

namespace sl {

void SetFontPoints(Surface& surface, double points) {
  FontStyle font = surface.Font();
  font.points = points;
  surface.SetFont(font);
}

void SetFontBold(Surface& surface, bool bold) {
  FontStyle font = surface.Font();
  font.bold = bold;
  surface.SetFont(font);
}

int PrintLine(Surface& surface, int x, int y, const std::string& text, Colour colour) {
  surface.DrawText(x, y, text, colour);
  return y + surface.TextHeight(text.empty() ? " " : text);
}

}  // namespace sl
