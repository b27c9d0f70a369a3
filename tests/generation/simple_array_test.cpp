// The string list and the patterns its searches take.
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

// NewIndex is checked only where the list's own searches report through it.
TEST(SimpleArray, AddingAndRemovingMoveLaterItemsWithTheirData) {
  clsSimpleArray a;
  a.AddItem("B", 0);  // index equal to the count appends, also on an empty list
  a.AddItem("D", 1);
  a.AddItem("X", 3);  // beyond the count: ignored
  a.SetItemData(1, 77);
  a.AddItem("A", 0);
  EXPECT_EQ(a.Items(), (Items{"A", "B", "D"}));
  EXPECT_EQ(a.ItemData(2), 77);
  EXPECT_EQ(a.ItemData(0), 0);
  // Out-of-range indexes are ignored by setters and give empty values.
  for (int32_t bad : {-1, 3}) {
    EXPECT_EQ(a.list(bad) + std::to_string(a.ItemData(bad)), "0");
    a.SetList(bad, "Z");
    a.SetItemData(bad, 5);
    a.RemoveItem(bad);
  }
  a.RemoveItem(0);
  EXPECT_EQ(a.Items(), (Items{"B", "D"}));
  EXPECT_EQ(a.ItemData(1), 77);

  clsSimpleArray sorted = Of({"z"});  // ordinal: upper case first; old items are not reordered
  sorted.SetSorted(true);
  for (const char* item : {"b", "C", "a"}) sorted.AddItem(item);
  sorted.AddItem("zz", 2);  // nothing greater: the given index is used
  sorted.AddItem("a");      // after its equal
  EXPECT_EQ(sorted.Items(), (Items{"C", "a", "a", "zz", "b", "z"}));
  EXPECT_EQ(sorted.NewIndex(), 2);

  // Bulk removals keep the order.
  clsSimpleArray b = Of({"keep", "Drop", "x", "DROP", "keep", "drop"});
  b.RemoveItemsMatching("dROP");  // without regard to case
  EXPECT_EQ(b.Items(), (Items{"keep", "x", "keep"}));
  b.SetItemData(1, 1);
  b.RemoveItemDataMatching(0);
  EXPECT_EQ(b.Items(), Items{"x"});
  // Without regard to case, accents too (\xE9t\xE9, \xC9T\xC9); the first copy stays.
  clsSimpleArray copies = Of({"A", "a", "B", "A", "\xE9t\xE9", "\xC9T\xC9", "ete"});
  copies.RemoveDuplicates();
  EXPECT_EQ(copies.Items(), (Items{"A", "B", "\xE9t\xE9", "ete"}));
}

// The searches, step by step against a plain model, are the simple array fuzz harness's; a
// model that small never reaches this limit.
TEST(SimpleArray, FindStringStopsAfterStoringIndex32001) {
  clsSimpleArray big = Of(Items(32005, "W"));
  EXPECT_EQ(big.FindString("W"), 32001);
  EXPECT_EQ(big.ItemData(32001), 32001);
}

TEST(PatternMatch, TokensListsAndStars) {
  const std::tuple<const char*, const char*, bool> cases[] = {
      {"CAT", "C?T", true}, {"CT", "C?T", false}, {"CAT", "c?t", false},  // case counts
      {"R2D2", "R#D#", true}, {"RXD2", "R#D#", false},
      {"a!b]", "a!b]", true},  // "!" and "]" outside a list are themselves
      {"B", "[ABC]", true}, {"D", "[ABC]", false}, {"q", "[A-Z]", false}, {"q", "[!A-Z]", true},
      {"Q", "[!A-Z]", false}, {"7", "[a-z0-9]", true},
      {"-", "[a-]", true}, {"-", "[!a]", true},      // "-" at either end is itself
      {"*", "[*?#]", true}, {"x", "[*?#]", false},   // no wildcards inside a list
      {"\xE9", "[\xE0-\xEF]", true},                 // bytes above 127 compare unsigned
      {"AB", "A[]B", true}, {"", "[]", true},        // an empty list stands for nothing
      {"", "*", true}, {"CAT", "*CAT*", true}, {"CATALOG", "*CAT*", true}, {"BOBCAT", "*CAT", true},
      {"CATS", "*CAT", false}, {"CATS", "CAT*", true}, {"SCAT", "CAT*", false},
      {"ABA", "A*A", true}, {"A", "A*A", false},    // prefix and suffix may not share a character
      {"abcabd", "*a?d", true}, {"xaxbxc", "*a*b*c", true}, {"xaxcxb", "*a*b*c", false},
      {"A1B", "A**#B", true}, {"", "", true}, {"A", "", false}, {"", "?", false},
      {"", "[A-Z]", false},
      // Malformed patterns match nothing, not even their own text.
      {"[abc", "[abc", false}, {"m", "[z-a]", false},
  };
  for (const auto& [text, pattern, matches] : cases) {
    EXPECT_EQ(MatchesPattern(text, pattern), matches) << text << " ~ " << pattern;
  }
  EXPECT_FALSE(Pattern("[abc").Valid());
  EXPECT_FALSE(Pattern("[z-a]").Valid());
  EXPECT_TRUE(Pattern("[a-z]").Valid());
  // Backtracking over every star would take longer than the test's time-out here.
  const std::string text(20000, 'a');
  EXPECT_FALSE(Pattern("*a*a*a*a*a*a*a*a*a*a*a*a*b").Matches(text));
  EXPECT_TRUE(Pattern("*a*a*a*a*a*a*a*a*a*a*a*a*").Matches(text));
}

}  // namespace
}  // namespace sl
