#include "common/numbers.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <limits>

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
  double value = 0;
  bool anyDigit = false;
  while (isDigit(i)) {
    value = value * 10 + (text[i] - '0');
    anyDigit = true;
    ++i;
  }
  if (i < text.size() && text[i] == '.') {
    ++i;
    double scale = 0.1;
    while (isDigit(i)) {
      value += (text[i] - '0') * scale;
      scale /= 10;
      anyDigit = true;
      ++i;
    }
  }
  if (!anyDigit) return 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t k = i + 1;
    bool expNegative = false;
    if (k < text.size() && (text[k] == '+' || text[k] == '-')) {
      expNegative = text[k] == '-';
      ++k;
    }
    if (isDigit(k)) {
      int exponent = 0;
      while (isDigit(k)) {
        if (exponent < 10000) exponent = exponent * 10 + (text[k] - '0');
        ++k;
      }
      value *= std::pow(10.0, expNegative ? -exponent : exponent);
    }
  }
  if (!std::isfinite(value)) value = std::numeric_limits<double>::max();
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
