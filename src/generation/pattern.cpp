#include "generation/pattern.h"

namespace sl {

namespace {

unsigned Byte(char ch) { return static_cast<unsigned char>(ch); }

}  // namespace

Pattern::Pattern(std::string_view pattern) {
  pieces_.emplace_back();
  size_t i = 0;
  while (valid_ && i < pattern.size()) {
    char ch = pattern[i];
    if (ch == '*') {
      hasStar_ = true;
      // A run of stars is one star; every star starts a new piece.
      while (i < pattern.size() && pattern[i] == '*') ++i;
      pieces_.emplace_back();
      continue;
    }
    CharSet set;
    if (ch == '?') {
      set.set();
    } else if (ch == '#') {
      for (unsigned d = '0'; d <= '9'; ++d) set.set(d);
    } else if (ch == '[') {
      valid_ = ParseList(pattern, i, pieces_.back());
      continue;
    } else {
      set.set(Byte(ch));
    }
    pieces_.back().push_back(set);
    ++i;
  }
}

// Reads "[...]" starting at pattern[i] == '[' and adds its token to the piece. An empty list "[]"
// stands for no character at all and adds nothing.
bool Pattern::ParseList(std::string_view pattern, size_t& i, Piece& piece) {
  size_t close = pattern.find(']', i + 1);
  if (close == std::string_view::npos) return false;
  std::string_view list = pattern.substr(i + 1, close - i - 1);
  i = close + 1;
  if (list.empty()) return true;
  bool negate = list.front() == '!';
  if (negate) list.remove_prefix(1);
  CharSet set;
  for (size_t k = 0; k < list.size(); ++k) {
    // A "-" between two characters makes a range; at either end of the list it is itself.
    if (k + 2 < list.size() && list[k + 1] == '-') {
      unsigned from = Byte(list[k]);
      unsigned to = Byte(list[k + 2]);
      if (to < from) return false;
      for (unsigned b = from; b <= to; ++b) set.set(b);
      k += 2;
    } else {
      set.set(Byte(list[k]));
    }
  }
  if (negate) set.flip();
  piece.push_back(set);
  return true;
}

bool Pattern::FitsAt(const Piece& piece, std::string_view text, size_t at) {
  if (at + piece.size() > text.size()) return false;
  for (size_t k = 0; k < piece.size(); ++k) {
    if (!piece[k].test(Byte(text[at + k]))) return false;
  }
  return true;
}

bool Pattern::Matches(std::string_view text) const {
  if (!valid_) return false;
  if (!hasStar_) return pieces_[0].size() == text.size() && FitsAt(pieces_[0], text, 0);

  const Piece& prefix = pieces_.front();
  const Piece& suffix = pieces_.back();
  if (prefix.size() + suffix.size() > text.size()) return false;
  if (!FitsAt(prefix, text, 0)) return false;
  size_t end = text.size() - suffix.size();  // the middles must fit before the suffix
  if (!FitsAt(suffix, text, end)) return false;

  size_t at = prefix.size();
  for (size_t p = 1; p + 1 < pieces_.size(); ++p) {
    const Piece& middle = pieces_[p];
    while (at + middle.size() <= end && !FitsAt(middle, text, at)) ++at;
    if (at + middle.size() > end) return false;
    at += middle.size();
  }
  return true;
}

bool MatchesPattern(std::string_view text, std::string_view pattern) {
  return Pattern(pattern).Matches(text);
}

}  // namespace sl
