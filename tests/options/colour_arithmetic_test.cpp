// The picker's shades and points, the "+-" button and the button shade rule.
#include <gtest/gtest.h>

#include "options/colour_picker.h"
#include "options/colour_table.h"

namespace sl {
namespace {

TEST(ColourArithmetic, ShadesRoundInSinglePrecisionHalvesToEven) {
  struct Case {
    Colour colour;
    int level;
    Colour black, white;
  };
  const Case cases[] = {
      {RGB(200, 100, 50), 128, RGB(100, 50, 25), RGB(228, 178, 152)},
      {RGB(200, 100, 50), 256, RGB(200, 100, 50), RGB(200, 100, 50)},
      {RGB(200, 100, 50), 0, kBlack, kWhite},
      {RGB(2, 3, 4), 128, RGB(1, 2, 2), RGB(128, 129, 130)},  // 1.5, 128.5 and 129.5 to even
  };
  for (const Case& c : cases) {
    EXPECT_EQ(clrBlackness(c.colour, c.level), c.black) << c.level;
    EXPECT_EQ(clrWhiteness(c.colour, c.level), c.white) << c.level;
  }
}

TEST(ColourArithmetic, PointsFindPaletteBoxesStripLevelsOrTheBackground) {
  const Colour strip = RGB(200, 100, 50);
  const Colour back = RGB(1, 2, 3);
  struct Case {
    double x, y;
    Colour colour;
  };
  const Case cases[] = {
      {65, 230, kBlack},                // box 0, bottom-right corner
      {205, 705, kWhite},               // box 15, top-left corner
      {138.9, 1150, RGB(100, 50, 25)},  // black strip, level 128
      {266.5, 950, strip},              // level 256
      {267, 1000, back},                // right of the strips
      {138, 1160, back},                // between the strips
      {138, 1375, RGB(228, 178, 152)},  // white strip, level 128
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PickerColourAt(c.x, c.y, strip, back), c.colour) << c.x << "," << c.y;
  }
  EXPECT_EQ(PaletteColour(12), RGB(255, 0, 0));
}

TEST(ColourArithmetic, ButtonShadeStepsByTenWithinTenTo255AndDefaultSchemesKeepTheMenuBar) {
  // The right button's step up is shown through the options window's "+-".
  const std::tuple<Colour, int, Colour> cases[] = {
      {RGB(15, 12, 255), 1, RGB(10, 10, 245)},
      {RGB(0, 128, 255), 4, RGB(10, 128, 255)},  // other buttons only keep the limits
  };
  for (const auto& [colour, button, adjusted] : cases) {
    EXPECT_EQ(AdjustButtonShade(colour, button), adjusted) << button;
  }
  // A scheme whose name holds "default" in any case leaves the menu bar alone.
  for (const auto& [name, coloured] : {std::pair{"xp.col", true}, {"MyDefaults.col", false}}) {
    Appearance appearance;
    appearance.SchemeName = name;
    EXPECT_EQ(RoleColoursOf(appearance).colourMenuBar, coloured) << name;
  }
}

}  // namespace
}  // namespace sl
