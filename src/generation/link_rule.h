#pragma once
// The link between two stacked words: the three letters they share in the same columns.
#include <string>
#include <string_view>

namespace sl {

struct Link {
  std::string letters;    // the three shared letters in column order; empty: not linked
  std::string positions;  // their 1-based columns, two digits each, ascending ("030609")

  bool Linked() const { return !letters.empty(); }
};

// The link between an upper and a lower word. Columns from 2 on whose letters are equal (exact
// case) and are neither "A" nor "E" are matches; only the first three matches count, and they
// link the words only when their letters are pairwise different and no two of their columns are
// neighbours.
Link FindLink(std::string_view upper, std::string_view lower);

}  // namespace sl
