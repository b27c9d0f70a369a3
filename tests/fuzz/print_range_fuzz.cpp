// The print window's range text against the file's puzzle count, the pages a range prints, and
// the print dialog's page limits, each compared with a plain reference written from the rules.
// Input: one byte choosing the puzzle count (or four more bytes for any 32-bit count), then the
// range text; the same text, two bytes at a time, drives the page limits.
#include <algorithm>
#include <array>
#include <string>

#include "fuzz_support.h"
#include "plain_references.h"
#include "output/page_limits.h"
#include "output/print_range.h"
#include "output/print_run.h"

namespace {

// The page limits as the dialog's four properties are described, one setter at a time.
struct ReferenceLimits {
  std::array<int, 4> v{};  // min, from, to, max

  void Set(int which, int value) {
    value = std::max(value, 0);
    v[which] = value;
    for (int i = which + 1; i < 4; ++i) v[i] = std::max(v[i], value);  // raised to it
    for (int i = 0; i < which; ++i) v[i] = std::min(v[i], value);      // lowered to it
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace sl;
  if (size == 0) return 0;
  int32_t count = data[0] & 0x7F;
  size_t at = 1;
  if ((data[0] & 0x80) && size >= 5) {
    uint32_t raw = 0;
    for (int i = 0; i < 4; ++i) raw = raw << 8 | data[1 + i];
    count = static_cast<int32_t>(raw);
    at = 5;
  }
  const std::string text(fuzz::Bytes(data + at, size - at));

  const PrintRangeChoice choice = ParsePrintRange(text, count);
  const size_t dash = text.find('-');
  if (dash == std::string::npos) {
    FUZZ_CHECK(choice.error == kSpecifyPrintRange);
  } else {
    const int32_t first = fuzz::ReferenceWhole(fuzz::ReferenceVal(text.substr(0, dash)));
    const int32_t last = fuzz::ReferenceWhole(fuzz::ReferenceVal(text.substr(dash + 1)));
    FUZZ_CHECK(choice.first == first && choice.last == last, "read %d-%d, expected %d-%d",
               choice.first, choice.last, first, last);
    std::string error;
    if (first < 1 || last < 1 || first > last) {
      error = kSpecifyPrintRange;
    } else if (first > count) {
      error = kPrintRangeNotCorrect;
    }
    FUZZ_CHECK(choice.error == error, "\"%s\" for %d-%d of %d", choice.error.c_str(), first,
               last, count);
  }
  if (choice.error.empty()) {
    PrintJob job;
    job.first = choice.first;
    job.last = choice.last;
    job.puzzleCount = count;
    const int64_t pages = std::min<int64_t>(choice.last, count) - choice.first + 1;
    FUZZ_CHECK(job.Pages() == pages && pages >= 1);
  }

  PageLimits limits;
  ReferenceLimits reference;
  for (size_t i = 0; i + 1 < text.size(); i += 2) {
    const auto value = static_cast<int16_t>(static_cast<uint8_t>(text[i]) << 8 |
                                            static_cast<uint8_t>(text[i + 1]));
    const int which = static_cast<uint8_t>(text[i]) % 4;
    switch (which) {
      case 0: limits.SetMin(value); break;
      case 1: limits.SetFromPage(value); break;
      case 2: limits.SetToPage(value); break;
      default: limits.SetMax(value); break;
    }
    reference.Set(which, value);
    const std::array<int, 4> held{limits.min(), limits.FromPage(), limits.ToPage(), limits.max()};
    FUZZ_CHECK(held == reference.v, "after setting %d to %d", which, value);
  }
  return 0;
}
