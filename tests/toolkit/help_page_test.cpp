#include "toolkit/help_page.h"

#include <gtest/gtest.h>

#include <string>

#include "common/text_lines.h"
#include "puzzle/cursor.h"
#include "puzzle/puzzle_record.h"
#include "support/blank_puzzle.h"

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

// The manual beside the program says what the game does, worked out here from the game's code.
TEST(HelpPageTest, TheManualTellsWhereHomeGoesAndHowJunkLinesRead) {
  std::string page;
  ASSERT_TRUE(ReadFileBytes(std::string(STACKLINKS_BIN_DIR) + "/" + kHelpPageName, page));
  std::string flat;  // the page's text with its line breaks as blanks
  for (const char ch : page) flat += ch == '\n' || ch == '\r' ? ' ' : ch;

  const std::optional<Cell> home = MoveCursor(test::BlankPuzzle(8), 5, 5, "H");
  ASSERT_TRUE(home);
  EXPECT_NE(flat.find("(row " + std::to_string(home->row) + ", column " +
                      std::to_string(home->col) + ")"),
            std::string::npos);
  for (const char* line : {"", "not a puzzle at all"}) {
    const std::optional<PuzzleRecord> record = ParsePuzzleRecord(line);
    ASSERT_TRUE(record) << line;
    EXPECT_EQ(record->size, 0) << line;
  }
  EXPECT_NE(flat.find("does not start with a number (any other text), is read as an empty puzzle "
                      "of size 0"),
            std::string::npos);
}

}  // namespace
}  // namespace sl
