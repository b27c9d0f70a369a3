#pragma once
// Plain references shared by harnesses, written from the rules: the lines of a text, splitting
// at a separator, ASCII lower case, the lenient number reading (blanks and tabs, a sign, digits,
// a fraction, an exponent with digits; the number ends where it cannot go on) and the link rule.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace sl::fuzz {

// A line ends at CR LF, a lone CR or a lone LF; text after the last line end is a last line.
inline std::vector<std::string> ReferenceLines(std::string_view text) {
  std::vector<std::string> lines;
  std::string line;
  bool open = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      open = false;
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += c;
      open = true;
    }
  }
  if (open) lines.push_back(line);
  return lines;
}

// The parts of a text between the separators: one more than there are separators.
inline std::vector<std::string> ReferenceSplit(std::string_view text, char separator) {
  std::vector<std::string> parts(1);
  for (char c : text) {
    if (c == separator) {
      parts.emplace_back();
    } else {
      parts.back() += c;
    }
  }
  return parts;
}

// Only A-Z become lower case, whatever the locale.
inline std::string ReferenceAsciiLower(std::string text) {
  for (char& c : text) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
  return text;
}

// Where the number starting at i ends (a sign, digits with an optional fraction, an exponent
// only when digits follow it); i itself when there are no digits.
inline size_t NumberEnd(std::string_view text, size_t i) {
  const size_t start = i;
  auto digit = [&](size_t k) { return k < text.size() && text[k] >= '0' && text[k] <= '9'; };
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  bool digits = false;
  for (; digit(i); ++i) digits = true;
  if (i < text.size() && text[i] == '.') {
    for (++i; digit(i); ++i) digits = true;
  }
  if (!digits) return start;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t k = i + 1;
    if (k < text.size() && (text[k] == '+' || text[k] == '-')) ++k;
    if (digit(k)) {
      while (digit(k)) ++k;
      i = k;
    }
  }
  return i;
}

// The leading number of the text; 0 when it has no digits. Infinity becomes the largest double.
inline double ReferenceVal(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  const std::string number(text.substr(i, NumberEnd(text, i) - i));
  double value = std::strtod(number.c_str(), nullptr);  // the harnesses run in the "C" locale
  if (std::isinf(value)) value = std::copysign(std::numeric_limits<double>::max(), value);
  return value == 0 ? 0 : value;
}

// The nearest whole number, halves to even, kept within 32 bits.
inline int32_t ReferenceWhole(double value) {
  if (value >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (value <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(std::nearbyint(value));
}

// The words that can stand in a puzzle record: none holding a blank, "," or ";".
inline std::vector<std::string> RecordWords(const std::vector<std::string>& words) {
  std::vector<std::string> usable;
  for (const std::string& word : words) {
    if (word.find_first_of(" ,;") == std::string::npos) usable.push_back(word);
  }
  return usable;
}

struct ReferenceLink {
  std::string letters, positions;  // letters empty: not linked
};

// From column 2 on, equal letters that are not "A" or "E"; the first three count, and link only
// when the letters differ pairwise and no two columns are neighbours.
inline ReferenceLink PlainLink(const std::string& upper, const std::string& lower) {
  std::vector<size_t> columns;
  for (size_t c = 2; c <= upper.size() && c <= lower.size() && columns.size() < 3; ++c) {
    const char letter = upper[c - 1];
    if (letter == lower[c - 1] && letter != 'A' && letter != 'E') columns.push_back(c);
  }
  if (columns.size() < 3) return {};
  ReferenceLink link;
  for (size_t c : columns) link.letters += upper[c - 1];
  const std::string& l = link.letters;
  if (l[0] == l[1] || l[0] == l[2] || l[1] == l[2]) return {};
  if (columns[1] == columns[0] + 1 || columns[2] == columns[1] + 1) return {};
  for (size_t c : columns) link.positions += std::string(1, char('0' + c / 10)) + char('0' + c % 10);
  return link;
}

}  // namespace sl::fuzz
