#pragma once
// Wildcard patterns for the string list's searches: the whole text must match.
//   ?  one character        *  any run of characters, also none      #  one digit 0-9
//   [list]  one character of the list, which may hold ranges such as A-Z
//   [!list] one character not in the list
// Characters compare case-sensitively, byte by byte.
//
// Matching runs in O(text * pattern) at worst and needs no backtracking over stars: between two
// stars every token matches exactly one character, so the leftmost fit of each middle piece is
// always a correct choice.
#include <bitset>
#include <string>
#include <string_view>
#include <vector>

namespace sl {

class Pattern {
 public:
  explicit Pattern(std::string_view pattern);

  // False when the pattern is malformed (an unclosed "[" or a descending range such as [z-a]);
  // a malformed pattern matches nothing.
  bool Valid() const { return valid_; }
  bool Matches(std::string_view text) const;

 private:
  using CharSet = std::bitset<256>;
  using Piece = std::vector<CharSet>;  // a run of one-character tokens between stars

  static bool FitsAt(const Piece& piece, std::string_view text, size_t at);
  bool ParseList(std::string_view pattern, size_t& i, Piece& piece);

  std::vector<Piece> pieces_;  // without a star: exactly one; with stars: prefix, middles, suffix
  bool hasStar_ = false;
  bool valid_ = true;
};

// True when the whole text matches the pattern.
bool MatchesPattern(std::string_view text, std::string_view pattern);

}  // namespace sl
