// The string list driven by the input's bytes (adds at any index, sorted adds, setters, every
// search and removal), checked after each step against a plain model that does what the list's
// rules say one step at a time: items, item data, count, NewIndex, Text and the storage size
// (101 slots at first, count + 100 when full, shrunk to the count when a single removal leaves
// more than 100 spare, released when empty).
#include <algorithm>

#include "fuzz_support.h"
#include "generation/pattern.h"
#include "generation/simple_array.h"
#include "generation/text_case.h"

namespace {

struct Model {
  std::vector<std::string> items;
  std::vector<int32_t> data;
  int32_t capacity = 0;
  int32_t newIndex = -1;
  bool sorted = false;

  int32_t Last() const { return static_cast<int32_t>(items.size()) - 1; }
  bool In(int32_t i) const { return i >= 0 && i <= Last(); }

  void Add(const std::string& s, int32_t index) {
    if (index > Last() + 1) return;
    if (index == Last() + 1) index = -1;
    int32_t at = index;
    if (sorted) {  // before the first greater item; std::string compares bytes as unsigned
      for (int32_t i = Last(); i >= 0; --i) {
        if (items[i] > s) at = i;
      }
    }
    const int32_t last = Last() + 1;
    if (last > capacity - 1) capacity = last + 101;
    if (at < 0) at = last;
    items.insert(items.begin() + at, s);
    data.insert(data.begin() + at, 0);
    newIndex = at;
  }
  void Remove(int32_t index) {
    if (!In(index)) return;
    items.erase(items.begin() + index);
    data.erase(data.begin() + index);
    newIndex = Last();
    if (items.empty()) {
      capacity = 0;
    } else if (capacity - 1 > Last() + 100) {
      capacity = Last() + 1;
    }
  }
  template <typename Match>
  void RemoveAll(Match match) {  // one at a time; from the end, so indexes stay put
    for (int32_t i = Last(); i >= 0; --i) {
      if (match(i)) Remove(i);
    }
  }
};

std::string Upper(const std::string& s) { return sl::ToUpperCp1252(s); }

constexpr int32_t kMaxItems = 300;

class Input {
 public:
  Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool More() const { return at_ < size_; }
  uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  // Short texts over a small alphabet, so that equal, case-equal and matching items are common.
  std::string Text() {
    static constexpr char kAlphabet[] = "aAbBc\xe9\xc9?*#[]!-1 ";
    std::string s;
    for (int n = Byte() % 5; n > 0; --n) s += kAlphabet[Byte() % (sizeof kAlphabet - 1)];
    return s;
  }
  int32_t Index(int32_t count) { return static_cast<int32_t>(Byte() % (count + 3)) - 1; }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

void CheckSame(const sl::clsSimpleArray& list, const Model& m, size_t step) {
  FUZZ_CHECK(list.Items() == m.items && list.ListCount() == m.Last() + 1, "step %zu", step);
  FUZZ_CHECK(list.NewIndex() == m.newIndex && list.Capacity() == m.capacity &&
                 list.Sorted() == m.sorted,
             "step %zu: new index %d (%d), capacity %d (%d)", step, list.NewIndex(), m.newIndex,
             list.Capacity(), m.capacity);
  FUZZ_CHECK(list.Text() == (m.In(m.newIndex) ? m.items[m.newIndex] : ""));
  for (int32_t i = -1; i <= m.Last() + 1; ++i) {
    FUZZ_CHECK(list.ItemData(i) == (m.In(i) ? m.data[i] : 0), "step %zu data %d", step, i);
    FUZZ_CHECK(list.list(i) == (m.In(i) ? m.items[i] : ""));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace sl;
  Input in(data, size);
  clsSimpleArray list;
  Model m;
  auto first = [&](auto match) {
    for (int32_t i = 0; i <= m.Last(); ++i) {
      if (match(i)) return i;
    }
    return -1;
  };
  for (size_t step = 0; in.More(); ++step) {
    const uint8_t op = in.Byte() % 16;
    const int32_t count = m.Last() + 1;
    if (op <= 2) {  // adds are the commonest step, so lists grow past the first storage
      const int32_t index = op == 0 ? -1 : in.Index(count);
      std::string s = in.Text();
      // Enough repeats to pass the storage steps at 101 and 202 slots, few enough to stay fast.
      for (int repeat = op == 2 ? std::min<int32_t>(in.Byte(), kMaxItems - count) : 1; repeat > 0;
           --repeat) {
        list.AddItem(s, index);
        m.Add(s, index);
      }
    } else if (op == 3) {
      list.Clear();
      m = Model{{}, {}, 0, -1, m.sorted};
    } else if (op == 4) {
      const int32_t i = in.Index(count);
      std::string s = in.Text();
      list.SetList(i, s);
      if (m.In(i)) m.items[i] = s;
    } else if (op == 5) {
      const int32_t i = in.Index(count);
      const int32_t v = in.Byte() % 4;
      list.SetItemData(i, v);
      if (m.In(i)) m.data[i] = v;
    } else if (op == 6) {
      m.sorted = in.Byte() % 2;
      list.SetSorted(m.sorted);
    } else if (op == 7) {
      const std::string s = in.Text();
      const bool exact = in.Byte() % 2;
      m.newIndex = first([&](int32_t i) {
        return exact ? Upper(m.items[i]) == Upper(s)
                     : Upper(m.items[i]).find(Upper(s)) != std::string::npos;
      });
      FUZZ_CHECK(list.FindItem(s, exact) == (m.newIndex >= 0));
    } else if (op == 8) {
      const int32_t v = in.Byte() % 4;
      m.newIndex = first([&](int32_t i) { return m.data[i] == v; });
      FUZZ_CHECK(list.FindItemData(v) == (m.newIndex >= 0));
    } else if (op == 9) {
      const std::string s = in.Text();
      FUZZ_CHECK(list.FindStringOnce(s) == first([&](int32_t i) { return m.items[i] == s; }));
      FUZZ_CHECK(list.FindStringLeftOne(s) ==
                 first([&](int32_t i) { return m.items[i].compare(0, s.size(), s) == 0; }));
      m.newIndex = -1;
    } else if (op == 10) {
      const std::string s = in.Text();
      auto matches = [&](int32_t i) { return MatchesPattern(m.items[i], s); };
      FUZZ_CHECK(list.FindStringOnceWild(s) == first(matches));
      int32_t result = -1;
      for (int32_t i = 0; i <= m.Last(); ++i) {
        if (matches(i)) m.data[++result] = i;
      }
      FUZZ_CHECK(list.FindString(s) == result);
    } else if (op == 11) {
      const int32_t i = in.Index(count);
      list.RemoveItem(i);
      m.Remove(i);
    } else if (op == 12) {
      const std::string s = in.Text();
      list.RemoveItemsMatching(s);
      m.RemoveAll([&](int32_t i) { return Upper(m.items[i]) == Upper(s); });
    } else if (op == 13) {
      const int32_t v = in.Byte() % 4;
      list.RemoveItemDataMatching(v);
      m.RemoveAll([&](int32_t i) { return m.data[i] == v; });
    } else if (op == 14) {
      list.RemoveDuplicates();  // later items equal to an earlier one but for case, one at a time
      for (int32_t i = 0; i <= m.Last(); ++i) {
        const std::string key = Upper(m.items[i]);
        for (int32_t j = m.Last(); j > i; --j) {
          if (Upper(m.items[j]) == key) m.Remove(j);
        }
      }
    } else {  // a copy holds the same list, storage size and NewIndex included
      const sl::clsSimpleArray copy = list;
      list = copy;
    }
    CheckSame(list, m, step);
  }
  return 0;
}
