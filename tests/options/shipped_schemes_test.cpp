// Checks over the scheme list "all.col" the build ships in the program folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "options/contrast.h"
#include "options/scheme_file.h"

namespace sl {
namespace {

const std::string kList = std::string(STACKLINKS_BIN_DIR) + "/all.col";

TEST(ShippedSchemes, EverySchemeLoadsAndItsTextSurfacesAreReadable) {
  EXPECT_DOUBLE_EQ(ContrastRatio(kBlack, kWhite), 21.0);  // the measure's own ends and
  EXPECT_NEAR(ContrastRatio(RGB(118, 118, 118), kWhite), 4.54, 0.01);  // its 4.5 grey
  const std::vector<std::string> names = ReadSchemeList(kList);
  EXPECT_GE(names.size(), 8u);
  EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
  for (const char* needed : {"xp", "default"}) {
    EXPECT_NE(std::find(names.begin(), names.end(), needed), names.end()) << needed;
  }
  // Texts drawn on the scheme's colours: the message window's dark grey and the black of the
  // grid letters, clue list, labels, menus and button captions.
  const Colour inks[] = {kMessageTextColour, kBlack};
  for (const std::string& name : names) {
    SchemeTable colours{};
    ASSERT_TRUE(LoadColourScheme(kList, name + ".col", colours)) << name;
    for (int slot : {kBackgroundSlot, kMenuBarSlot, kButtonSlot}) {
      for (Colour ink : inks) {
        EXPECT_GE(ContrastRatio(colours[slot], ink), kReadableContrast)
            << name << " slot " << slot << " ink " << ink;
      }
    }
    // The grid's sunk and raised cells need white and black bevels that show.
    EXPECT_LT(RelativeLuminance(colours[kBackgroundSlot]), 0.95) << name;
  }
}

}  // namespace
}  // namespace sl
