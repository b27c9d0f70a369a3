#include "toolkit/help_page.h"

#include <gtest/gtest.h>

namespace sl {
namespace {

TEST(HelpPageTest, AddressKeepsTheFolderAsItIsAndLeadsBackToTheFile) {
  const struct {
    std::string folder, address, path;
  } cases[] = {
      {"/opt/my games/", "file:///opt/my games/stacklinks.htm", "/opt/my games/stacklinks.htm"},
      {"/a#b%20c/", "file:///a#b%20c/stacklinks.htm", "/a#b%20c/stacklinks.htm"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FileAddress(c.folder, kHelpPageName), c.address);
    EXPECT_EQ(LocalPathOfAddress(c.address), c.path);
  }
  EXPECT_EQ(LocalPathOfAddress("https://example.org/"), std::nullopt);
}

TEST(HelpPageTest, TheViewFollowsTheWindowUntilItWouldBeNegative) {
  const std::optional<ViewSize> size = HelpViewSize(6795, 5340, 30);
  ASSERT_TRUE(size);
  EXPECT_EQ(size->width, 6675);
  EXPECT_EQ(size->height, 5130);
  EXPECT_TRUE(HelpViewSize(120, 210, 30));
  EXPECT_FALSE(HelpViewSize(119, 5000, 30));
  EXPECT_FALSE(HelpViewSize(5000, 209, 30));
}

}  // namespace
}  // namespace sl
