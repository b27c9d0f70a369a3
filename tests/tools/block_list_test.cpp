#include "block_list.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace sl::wordlists {
namespace {

BlockList Parsed(const std::vector<std::string>& lines) {
  BlockList list;
  std::string error;
  EXPECT_TRUE(list.Parse(lines, "list", error)) << error;
  return list;
}

TEST(BlockList, WordsStemsPartsAndPhrases) {
  const BlockList list = Parsed({"# a comment line", "", "slut*   # a stem", "crap", "*shit*",
                                 "sexual intercourse", "  Whore  "});
  EXPECT_EQ(list.EntryCount(), 5u);
  for (const char* word : {"SLUTTISH", "slut", "crap", "bullshit", "shitting", "whore"}) {
    EXPECT_TRUE(list.BlocksWord(word)) << word;
  }
  for (const char* word : {"craps", "crappie", "sexual", "intercourse", "whores", "sl"}) {
    EXPECT_FALSE(list.BlocksWord(word)) << word;
  }
  EXPECT_TRUE(list.BlocksText("befitting a slut or slattern"));
  EXPECT_TRUE(list.BlocksText("abstaining from Sexual  Intercourse (as because of vows)"));
  EXPECT_FALSE(list.BlocksText("sexual reproduction; social intercourse"));
  EXPECT_FALSE(list.BlocksText("a game played with dice (craps)"));
}

TEST(BlockList, ABadEntryNamesItsLine) {
  for (const char* bad : {"*", "*shit", "four-letter", "slu*t", "ok two*words*"}) {
    BlockList list;
    std::string error;
    EXPECT_FALSE(list.Parse({"# fine", "fine", bad}, "blocked.list", error)) << bad;
    EXPECT_EQ(error.rfind("blocked.list:3: ", 0), 0u) << error;
  }
  test::TempFolder folder;
  BlockList list;
  std::string error;
  EXPECT_FALSE(list.Read(folder.File("missing.list"), error));
  EXPECT_NE(error.find("cannot read"), std::string::npos);
  EXPECT_TRUE(list.Read(folder.Write("blocked.list", "# only words\r\nfart\r\n"), error));
  EXPECT_TRUE(list.BlocksWord("fart"));
}

}  // namespace
}  // namespace sl::wordlists
