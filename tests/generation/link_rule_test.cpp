#include "generation/link_rule.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "generation/word_table.h"

namespace sl {
namespace {

std::string Letters(std::string_view upper, std::string_view lower) {
  return FindLink(upper, lower).letters;
}

TEST(FindLink, LinksTheFirstThreeMatchesFromColumnTwoOn) {
  const Link link = FindLink("RXTXLXMX", "RYTYLYMY");  // column 1 matches too
  EXPECT_EQ(link.letters, "TLM");
  EXPECT_EQ(link.positions, "030507");
  // Column 1 and two more columns are not enough.
  EXPECT_FALSE(FindLink("RXTXLXQQ", "RYTYLYZZ").Linked());
  // The same link either way round.
  EXPECT_EQ(FindLink("RYTYLYMY", "RXTXLXMX").positions, "030507");
}

TEST(FindLink, SkipsUpperCaseAAndEOnly) {
  EXPECT_EQ(FindLink("XAXTXLXM", "YAYTYLYM").positions, "040608");
  EXPECT_EQ(FindLink("XEXTXLXM", "YEYTYLYM").positions, "040608");
  EXPECT_EQ(FindLink("XaXtXlXm", "YaYtYlYm").letters, "atl");
  EXPECT_EQ(FindLink("XeXtXlXm", "YeYtYlYm").positions, "020406");
  EXPECT_EQ(Letters("XIXOXUXY", "ZIZOZUZW"), "IOU");
  // Letters compare with their case: T and t are no match.
  EXPECT_FALSE(FindLink("XTXLXMXQ", "YtYLYMYW").Linked());
}

TEST(FindLink, RefusesNeighboursAndRepeatedLetters) {
  EXPECT_EQ(FindLink("XRXTXLXX", "YRYTYLYY").positions, "020406");
  EXPECT_FALSE(FindLink("XRTXLXXX", "YRTYLYYY").Linked());  // 2, 3, 5
  EXPECT_FALSE(FindLink("XRXTLXXX", "YRYTLYYY").Linked());  // 2, 4, 5
  EXPECT_FALSE(FindLink("XRXRXLXX", "YRYRYLYY").Linked());  // R twice
  EXPECT_FALSE(FindLink("XRXLXRXX", "YRYLYRYY").Linked());  // R first and third
}

TEST(FindLink, NeverTriesALaterTriple) {
  // T, T, L fail although T, L, M further on would pass.
  EXPECT_FALSE(FindLink("XTXTXLXM", "YTYTYLYM").Linked());
  // R, T, I are different but columns 3 and 4 are neighbours; S in column 9 is never tried.
  EXPECT_FALSE(FindLink("PARTICLES", "MARTINETS").Linked());
  const Link link = FindLink("TRAVELERS", "QRZVYLQQQ");
  EXPECT_EQ(link.letters, "RVL");
  EXPECT_EQ(link.positions, "020406");
}

TEST(FindLink, StopsAtTheShorterWord) {
  EXPECT_FALSE(FindLink("XRXTXLXM", "YRYTY").Linked());
  EXPECT_EQ(FindLink("XRXTXL", "YRYTYLYMYN").positions, "020406");
  EXPECT_FALSE(FindLink("", "").Linked());
}

// The table's word-at-a-time link test must agree with FindLink on every pair: the alphabet is
// small so that matches, repeats, neighbours, A/E and lower case all turn up often.
TEST(WordTableLink, AgreesWithFindLinkOnRandomWords) {
  std::mt19937 engine(7);
  const std::string alphabet = "AERSTLaeN";
  for (int width = 3; width <= kMaxRowWidth; ++width) {
    std::vector<std::string> words(150);  // more than two blocks of 64 rows
    for (std::string& word : words) {
      for (int i = 0; i < width; ++i) word += alphabet[engine() % alphabet.size()];
    }
    const WordTable table(words, width);
    ASSERT_EQ(table.Count(), 150);
    for (int32_t u = 0; u < table.Count(); ++u) {
      const WordTable::Upper upper(table, u);
      std::vector<bool> visited(table.Count());
      table.ForEachCandidate(upper, [&](int32_t row) { visited[row] = true; });
      for (int32_t l = 0; l < table.Count(); ++l) {
        const Link expected = FindLink(words[u], words[l]);
        RowLink got;
        const bool linked = table.Link(upper, l, got);
        ASSERT_EQ(linked, expected.Linked()) << words[u] << " / " << words[l];
        // The scan's pre-selection must never drop a linked row.
        ASSERT_TRUE(visited[l] || !linked) << words[u] << " / " << words[l];
        if (!linked) continue;
        std::string positions;
        for (int8_t c : got.columns) positions += std::to_string(100 + c + 1).substr(1);
        EXPECT_EQ(std::string(got.letters.data(), 3), expected.letters);
        EXPECT_EQ(positions, expected.positions);
      }
    }
  }
}

TEST(WordTable, LeavesOutWordsThatWouldBreakARecord) {
  const WordTable table({"ABCDEFGH", "ABC EFGH", "ABC;EFGH", "ABC,EFGH", "ABCDEFG", "ABCDEFGHI"},
                        8);
  ASSERT_EQ(table.Count(), 1);
  EXPECT_EQ(table.Word(0), "ABCDEFGH");
}

}  // namespace
}  // namespace sl
