#include "common/codepage.h"

#include <gtest/gtest.h>

namespace sl {
namespace {

TEST(Codepage, EveryDefinedByteSurvivesTheRoundTrip) {
  for (int b = 1; b < 256; ++b) {
    const bool undefined = b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
    const std::string byte(1, static_cast<char>(b));
    const std::string utf8 = Cp1252ToUtf8(byte);
    if (undefined) {
      EXPECT_EQ(utf8, "\xEF\xBF\xBD") << b;
    } else {
      EXPECT_EQ(Utf8ToCp1252(utf8), byte) << b;
    }
  }
  EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");  // euro sign
  EXPECT_EQ(Cp1252ToUtf8("caf\xE9"), "caf\xC3\xA9");
  EXPECT_EQ(Cp1252ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Codepage, UnmappableOrBrokenUtf8BecomesQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD"), "?");          // CJK: not in the code page
  EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x98\x80x"), "?x");    // emoji
  EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");                // truncated sequence
  EXPECT_EQ(Utf8ToCp1252("\xC3(z"), "?(z");              // bad continuation
  EXPECT_EQ(Utf8ToCp1252("\xFF\xFE"), "??");
  EXPECT_EQ(Utf8ToCp1252(""), "");
}

}  // namespace
}  // namespace sl
