#include "generation/simple_array.h"

#include <new>
#include <unordered_set>

#include "generation/pattern.h"
#include "generation/text_case.h"

namespace sl {

namespace {

constexpr int32_t kFirstStorage = 101;
constexpr int32_t kStep = 100;
constexpr int32_t kLastFindStringIndex = 32000;

const std::string& EmptyText() {
  static const std::string empty;
  return empty;
}

}  // namespace

void clsSimpleArray::AddItem(std::string_view vstrItem, int32_t vlngIndex) {
  if (vlngIndex >= 0) {
    if (vlngIndex > Last() + 1) return;
    if (vlngIndex == Last() + 1) vlngIndex = -1;
  }
  try {
    std::string item(vstrItem);
    // Make room first (geometrically), so that nothing below can fail half-way.
    if (items_.size() == items_.capacity()) items_.reserve(2 * items_.size() + 16);
    if (data_.size() == data_.capacity()) data_.reserve(2 * data_.size() + 16);
    if (items_.empty()) {
      capacity_ = kFirstStorage;
      items_.push_back(std::move(item));
      data_.push_back(0);
      newIndex_ = 0;
      return;
    }
    int32_t at = vlngIndex;
    if (sorted_) {
      for (int32_t i = 0; i <= Last(); ++i) {
        if (items_[i] > item) {
          at = i;
          break;
        }
      }
    }
    int32_t last = Last() + 1;
    if (last > capacity_ - 1) capacity_ = last + kStep + 1;
    if (at < 0) {
      items_.push_back(std::move(item));
      data_.push_back(0);
      newIndex_ = last;
    } else {
      items_.insert(items_.begin() + at, std::move(item));
      data_.insert(data_.begin() + at, 0);
      newIndex_ = at;
    }
  } catch (const std::bad_alloc&) {
    // Out of memory: the list stays as it was.
  }
}

void clsSimpleArray::Clear() {
  Release();
  newIndex_ = -1;
}

void clsSimpleArray::Release() {
  std::vector<std::string>().swap(items_);
  std::vector<int32_t>().swap(data_);
  capacity_ = 0;
}

const std::string& clsSimpleArray::list(int32_t vlngIndex) const {
  return InRange(vlngIndex) ? items_[vlngIndex] : EmptyText();
}

void clsSimpleArray::SetList(int32_t vlngIndex, std::string vNewValue) {
  if (InRange(vlngIndex)) items_[vlngIndex] = std::move(vNewValue);
}

int32_t clsSimpleArray::ItemData(int32_t vlngIndex) const {
  return InRange(vlngIndex) ? data_[vlngIndex] : 0;
}

void clsSimpleArray::SetItemData(int32_t vlngIndex, int32_t vNewValue) {
  if (InRange(vlngIndex)) data_[vlngIndex] = vNewValue;
}

bool clsSimpleArray::FindItem(std::string_view vstrItem, bool vblnExactMatch) {
  std::string wanted = ToUpperCp1252(vstrItem);
  for (int32_t i = 0; i <= Last(); ++i) {
    std::string upper = ToUpperCp1252(items_[i]);
    if (vblnExactMatch ? upper == wanted : upper.find(wanted) != std::string::npos) {
      newIndex_ = i;
      return true;
    }
  }
  newIndex_ = -1;
  return false;
}

bool clsSimpleArray::FindItemData(int32_t vlngItemData) {
  for (int32_t i = 0; i <= Last(); ++i) {
    if (data_[i] == vlngItemData) {
      newIndex_ = i;
      return true;
    }
  }
  newIndex_ = -1;
  return false;
}

int32_t clsSimpleArray::FindStringOnce(std::string_view vstrItem) const {
  for (int32_t i = 0; i <= Last(); ++i) {
    if (items_[i] == vstrItem) return i;
  }
  return -1;
}

int32_t clsSimpleArray::FindStringLeftOne(std::string_view vstrItem) {
  newIndex_ = -1;
  for (int32_t i = 0; i <= Last(); ++i) {
    if (std::string_view(items_[i]).substr(0, vstrItem.size()) == vstrItem) return i;
  }
  return -1;
}

int32_t clsSimpleArray::FindStringOnceWild(std::string_view vstrItem) const {
  Pattern pattern(vstrItem);
  for (int32_t i = 0; i <= Last(); ++i) {
    if (pattern.Matches(items_[i])) return i;
  }
  return -1;
}

int32_t clsSimpleArray::FindString(std::string_view vstrItem) {
  Pattern pattern(vstrItem);
  int32_t result = -1;
  for (int32_t i = 0; i <= Last(); ++i) {
    if (!pattern.Matches(items_[i])) continue;
    ++result;
    data_[result] = i;
    if (i > kLastFindStringIndex) break;
  }
  return result;
}

void clsSimpleArray::RemoveItem(int32_t vlngIndex) {
  if (!InRange(vlngIndex)) return;
  int32_t oldLast = Last();
  items_.erase(items_.begin() + vlngIndex);
  data_.erase(data_.begin() + vlngIndex);
  AfterRemovals(oldLast);
}

// Storage bookkeeping after the list went from oldLast down to Last(), one removal at a time.
void clsSimpleArray::AfterRemovals(int32_t oldLast) {
  int32_t last = Last();
  if (last == oldLast) return;
  newIndex_ = last;
  if (last < 0) {
    Release();
    return;
  }
  for (int32_t l = oldLast - 1; l >= last; --l) {
    if (capacity_ - 1 > l + kStep) capacity_ = l + 1;
  }
  // Give memory back once the vectors hold far more than they need.
  if (items_.capacity() > 2 * items_.size() + 1024) {
    items_.shrink_to_fit();
    data_.shrink_to_fit();
  }
}

void clsSimpleArray::RemoveWhere(const std::function<bool(size_t)>& remove) {
  int32_t oldLast = Last();
  size_t kept = 0;
  for (size_t i = 0; i < items_.size(); ++i) {
    if (remove(i)) continue;
    if (kept != i) {
      items_[kept] = std::move(items_[i]);
      data_[kept] = data_[i];
    }
    ++kept;
  }
  items_.resize(kept);
  data_.resize(kept);
  AfterRemovals(oldLast);
}

void clsSimpleArray::RemoveItemsMatching(std::string_view vstrItem) {
  std::string wanted = ToUpperCp1252(vstrItem);
  RemoveWhere([&](size_t i) { return ToUpperCp1252(items_[i]) == wanted; });
}

void clsSimpleArray::RemoveItemDataMatching(int32_t vlngItemData) {
  RemoveWhere([&](size_t i) { return data_[i] == vlngItemData; });
}

void clsSimpleArray::RemoveDuplicates() {
  if (items_.size() < 2) return;
  std::vector<char> later;
  try {
    std::unordered_set<std::string> seen;
    seen.reserve(items_.size());
    later.reserve(items_.size());
    for (const auto& item : items_) later.push_back(!seen.insert(ToUpperCp1252(item)).second);
  } catch (const std::bad_alloc&) {
    return;  // out of memory before anything moved: the list stays as it was
  }
  RemoveWhere([&](size_t i) { return later[i] != 0; });
}

}  // namespace sl
