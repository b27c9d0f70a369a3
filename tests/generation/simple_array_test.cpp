// The string list and the patterns its searches take: plain examples; step-by-step checks
// against a model are the fuzz harnesses'.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generation/pattern.h"
#include "generation/simple_array.h"

namespace sl {
namespace {

using Items = std::vector<std::string>;

clsSimpleArray Of(const Items& items) {
  clsSimpleArray a;
  for (const auto& item : items) a.AddItem(item, -1);
  return a;
}

TEST(SimpleArray, AddingAndRemovingMoveLaterItemsWithTheirData) {
  clsSimpleArray a = Of({"B", "D"});
  a.AddItem("X", 3);  // beyond the count: ignored
  a.SetItemData(1, 77);
  a.AddItem("A", 0);
  a.SetList(-1, "Z");  // out of range: ignored
  EXPECT_EQ(a.Items(), (Items{"A", "B", "D"}));
  EXPECT_EQ(a.ItemData(2), 77);
  a.RemoveItem(0);
  EXPECT_EQ(a.ItemData(1), 77);

  clsSimpleArray sorted = Of({"z"});  // ordinal: upper case first; old items are not reordered
  sorted.SetSorted(true);
  for (const char* item : {"b", "C", "a"}) sorted.AddItem(item);
  EXPECT_EQ(sorted.Items(), (Items{"C", "a", "b", "z"}));

  // Without regard to case, accents too (\xE9t\xE9, \xC9T\xC9); the first copy stays.
  clsSimpleArray copies = Of({"A", "a", "B", "A", "\xE9t\xE9", "\xC9T\xC9", "ete"});
  copies.RemoveDuplicates();
  EXPECT_EQ(copies.Items(), (Items{"A", "B", "\xE9t\xE9", "ete"}));
  copies.RemoveItemsMatching("b");
  EXPECT_EQ(copies.Items(), (Items{"A", "\xE9t\xE9", "ete"}));
}

// A model small enough to step through never reaches this limit.
TEST(SimpleArray, FindStringStopsAfterStoringIndex32001) {
  clsSimpleArray big = Of(Items(32005, "W"));
  EXPECT_EQ(big.FindString("W"), 32001);
  EXPECT_EQ(big.ItemData(32001), 32001);
}

TEST(PatternMatch, TokensListsAndStars) {
  const std::tuple<const char*, const char*, bool> cases[] = {
      {"CAT", "C?T", true}, {"CAT", "c?t", false},  // case counts
      {"R2D2", "R#D#", true}, {"RXD2", "R#D#", false},
      {"q", "[!A-Z]", true}, {"Q", "[!A-Z]", false}, {"-", "[a-]", true},
      {"\xE9", "[\xE0-\xEF]", true},  // bytes above 127 compare unsigned
      {"AB", "A[]B", true},           // an empty list stands for nothing
      {"CATALOG", "*CAT*", true}, {"CATS", "*CAT", false}, {"A", "A*A", false},
      {"xaxcxb", "*a*b*c", false},
      // Malformed patterns match nothing, not even their own text.
      {"[abc", "[abc", false}, {"m", "[z-a]", false},
  };
  for (const auto& [text, pattern, matches] : cases) {
    EXPECT_EQ(MatchesPattern(text, pattern), matches) << text << " ~ " << pattern;
  }
  // Backtracking over every star would take longer than the test's time-out here.
  const std::string text(20000, 'a');
  EXPECT_FALSE(Pattern("*a*a*a*a*a*a*a*a*a*a*a*a*b").Matches(text));
  EXPECT_TRUE(Pattern("*a*a*a*a*a*a*a*a*a*a*a*a*").Matches(text));
}

}  // namespace
}  // namespace sl
