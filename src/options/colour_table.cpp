#include "options/colour_table.h"

#include <algorithm>

#include "common/ascii_case.h"
#include "common/mouse_buttons.h"

namespace sl {

namespace {

constexpr int kShadeStep = 10;
constexpr int kLowestShade = 10;

}  // namespace

SchemeTable SystemSchemeTable() {
  SchemeTable colours{};
  colours[kBackgroundSlot] = kButtonFace;
  colours[kMenuBarSlot] = kSystemMenu;
  colours[kButtonSlot] = kButtonFace;
  return colours;
}

Colour ColourOfComponents(int64_t red, int64_t green, int64_t blue) {
  auto capped = [](int64_t c) {
    return static_cast<int>(std::clamp<int64_t>(c, 0, kMaxComponent));
  };
  return RGB(capped(red), capped(green), capped(blue));
}

void ApplyButtonShade(SchemeTable& colours) {
  if (static_cast<int32_t>(colours[kButtonShadeSlot]) > 0) {
    colours[kButtonSlot] = colours[kButtonShadeSlot];
  }
}

Colour AdjustButtonShade(Colour rgb, int button) {
  const int step = button == kMouseRight ? kShadeStep : button == kMouseLeft ? -kShadeStep : 0;
  return EachComponent(rgb,
                       [step](int c) { return std::clamp(c + step, kLowestShade, kMaxComponent); });
}

std::string SchemeListText(const std::string& schemeName) {
  return schemeName.substr(0, schemeName.find('.'));
}

RoleColours RoleColoursOf(const Appearance& appearance) {
  const SchemeTable& table = appearance.SchemeColours;
  const std::string upper = AsciiUppered(appearance.SchemeName);
  RoleColours roles;
  roles.background = table[kBackgroundSlot];
  roles.button = table[kButtonSlot];
  roles.menuBar = table[kMenuBarSlot];
  roles.colourMenuBar = upper.find("DEFAULT") == std::string::npos;
  roles.surfaceText = appearance.FontColour;
  return roles;
}

}  // namespace sl
