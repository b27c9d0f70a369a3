// The string list's wildcard patterns against a plain memoised backtracking matcher written from
// the rules: ? one character, * any run (also none), # one digit, [list] one character of the
// list (ranges such as A-Z; a "-" at either end is itself), [!list] one character not in it, an
// empty list [] no character at all; an unclosed "[" or a descending range makes the pattern
// match nothing. Bytes compare as unsigned values, case-sensitively.
// Input: the pattern, a NUL, then the texts separated by NULs; the list searches are checked too.
#include <vector>

#include "fuzz_support.h"
#include "plain_references.h"
#include "generation/pattern.h"
#include "generation/simple_array.h"

namespace {

constexpr size_t kMaxPattern = 64;
constexpr size_t kMaxText = 128;

struct Token {
  bool star = false;
  bool empty = false;  // "[]": consumes nothing
  bool set[256] = {};
};

// Reads the pattern into tokens; false when it is malformed.
bool Tokens(std::string_view p, std::vector<Token>& tokens) {
  for (size_t i = 0; i < p.size(); ++i) {
    Token t;
    const unsigned char c = p[i];
    if (c == '*') {
      t.star = true;
    } else if (c == '?') {
      for (bool& b : t.set) b = true;
    } else if (c == '#') {
      for (int d = '0'; d <= '9'; ++d) t.set[d] = true;
    } else if (c == '[') {
      size_t close = i + 1;
      while (close < p.size() && p[close] != ']') ++close;
      if (close == p.size()) return false;
      std::string_view list = p.substr(i + 1, close - i - 1);
      i = close;
      if (list.empty()) {
        t.empty = true;
      } else {
        const bool negate = list[0] == '!';
        if (negate) list = list.substr(1);
        for (size_t k = 0; k < list.size(); ++k) {
          const int from = static_cast<unsigned char>(list[k]);
          int to = from;
          if (k + 2 < list.size() && list[k + 1] == '-') {  // a range
            to = static_cast<unsigned char>(list[k + 2]);
            k += 2;
          }
          if (from > to) return false;
          for (int b = from; b <= to; ++b) t.set[b] = true;
        }
        if (negate) {
          for (bool& b : t.set) b = !b;
        }
      }
    } else {
      t.set[c] = true;
    }
    tokens.push_back(t);
  }
  return true;
}

class Reference {
 public:
  explicit Reference(std::string_view pattern) { valid_ = Tokens(pattern, tokens_); }
  bool Valid() const { return valid_; }
  bool Matches(std::string_view text) {
    if (!valid_) return false;
    text_ = text;
    memo_.assign((tokens_.size() + 1) * (text.size() + 1), -1);
    return Match(0, 0);
  }

 private:
  bool Match(size_t t, size_t i) {
    signed char& m = memo_[t * (text_.size() + 1) + i];
    if (m >= 0) return m != 0;
    bool r;
    if (t == tokens_.size()) {
      r = i == text_.size();
    } else if (tokens_[t].star) {
      r = Match(t + 1, i) || (i < text_.size() && Match(t, i + 1));
    } else if (tokens_[t].empty) {
      r = Match(t + 1, i);
    } else {
      r = i < text_.size() && tokens_[t].set[static_cast<unsigned char>(text_[i])] &&
          Match(t + 1, i + 1);
    }
    m = r ? 1 : 0;
    return r;
  }

  std::vector<Token> tokens_;
  bool valid_ = true;
  std::string_view text_;
  std::vector<signed char> memo_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace sl;
  std::string_view input = fuzz::Bytes(data, size);
  const size_t nul = input.find('\0');
  const std::string_view pattern = input.substr(0, std::min(nul, kMaxPattern));
  std::vector<std::string> texts;
  if (nul != std::string_view::npos) texts = fuzz::ReferenceSplit(input.substr(nul + 1), '\0');
  for (std::string& text : texts) text.resize(std::min(text.size(), kMaxText));

  Reference reference(pattern);
  const Pattern compiled(pattern);
  FUZZ_CHECK(compiled.Valid() == reference.Valid());
  clsSimpleArray list;
  std::vector<int32_t> matches;
  for (const std::string& text : texts) {
    const bool expected = reference.Matches(text);
    FUZZ_CHECK(compiled.Matches(text) == expected, "pattern \"%.*s\" text \"%.*s\": expected %d",
               static_cast<int>(pattern.size()), pattern.data(), static_cast<int>(text.size()),
               text.data(), expected);
    FUZZ_CHECK(MatchesPattern(text, pattern) == expected);
    if (expected) matches.push_back(list.ListCount());
    list.AddItem(text);
  }
  FUZZ_CHECK(list.FindStringOnceWild(pattern) == (matches.empty() ? -1 : matches[0]));
  FUZZ_CHECK(list.FindString(pattern) == static_cast<int32_t>(matches.size()) - 1);
  for (size_t k = 0; k < matches.size(); ++k) FUZZ_CHECK(list.ItemData(k) == matches[k]);
  return 0;
}
