#pragma once
// clsSimpleArray: the game's growable list of texts, each with a 32-bit item data beside it,
// modelled on a list box without a window. Indexes are 0-based; an index out of range is ignored
// by setters and gives the empty value from getters. The dictionary and the meanings are held in
// one of these.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace sl {

class clsSimpleArray {
 public:
  // Inserts the item at vlngIndex (-1 or the count: at the end; beyond the count: ignored). With
  // Sorted set, the item goes before the first item that compares greater (byte order) instead.
  // The new item's data is 0 and NewIndex tells where it went.
  void AddItem(std::string_view vstrItem, int32_t vlngIndex = -1);
  void Clear();

  const std::string& list(int32_t vlngIndex) const;
  void SetList(int32_t vlngIndex, std::string vNewValue);
  int32_t ItemData(int32_t vlngIndex) const;
  void SetItemData(int32_t vlngIndex, int32_t vNewValue);

  int32_t ListCount() const { return static_cast<int32_t>(items_.size()); }
  int32_t NewIndex() const { return newIndex_; }
  // The item at NewIndex, or "" when there is none.
  const std::string& Text() const { return list(newIndex_); }
  bool Sorted() const { return sorted_; }
  // Does not reorder the items already held.
  void SetSorted(bool vblnNewValue) { sorted_ = vblnNewValue; }

  // Searches scan from index 0 and stop at the first hit.
  // Equal to (exact) or containing (otherwise) the text, both without regard to case; sets NewIndex.
  bool FindItem(std::string_view vstrItem, bool vblnExactMatch);
  // Item data equal to the value; sets NewIndex.
  bool FindItemData(int32_t vlngItemData);
  // Index of the first item equal to the text (case-sensitive), or -1.
  int32_t FindStringOnce(std::string_view vstrItem) const;
  // Index of the first item that starts with the text (case-sensitive), or -1. NewIndex becomes -1.
  int32_t FindStringLeftOne(std::string_view vstrItem);
  // Index of the first item matching the wildcard pattern (see pattern.h), or -1.
  int32_t FindStringOnceWild(std::string_view vstrItem) const;
  // Number of matching items minus 1. The indexes of the matches are stored as the item data of
  // slots 0, 1, 2, ... (overwriting them); the scan stops after a match beyond index 32000.
  int32_t FindString(std::string_view vstrItem);

  void RemoveItem(int32_t vlngIndex);
  // Removes every item equal to the text without regard to case.
  void RemoveItemsMatching(std::string_view vstrItem);
  void RemoveItemDataMatching(int32_t vlngItemData);
  // Keeps the first of every set of items equal without regard to case, in their order.
  void RemoveDuplicates();

  // Slots of storage (highest storage index + 1); 0 when no storage is held. The storage starts
  // at 101 slots, grows to count + 100 when full and shrinks to the count when a removal leaves
  // more than 100 slots spare.
  int32_t Capacity() const { return capacity_; }
  // All items, for callers that walk the whole list.
  const std::vector<std::string>& Items() const { return items_; }

 private:
  int32_t Last() const { return ListCount() - 1; }
  bool InRange(int32_t index) const { return index >= 0 && index <= Last(); }
  // Removes every item for which remove(index) holds, with the same results as removing them
  // one by one from the front with RemoveItem.
  void RemoveWhere(const std::function<bool(size_t)>& remove);
  void AfterRemovals(int32_t oldLast);
  void Release();

  std::vector<std::string> items_;
  std::vector<int32_t> data_;
  int32_t capacity_ = 0;
  int32_t newIndex_ = -1;
  bool sorted_ = false;
};

}  // namespace sl
