#pragma once
// Case changes for the game's fixed ASCII keywords ("vbYesNo", "default.col"): only A-Z and a-z
// change. std::tolower and std::toupper follow the C locale, which the windowing library sets
// from the environment; there "I" may lower to a byte other than "i" (Turkish) and accented
// bytes change too, so a keyword typed in capitals would no longer match.
#include <string>
#include <string_view>

namespace sl {

inline constexpr char AsciiLower(char ch) { return ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch; }
inline constexpr char AsciiUpper(char ch) { return ch >= 'a' && ch <= 'z' ? ch - 'a' + 'A' : ch; }

inline std::string AsciiLower(std::string_view text) {
  std::string lower(text);
  for (char& ch : lower) ch = AsciiLower(ch);
  return lower;
}

inline std::string AsciiUpper(std::string_view text) {
  std::string upper(text);
  for (char& ch : upper) ch = AsciiUpper(ch);
  return upper;
}

}  // namespace sl
