#include "toolkit/gui/screen_colours.h"

#include <QGuiApplication>
#include <QWidget>

#include "options/colour_table.h"
#include "output/render/qpainter_surface.h"

namespace sl {

namespace {

constexpr Colour kSystemIndexMask = 0xFF;
constexpr Colour kHighestSystemIndex = 0x18;

bool KnownSystemColour(Colour colour) {
  const Colour code = colour & 0x7FFFFFFFu;
  return code <= kHighestSystemIndex && (code & ~kSystemIndexMask) == 0;
}

}  // namespace

QColor ScreenColour(Colour colour) {
  if (IsSystemColour(colour) && !KnownSystemColour(colour)) return QColor(Qt::black);
  return ToQColor(colour, QGuiApplication::palette());
}

void SetPaletteColour(QWidget& widget, std::initializer_list<QPalette::ColorRole> roles,
                      const QColor& colour) {
  QPalette palette = widget.palette();
  for (QPalette::ColorRole role : roles) palette.setColor(role, colour);
  widget.setPalette(palette);
}

Colour ToRgbColour(Colour colour) {
  const QColor shown = ScreenColour(colour);
  return RGB(shown.red(), shown.green(), shown.blue());
}

}  // namespace sl
