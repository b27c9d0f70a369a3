#include "generation/link_rule.h"

#include <gtest/gtest.h>

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
      {"RXTXLXQQ", "RYTYLYZZ", "", ""},           // column 1 and two more are not enough
      {"XAXTXLXM", "YAYTYLYM", "TLM", "040608"},  // A and E never link
      {"XaXtXlXm", "YaYtYlYm", "atl", "020406"},  // lower-case a is a letter like others
      {"XTXLXMXQ", "YtYLYMYW", "", ""},            // T and t are no match
      {"XRTXLXXX", "YRTYLYYY", "", ""},            // columns 2, 3, 5
      {"XRXRXLXX", "YRYRYLYY", "", ""},            // R twice
      {"XTXTXLXM", "YTYTYLYM", "", ""},            // T, L, M further on are never tried
      {"PARTICLES", "MARTINETS", "", ""},          // R, T, I: 3 and 4 are neighbours
      {"XRXTXLXM", "YRYTY", "", ""},               // the shorter word ends the search
      {"XRXTXL", "YRYTYLYMYN", "RTL", "020406"},
  };
  for (const auto& [upper, lower, letters, positions] : cases) {
    const Link link = FindLink(upper, lower);
    EXPECT_EQ(link.letters, letters) << upper << " / " << lower;
    EXPECT_EQ(link.positions, positions) << upper << " / " << lower;
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
