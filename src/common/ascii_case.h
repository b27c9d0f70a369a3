#pragma once
// Letter case for the game's own keywords and names, which are ASCII: only A-Z and a-z change,
// whatever the C locale is (the window sets it from the environment), so other bytes stay as
// they are.
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
