#include "common/codepage.h"

#include <gtest/gtest.h>

namespace sl {
namespace {

TEST(Codepage, EveryDefinedByteSurvivesTheRoundTrip) {
  for (int b = 1; b < 256; ++b) {
    const bool undefined = b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
    const std::string byte(1, static_cast<char>(b));
    const std::string utf8 = Cp1252ToUtf8(byte);
    if (undefined) EXPECT_EQ(utf8, "\xEF\xBF\xBD") << b;  // the replacement character
    else EXPECT_EQ(Utf8ToCp1252(utf8), byte) << b;
  }
  EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");  // euro sign
  EXPECT_EQ(Cp1252ToUtf8(std::string("caf\xE9\0", 5)), std::string("caf\xC3\xA9\0", 6));
}

TEST(Codepage, UnmappableOrBrokenUtf8BecomesQuestionMarks) {
  const std::pair<const char*, const char*> cases[] = {
      {"\xE4\xB8\xAD", "?"},          // CJK: not in the code page
      {"\xF0\x9F\x98\x80x", "?x"},    // emoji
      {"a\xC3", "a?"},                // truncated sequence
      {"\xC3(z", "?(z"},              // bad continuation
      {"\xFF\xFE", "??"},
  };
  for (const auto& [utf8, expected] : cases) EXPECT_EQ(Utf8ToCp1252(utf8), expected);
}

}  // namespace
}  // namespace sl
