#include "generation/link_rule.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>

#include "generation/word_table.h"

namespace sl {
namespace {

// Links are the first three matches from column 2 on (not A or E, case counts), taken only when
// their letters differ and no two are neighbours; a later triple is never tried.
TEST(FindLink, TheFirstThreeMatchesOrNothing) {
  // upper word, lower word, link letters ("" for no link), link positions
  const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
      {"RXTXLXMX", "RYTYLYMY", "TLM", "030507"},  // column 1 matches too, but never counts
      {"RYTYLYMY", "RXTXLXMX", "TLM", "030507"},  // the same link either way round
      {"RXTXLXQQ", "RYTYLYZZ", "", ""},           // column 1 and two more are not enough
      {"XAXTXLXM", "YAYTYLYM", "TLM", "040608"},
      {"XEXTXLXM", "YEYTYLYM", "TLM", "040608"},
      {"XaXtXlXm", "YaYtYlYm", "atl", "020406"},  // lower-case a and e are letters like others
      {"XeXtXlXm", "YeYtYlYm", "etl", "020406"},
      {"XIXOXUXY", "ZIZOZUZW", "IOU", "020406"},
      {"XTXLXMXQ", "YtYLYMYW", "", ""},            // T and t are no match
      {"XRTXLXXX", "YRTYLYYY", "", ""},            // columns 2, 3, 5
      {"XRXTLXXX", "YRYTLYYY", "", ""},            // columns 2, 4, 5
      {"XRXRXLXX", "YRYRYLYY", "", ""},            // R twice
      {"XRXLXRXX", "YRYLYRYY", "", ""},            // R first and third
      {"XTXTXLXM", "YTYTYLYM", "", ""},            // T, L, M further on are never tried
      {"PARTICLES", "MARTINETS", "", ""},          // R, T, I: 3 and 4 are neighbours
      {"TRAVELERS", "QRZVYLQQQ", "RVL", "020406"},
      {"XRXTXLXM", "YRYTY", "", ""},               // the shorter word ends the search
      {"XRXTXL", "YRYTYLYMYN", "RTL", "020406"},
      {"", "", "", ""},
  };
  for (const auto& [upper, lower, letters, positions] : cases) {
    const Link link = FindLink(upper, lower);
    EXPECT_EQ(link.letters, letters) << upper << " / " << lower;
    EXPECT_EQ(link.positions, positions) << upper << " / " << lower;
  }
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
