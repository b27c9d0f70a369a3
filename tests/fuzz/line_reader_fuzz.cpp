// Line splitting (in memory, streamed, block-scanned) and the lenient number reading, each
// compared with a plain reference written from the rules: a line ends at CR LF, a lone CR or a
// lone LF; a number is blanks/tabs, a sign, digits, a fraction, an exponent with digits.
#include <string>
#include <vector>

#include "common/numbers.h"
#include "common/text_lines.h"
#include "fuzz_support.h"
#include "generation/line_scan.h"
#include "plain_references.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace sl;
  const std::string_view text = fuzz::Bytes(data, size);
  const std::vector<std::string> expected = fuzz::ReferenceLines(text);
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
    const double reference = fuzz::ReferenceVal(line);
    FUZZ_CHECK(value == reference, "Val(\"%s\") = %.17g, expected %.17g", line.c_str(), value,
               reference);
    (void)RoundHalfEven(value);
  }
  return 0;
}
