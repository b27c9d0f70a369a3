#include "generation/simple_array.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sl {
namespace {

std::vector<std::string> ItemsOf(const clsSimpleArray& a) {
  std::vector<std::string> items;
  for (int32_t i = 0; i < a.ListCount(); ++i) items.push_back(a.list(i));
  return items;
}

clsSimpleArray Of(const std::vector<std::string>& items) {
  clsSimpleArray a;
  for (const auto& item : items) a.AddItem(item, -1);
  return a;
}

TEST(SimpleArrayAdd, IndexesCountsAndNewIndex) {
  clsSimpleArray a;
  EXPECT_EQ(a.ListCount(), 0);
  EXPECT_EQ(a.NewIndex(), -1);
  EXPECT_EQ(a.Capacity(), 0);
  EXPECT_EQ(a.Text(), "");

  a.AddItem("B", 0);  // index equal to the count appends, also on an empty list
  EXPECT_EQ(a.NewIndex(), 0);
  a.AddItem("D", 1);
  EXPECT_EQ(a.NewIndex(), 1);
  a.AddItem("X", 3);  // beyond the count: ignored, NewIndex unchanged
  EXPECT_EQ(a.ListCount(), 2);
  EXPECT_EQ(a.NewIndex(), 1);
  a.SetItemData(1, 77);
  a.AddItem("A", 0);  // inserted in front: everything moves up with its item data
  EXPECT_EQ(a.NewIndex(), 0);
  EXPECT_EQ(a.Text(), "A");
  EXPECT_EQ(ItemsOf(a), (std::vector<std::string>{"A", "B", "D"}));
  EXPECT_EQ(a.ItemData(2), 77);
  EXPECT_EQ(a.ItemData(0), 0);
  a.AddItem("C", -1);
  EXPECT_EQ(a.NewIndex(), 3);
}

TEST(SimpleArrayAdd, OutOfRangeIndexesAreIgnored) {
  clsSimpleArray a = Of({"A", "B"});
  EXPECT_EQ(a.list(-1), "");
  EXPECT_EQ(a.list(2), "");
  EXPECT_EQ(a.ItemData(-1), 0);
  EXPECT_EQ(a.ItemData(2), 0);
  a.SetList(2, "Z");
  a.SetItemData(-1, 5);
  a.RemoveItem(2);
  a.RemoveItem(-1);
  EXPECT_EQ(ItemsOf(a), (std::vector<std::string>{"A", "B"}));
  a.SetList(1, "b");
  EXPECT_EQ(a.list(1), "b");
}

TEST(SimpleArrayAdd, SortedInsertionIsOrdinalAndDoesNotReorderOldItems) {
  clsSimpleArray a;
  a.SetSorted(true);
  a.AddItem("b");
  a.AddItem("C");
  EXPECT_EQ(a.NewIndex(), 0);
  a.AddItem("a");
  EXPECT_EQ(a.NewIndex(), 1);
  EXPECT_EQ(ItemsOf(a), (std::vector<std::string>{"C", "a", "b"}));

  clsSimpleArray unsorted = Of({"z", "y"});
  unsorted.SetSorted(true);
  EXPECT_EQ(ItemsOf(unsorted), (std::vector<std::string>{"z", "y"}));
  unsorted.AddItem("x");  // goes before the first greater item, z
  EXPECT_EQ(ItemsOf(unsorted), (std::vector<std::string>{"x", "z", "y"}));
  unsorted.AddItem("zz", 1);  // nothing greater: the given index is used
  EXPECT_EQ(ItemsOf(unsorted), (std::vector<std::string>{"x", "zz", "z", "y"}));
}

TEST(SimpleArrayStorage, GrowsAtThe102ndItemAndShrinksAfterRemovals) {
  clsSimpleArray a;
  for (int i = 0; i < 101; ++i) a.AddItem(std::to_string(i));
  EXPECT_EQ(a.Capacity(), 101);
  a.AddItem("101");
  EXPECT_EQ(a.Capacity(), 202);  // highest index 100 -> 201
  EXPECT_EQ(a.NewIndex(), 101);
  a.RemoveItem(0);  // last 100: highest index 201 is more than 100 above it
  EXPECT_EQ(a.Capacity(), 101);
  EXPECT_EQ(a.NewIndex(), 100);
  EXPECT_EQ(a.list(0), "1");

  clsSimpleArray b;
  for (int i = 0; i < 302; ++i) b.AddItem("x");
  EXPECT_EQ(b.Capacity(), 303);  // grown at the 102nd and the 203rd item
  for (int i = 0; i < 99; ++i) b.RemoveItem(b.ListCount() - 1);
  EXPECT_EQ(b.Capacity(), 303);  // last 202: highest index 302 is exactly 100 above
  b.RemoveItem(0);
  EXPECT_EQ(b.Capacity(), 202);  // last 201
}

TEST(SimpleArrayStorage, BulkRemovalsEndWhereOneByOneRemovalsEnd) {
  // 250 items with highest index 300; removing 200 of them one at a time shrinks twice.
  auto build = [] {
    clsSimpleArray a;
    for (int i = 0; i < 250; ++i) a.AddItem(i % 5 == 0 ? "keep" : "Drop");
    return a;
  };
  clsSimpleArray oneByOne = build();
  for (int32_t i = oneByOne.ListCount() - 1; i >= 0; --i) {
    if (oneByOne.list(i) == "Drop") oneByOne.RemoveItem(i);
  }
  clsSimpleArray bulk = build();
  bulk.RemoveItemsMatching("DROP");
  EXPECT_EQ(bulk.ListCount(), 50);
  EXPECT_EQ(bulk.Capacity(), oneByOne.Capacity());
  EXPECT_EQ(bulk.NewIndex(), 49);

  clsSimpleArray data = build();
  for (int32_t i = 0; i < data.ListCount(); ++i) data.SetItemData(i, data.list(i) == "keep");
  data.RemoveItemDataMatching(1);
  EXPECT_EQ(data.ListCount(), 200);
  data.RemoveItemDataMatching(0);
  EXPECT_EQ(data.ListCount(), 0);
  EXPECT_EQ(data.Capacity(), 0);
  EXPECT_EQ(data.NewIndex(), -1);

  clsSimpleArray none = Of({"A"});
  none.FindItem("A", true);
  none.RemoveItemsMatching("B");  // nothing removed: NewIndex untouched
  EXPECT_EQ(none.NewIndex(), 0);
}

TEST(SimpleArrayRemove, RemovingMovesLaterItemsDown) {
  clsSimpleArray a = Of({"A", "B"});
  a.SetItemData(1, 9);
  a.RemoveItem(0);
  EXPECT_EQ(a.ListCount(), 1);
  EXPECT_EQ(a.list(0), "B");
  EXPECT_EQ(a.ItemData(0), 9);
  EXPECT_EQ(a.NewIndex(), 0);
  a.RemoveItem(0);
  EXPECT_EQ(a.ListCount(), 0);
  EXPECT_EQ(a.NewIndex(), -1);
  EXPECT_EQ(a.Capacity(), 0);
  a.AddItem("C");  // storage comes back after being released
  EXPECT_EQ(a.Capacity(), 101);
}

TEST(SimpleArrayRemove, DuplicatesWithoutRegardToCaseKeepTheFirstCopy) {
  clsSimpleArray a = Of({"A", "a", "B", "A"});
  a.RemoveDuplicates();
  EXPECT_EQ(ItemsOf(a), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(a.NewIndex(), 1);

  clsSimpleArray accents = Of({"\xE9t\xE9", "\xC9T\xC9", "ete"});  // été, ÉTÉ, ete
  accents.RemoveDuplicates();
  EXPECT_EQ(accents.ListCount(), 2);

  clsSimpleArray one = Of({"A"});
  one.RemoveDuplicates();
  EXPECT_EQ(one.NewIndex(), 0);
}

TEST(SimpleArrayFind, SearchesAndTheirNewIndex) {
  clsSimpleArray a = Of({"dog", "BLACKCAT", "CAT:a pet", "cat:a pet", "CAT"});
  EXPECT_TRUE(a.FindItem("cat", false));
  EXPECT_EQ(a.NewIndex(), 1);
  EXPECT_TRUE(a.FindItem("cat", true));
  EXPECT_EQ(a.NewIndex(), 4);
  EXPECT_FALSE(a.FindItem("cow", false));
  EXPECT_EQ(a.NewIndex(), -1);

  EXPECT_EQ(a.FindStringOnce("CAT"), 4);
  EXPECT_EQ(a.FindStringOnce("Dog"), -1);

  a.FindItem("dog", true);
  EXPECT_EQ(a.FindStringLeftOne("CAT"), 2);
  EXPECT_EQ(a.NewIndex(), -1);
  EXPECT_EQ(a.FindStringLeftOne("cat:"), 3);
  EXPECT_EQ(a.FindStringLeftOne("CAT:a pets"), -1);

  a.SetItemData(3, 42);
  EXPECT_TRUE(a.FindItemData(42));
  EXPECT_EQ(a.NewIndex(), 3);
  EXPECT_FALSE(a.FindItemData(43));
  EXPECT_EQ(a.NewIndex(), -1);

  EXPECT_EQ(a.FindStringOnceWild("C*"), 2);
  EXPECT_EQ(a.FindStringOnceWild("c?t"), -1);
}

TEST(SimpleArrayFind, FindStringListsMatchesInTheFirstItemData) {
  clsSimpleArray a = Of({"CAT", "DOG", "CUT"});
  a.SetItemData(1, 5);
  a.SetItemData(2, 6);
  EXPECT_EQ(a.FindString("C?T"), 1);
  EXPECT_EQ(a.ItemData(0), 0);
  EXPECT_EQ(a.ItemData(1), 2);
  EXPECT_EQ(a.ItemData(2), 6);
  EXPECT_EQ(a.FindString("X*"), -1);

  clsSimpleArray big;
  for (int i = 0; i < 32005; ++i) big.AddItem("W");
  EXPECT_EQ(big.FindString("W"), 32001);  // stops after storing index 32001
  EXPECT_EQ(big.ItemData(32001), 32001);
}

}  // namespace
}  // namespace sl
