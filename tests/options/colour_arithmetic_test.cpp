// The picker's shades and points, the "+-" button and the button shade rule.
#include <gtest/gtest.h>

#include "options/colour_picker.h"
#include "options/colour_table.h"
#include "options/contrast.h"

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
      {RGB(255, 7, 0), 1, RGB(1, 0, 0), RGB(255, 254, 254)},
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
      {10, 30, kBlack},                      // box 0, top-left corner
      {65, 230, kBlack},                     // box 0, bottom-right corner
      {66, 100, back},                       // between boxes
      {75, 100, RGB(0, 0, 128)},             // box 1
      {205, 705, kWhite},                    // box 15
      {10, 1000, kBlack},                    // black strip level 0
      {138.9, 1150, RGB(100, 50, 25)},       // level 128
      {266.5, 950, strip},                   // level 256
      {267, 1000, back},                     // right of the strips
      {138, 1160, back},                     // between the strips
      {138, 1375, RGB(228, 178, 152)},       // white strip level 128
      {9.9, 1200, back},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PickerColourAt(c.x, c.y, strip, back), c.colour) << c.x << "," << c.y;
  }
  EXPECT_EQ(PaletteColour(12), RGB(255, 0, 0));
  EXPECT_EQ(PaletteBox(7).left, 205);
  EXPECT_EQ(PaletteBox(7).bottom, 455);
}

TEST(ColourArithmetic, ButtonShadeStepsByTenWithinTenTo255) {
  const std::tuple<Colour, int, Colour> cases[] = {
      {RGB(250, 5, 100), 2, RGB(255, 15, 110)},
      {RGB(15, 12, 255), 1, RGB(10, 10, 245)},
      {RGB(0, 128, 255), 4, RGB(10, 128, 255)},  // other buttons only keep the limits
  };
  for (const auto& [colour, button, adjusted] : cases) {
    EXPECT_EQ(AdjustButtonShade(colour, button), adjusted) << button;
  }

  SchemeTable colours = SystemSchemeTable();
  colours[kButtonShadeSlot] = kSystemWindow;  // a system colour is not above 0
  ApplyButtonShade(colours);
  EXPECT_EQ(colours[kButtonSlot], kButtonFace);
  colours[kButtonShadeSlot] = RGB(1, 0, 0);
  ApplyButtonShade(colours);
  EXPECT_EQ(colours[kButtonSlot], RGB(1, 0, 0));
}

TEST(ColourArithmetic, NamesHoldingDefaultLeaveTheMenuBarUncoloured) {
  const std::pair<const char*, bool> cases[] = {
      {"xp.col", true}, {"default.col", false}, {"MyDefaults.col", false}, {"defau.lt", true}};
  for (const auto& [name, coloured] : cases) {
    Appearance appearance;
    appearance.SchemeName = name;
    EXPECT_EQ(RoleColoursOf(appearance).colourMenuBar, coloured) << name;
  }
  EXPECT_EQ(SchemeListText("xp.col"), "xp");
  EXPECT_EQ(SchemeListText("my.scheme.col"), "my");
}

TEST(ColourArithmetic, ContrastRatioRunsFromOneToTwentyOne) {
  EXPECT_DOUBLE_EQ(ContrastRatio(kBlack, kWhite), 21.0);
  EXPECT_DOUBLE_EQ(ContrastRatio(RGB(10, 200, 30), RGB(10, 200, 30)), 1.0);
  EXPECT_NEAR(ContrastRatio(RGB(118, 118, 118), kWhite), 4.54, 0.01);  // the web's 4.5 grey
}

}  // namespace
}  // namespace sl
