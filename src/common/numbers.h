#pragma once
// Numbers as the player and the files see them.
#include <cstdint>
#include <string>
#include <string_view>

namespace sl {

// Lenient number reading: leading blanks and tabs are skipped, an optional sign, digits, an
// optional fraction and exponent; the number ends at the first character that cannot continue it.
// No digits gives 0. Never throws.
double Val(std::string_view text);

// Nearest whole number, halves to even (the rounding used for sizes and grid geometry).
int32_t RoundHalfEven(double value);

// A number as shown to the player: one leading blank when it is not negative (" 3", "-1").
std::string Str(long long value);

// A row number as the grid and the sheet print it: two digits, "01" to "12".
std::string TwoDigits(int value);

}  // namespace sl
