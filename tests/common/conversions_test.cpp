// Numbers as the player and the files see them, the code page at the widget boundary and the
// letter case of keywords.
#include <gtest/gtest.h>

#include "common/ascii_case.h"
#include "common/codepage.h"
#include "common/numbers.h"

namespace sl {
namespace {

TEST(LenientNumbers, ReadTheLeadingNumberRoundHalvesToEvenClampAndShowWithASignPlace) {
  // Every reading against a plain reference is checked by the line reader fuzz harness.
  const std::pair<const char*, double> cases[] = {
      {"  12;abc", 12}, {"\t-1.5x", -1.5}, {"2e3", 2000}, {"7e", 7}, {"-", 0}};
  for (const auto& [text, value] : cases) EXPECT_EQ(Val(text), value) << text;
  const std::pair<double, int32_t> rounded[] = {{2.5, 2}, {3.5, 4}, {-0.5, 0},
      {Val("99999999999999999999"), INT32_MAX}, {Val("-1e400"), INT32_MIN}};
  for (const auto& [value, whole] : rounded) EXPECT_EQ(RoundHalfEven(value), whole) << value;
  EXPECT_EQ(Str(-1), "-1");  // shown numbers carry a leading blank unless negative
  EXPECT_EQ(Str(0), " 0");
}

TEST(LenientNumbers, ZeroStaysZeroAndDigitsRoundOnceToTheNearestDouble) {
  // Zero times a power of ten too large for a double is still zero, not the largest number.
  for (const char* zero : {"0e309", "-0e999", "0.0e1000", "000.000e99999999999", "0e400;8"}) {
    EXPECT_EQ(Val(zero), 0) << zero;
  }
  const std::string longOne = "1" + std::string(400, '0') + "e-400";
  const std::string longFraction = "0." + std::string(400, '0') + "25e401";
  const std::pair<std::string, double> cases[] = {
      {".311", 0.311},         {"0.01e309", 1e307},   {longOne, 1.0},   {longFraction, 2.5},
      {"123456789012345678901234567890", 1.2345678901234568e29},
      {"0.1e-320", 1e-321},    {"1e-400", 0},         {"9e99999", 1.7976931348623157e308}};
  for (const auto& [text, value] : cases) EXPECT_EQ(Val(text), value) << text;
}

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

TEST(AsciiCase, OnlyAsciiLettersChangeWhateverTheLocale) {
  // In a single-byte locale the C library would also change these Windows-1252 letters.
  EXPECT_EQ(AsciiLower("VbOk \xC4\xC9\xDE@[`{"), "vbok \xC4\xC9\xDE@[`{");
  EXPECT_EQ(AsciiUpper("save \xE4\xE9\xFE@[`{"), "SAVE \xE4\xE9\xFE@[`{");
}

}  // namespace
}  // namespace sl
