#include "common/numbers.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <system_error>

namespace sl {

double Val(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  auto isDigit = [&](size_t k) {
    return k < text.size() && std::isdigit(static_cast<unsigned char>(text[k]));
  };
  // The digits are gathered into "int.frac" and converted in one step, so the result is the
  // correctly rounded nearest double whatever the number of digits.
  std::string number;
  long long leadExponent = 0;  // decimal exponent of the first non-zero digit, before "e"
  bool nonZero = false;
  const size_t intStart = i;
  while (isDigit(i)) ++i;
  number.append(text.substr(intStart, i - intStart));
  for (size_t k = intStart; k < i; ++k) {
    if (text[k] != '0') {
      leadExponent = static_cast<long long>(i - k) - 1;
      nonZero = true;
      break;
    }
  }
  bool anyDigit = i > intStart;
  if (i < text.size() && text[i] == '.') {
    const size_t fracStart = ++i;
    while (isDigit(i)) ++i;
    if (i > fracStart) {
      number += '.';
      number.append(text.substr(fracStart, i - fracStart));
      anyDigit = true;
      for (size_t k = fracStart; k < i && !nonZero; ++k) {
        if (text[k] != '0') {
          leadExponent = -static_cast<long long>(k - fracStart) - 1;
          nonZero = true;
        }
      }
    }
  }
  if (!anyDigit || !nonZero) return 0;  // zero times any power of ten is zero
  if (number.front() == '.') number.insert(number.begin(), '0');
  long long exponent = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t k = i + 1;
    bool expNegative = false;
    if (k < text.size() && (text[k] == '+' || text[k] == '-')) {
      expNegative = text[k] == '-';
      ++k;
    }
    // Past this bound every mantissa over- or underflows, so larger exponents need no digits.
    const long long bound = static_cast<long long>(text.size()) + 1000;
    while (isDigit(k)) {
      if (exponent <= bound) exponent = exponent * 10 + (text[k] - '0');
      ++k;
    }
    if (expNegative) exponent = -exponent;
  }
  number += 'e';
  number += std::to_string(exponent);
  double value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  (void)end;
  if (error == std::errc::result_out_of_range) {
    value = leadExponent + exponent > 0 ? std::numeric_limits<double>::max() : 0.0;
  }
  if (!std::isfinite(value)) value = std::numeric_limits<double>::max();
  if (value == 0) return 0;
  return negative ? -value : value;
}

int32_t RoundHalfEven(double value) {
  // Clamp first so that absurd values read from files cannot overflow the conversion.
  constexpr double lo = std::numeric_limits<int32_t>::min();
  constexpr double hi = std::numeric_limits<int32_t>::max();
  if (std::isnan(value)) return 0;
  if (value <= lo) return std::numeric_limits<int32_t>::min();
  if (value >= hi) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(std::nearbyint(value));  // default rounding mode: to even
}

std::string Str(long long value) {
  std::string digits = std::to_string(value);
  return value >= 0 ? " " + digits : digits;
}

std::string TwoDigits(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

}  // namespace sl
