#include "generation/link_rule.h"

#include <algorithm>
#include <cstddef>

namespace sl {

Link FindLink(std::string_view upper, std::string_view lower) {
  char letters[3];
  size_t columns[3];
  int found = 0;
  // A column must fit two digits, so columns past 99 are never considered.
  const size_t last = std::min<size_t>({upper.size(), lower.size(), 99});
  for (size_t column = 2; column <= last && found < 3; ++column) {
    const char c = upper[column - 1];
    if (c == lower[column - 1] && c != 'A' && c != 'E') {
      letters[found] = c;
      columns[found] = column;
      ++found;
    }
  }
  if (found < 3) return {};
  if (letters[0] == letters[1] || letters[0] == letters[2] || letters[1] == letters[2]) return {};
  if (columns[1] == columns[0] + 1 || columns[2] == columns[1] + 1) return {};

  Link link;
  link.letters.assign(letters, 3);
  for (size_t column : columns) {
    link.positions += static_cast<char>('0' + column / 10);
    link.positions += static_cast<char>('0' + column % 10);
  }
  return link;
}

}  // namespace sl
