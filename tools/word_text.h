#pragma once
// Small text helpers the word-list builder shares: lower case and the words of a text.
#include <string>
#include <string_view>
#include <vector>

namespace sl::wordlists {

// The text with the letters A-Z in lower case; other bytes unchanged.
std::string Lower(std::string_view text);

// True for a-z and A-Z.
bool IsAsciiLetter(char ch);

// The runs of letters a-z / A-Z of the text, in lower case, in order ("Well-known, isn't it" gives
// well, known, isn, t, it).
std::vector<std::string> LowerWordsOf(std::string_view text);

}  // namespace sl::wordlists
