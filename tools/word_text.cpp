#include "word_text.h"

namespace sl::wordlists {

bool IsAsciiLetter(char ch) { return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'); }

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& ch : lower) {
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  }
  return lower;
}

std::vector<std::string> LowerWordsOf(std::string_view text) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < text.size()) {
    if (!IsAsciiLetter(text[i])) {
      ++i;
      continue;
    }
    size_t end = i;
    while (end < text.size() && IsAsciiLetter(text[end])) ++end;
    words.push_back(Lower(text.substr(i, end - i)));
    i = end;
  }
  return words;
}

}  // namespace sl::wordlists
