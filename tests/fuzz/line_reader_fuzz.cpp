// Line splitting (in memory, streamed, block-scanned) and the lenient number reading, each
// compared with a plain reference written from the rules: a line ends at CR LF, a lone CR or a
// lone LF; a number is blanks/tabs, a sign, digits, a fraction, an exponent with digits.
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "common/numbers.h"
#include "common/text_lines.h"
#include "fuzz_support.h"
#include "generation/line_scan.h"

namespace {

std::vector<std::string> ReferenceLines(std::string_view text) {
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

double ReferenceVal(const std::string& text) {
  size_t i = 0;
  auto digit = [&](size_t k) { return k < text.size() && text[k] >= '0' && text[k] <= '9'; };
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  std::string number;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) number += text[i++];
  bool digits = false;
  for (; digit(i); ++i, digits = true) number += text[i];
  if (i < text.size() && text[i] == '.') {
    number += text[i++];
    for (; digit(i); ++i, digits = true) number += text[i];
  }
  if (!digits) return 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t k = i + 1;
    if (k < text.size() && (text[k] == '+' || text[k] == '-')) ++k;
    if (digit(k)) {
      number.append(text, i, k - i);
      for (; digit(k); ++k) number += text[k];
    }
  }
  double value = std::strtod(number.c_str(), nullptr);  // the harness runs in the "C" locale
  if (std::isinf(value)) value = std::copysign(std::numeric_limits<double>::max(), value);
  return value == 0 ? 0 : value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace sl;
  const std::string_view text = fuzz::Bytes(data, size);
  const std::vector<std::string> expected = ReferenceLines(text);
  FUZZ_CHECK(SplitLines(text) == expected);

  const fuzz::TempFile file("lines", text);
  std::vector<std::string> streamed;
  LineReader reader(file.Path());
  FUZZ_CHECK(reader.IsOpen());
  for (std::string line; reader.Next(line);) streamed.push_back(line);
  FUZZ_CHECK(!reader.Failed() && streamed == expected);

  const size_t keep = size == 0 ? 0 : data[0] % 12;
  size_t count = 0;
  FUZZ_CHECK(ScanLines(file.Path(), keep, [&](std::string_view head, size_t length) {
    FUZZ_CHECK(count < expected.size());
    const std::string& line = expected[count++];
    FUZZ_CHECK(length == line.size() && head == line.substr(0, keep), "line %zu", count);
  }));
  FUZZ_CHECK(count == expected.size());

  for (const std::string& line : expected) {
    const double value = Val(line);
    const double reference = ReferenceVal(line);
    FUZZ_CHECK(value == reference, "Val(\"%s\") = %.17g, expected %.17g", line.c_str(), value,
               reference);
    (void)RoundHalfEven(value);
  }
  return 0;
}
