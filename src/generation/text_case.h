#pragma once
// Upper case of Windows-1252 text, the way the word lists compare "without regard to case".
#include <string>
#include <string_view>

namespace sl {

// One byte in upper case: a-z and the accented lower-case letters of the code page.
char UpperCp1252(char ch);

// The text with every byte in upper case.
std::string ToUpperCp1252(std::string_view text);

}  // namespace sl
