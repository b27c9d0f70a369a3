#pragma once
// Case changes for the game's fixed ASCII keywords ("vbYesNo", "default.col"): only A-Z and a-z
// change. std::tolower and std::toupper follow the C locale, which the windowing library sets
// from the environment; there "I" may lower to a byte other than "i" (Turkish) and accented
// bytes change too, so a keyword typed in capitals would no longer match.
#include <string>
#include <string_view>

namespace sl {

inline std::string AsciiLowered(std::string_view text) {
  std::string lower(text);
  for (char& ch : lower) {
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  }
  return lower;
}

inline std::string AsciiUppered(std::string_view text) {
  std::string upper(text);
  for (char& ch : upper) {
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  }
  return upper;
}

}  // namespace sl
