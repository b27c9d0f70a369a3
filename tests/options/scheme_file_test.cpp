#include "options/scheme_file.h"

#include <gtest/gtest.h>

#include "support/scheme_blocks.h"
#include "support/temp_folder.h"

namespace sl {
namespace {

using test::SchemeBlock;

class SchemeFileTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& text) { return temp_.Write("all.col", text); }

  test::TempFolder temp_;
  SchemeTable colours_ = SystemSchemeTable();
};

TEST_F(SchemeFileTest, ListTakesTheTextBeforeTheFirstColOfEveryLineHoldingIt) {
  const std::string path =
      Write(SchemeBlock("xp.col", "1;1;1", "2;2;2") + "note: my.col.col here\n" +
            "no scheme.COL\r\n.col\r\n" + SchemeBlock("ocean.col", "1;1;1", "2;2;2"));
  EXPECT_EQ(ReadSchemeList(path), (std::vector<std::string>{"xp", "note: my", "", "ocean"}));
  EXPECT_TRUE(ReadSchemeList(temp_.File("missing.col")).empty());
}

// The scheme list fuzz harness compares the list, loading and the preview with a reference;
// these are plain examples.
TEST_F(SchemeFileTest, LoadDerivesTheMenuBarAndButtonShadowFromTheRunningComponents) {
  struct Case {
    const char* slot2;
    const char* slot4;
    Colour menuBar, shadow;
  };
  const Case cases[] = {
      {"240;240;240", "20;40;200", RGB(254, 254, 254), RGB(8, 8, 168)},    // 272 > 256; < 1
      {" 10.5 ;11.5x;12;junk", "64;65;66", RGB(42, 44, 44), RGB(32, 33, 34)},  // halves to even
  };
  for (const Case& c : cases) {
    const std::string path = Write("other\r\n" + SchemeBlock("s.col", c.slot2, c.slot4));
    ASSERT_TRUE(LoadColourScheme(path, "s.col", colours_)) << c.slot2;
    EXPECT_EQ(colours_[kMenuBarSlot], c.menuBar) << c.slot2;
    EXPECT_EQ(colours_[kButtonShadowSlot], c.shadow) << c.slot4;
  }
  EXPECT_EQ(colours_[0], RGB(1, 2, 3));
  EXPECT_EQ(colours_[kBackgroundSlot], RGB(10, 12, 12));
  EXPECT_EQ(colours_[12], RGB(12, 0, 0));
}

TEST_F(SchemeFileTest, FailuresKeepTheSlotsReadBeforeThem) {
  const std::string good = SchemeBlock("XP.col", "200;200;200", "100;100;100");
  const std::pair<std::string, int> cases[] = {
      {good, 0},                                            // headers match exactly
      {"xp.col\r\n1;2;3\r\n4;5;6\r\n7;-8;9\r\n", 2},        // a negative number
      {"xp.col\r\n1;2;3\r\n4;5;6\r\n7;8;9\r\n", 3},         // the block ends early
  };
  for (const auto& [text, slotsRead] : cases) {
    SchemeTable colours = SystemSchemeTable();
    EXPECT_FALSE(LoadColourScheme(Write(text), "xp.col", colours)) << text;
    for (int slot = slotsRead; slot < kSchemeSlots; ++slot) {
      EXPECT_EQ(colours[slot], SystemSchemeTable()[slot]) << text << slot;
    }
    EXPECT_EQ(colours[0], slotsRead > 0 ? RGB(1, 2, 3) : SystemSchemeTable()[0]) << text;
  }
  EXPECT_FALSE(LoadColourScheme(temp_.File("missing.col"), "xp.col", colours_));
  EXPECT_EQ(colours_, SystemSchemeTable());
}

// The largest 32-bit number was refused while smaller numbers that round up to it were taken.
TEST_F(SchemeFileTest, ComponentsUpToTheLargest32BitNumberCountAs255) {
  ASSERT_TRUE(LoadColourScheme(Write(SchemeBlock("s.col", "2147483647;2147483646.6;7", "1;1;1")),
                               "s.col", colours_));
  EXPECT_EQ(colours_[kBackgroundSlot], RGB(255, 255, 7));
  EXPECT_FALSE(LoadColourScheme(Write(SchemeBlock("s.col", "2147483647.5;0;0", "1;1;1")),
                                "s.col", colours_));
}

TEST_F(SchemeFileTest, PreviewTakesEveryLineAsItStandsOrTheSystemLookForDefault) {
  const std::string path = Write(SchemeBlock("blue.col", "200;220;300", "20;40;200"));
  Colour preview = 1;
  ASSERT_TRUE(PreviewColourScheme(path, "blue.col", colours_, preview));
  EXPECT_EQ(preview, RGB(200, 220, 255));
  EXPECT_EQ(colours_[kMenuBarSlot], RGB(99, 99, 99));
  EXPECT_EQ(colours_[kButtonShadowSlot], RGB(77, 77, 77));

  SchemeTable system{};
  ASSERT_TRUE(PreviewColourScheme(temp_.File("missing.col"), "DeFault.COL", system, preview));
  EXPECT_EQ(preview, kSystemWindow);
  EXPECT_EQ(system[kButtonSlot], kSystemWindow);
  EXPECT_EQ(system[kMenuBarSlot], RGB(28, 28, 28));
  EXPECT_FALSE(PreviewColourScheme(path, "Blue.col", colours_, preview));
  EXPECT_EQ(preview, 0u);
}

}  // namespace
}  // namespace sl
