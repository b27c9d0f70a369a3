#include "generation/pattern.h"

#include <gtest/gtest.h>

#include <string>

namespace sl {
namespace {

TEST(PatternMatch, TokensListsAndStars) {
  struct Case {
    const char* text;
    const char* pattern;
    bool matches;
  };
  const Case cases[] = {
      {"CAT", "C?T", true},   {"CT", "C?T", false},     {"CAT", "c?t", false},  // case counts
      {"R2D2", "R#D#", true}, {"RXD2", "R#D#", false},
      {"a!b]", "a!b]", true},  // "!" and "]" outside a list are themselves
      {"B", "[ABC]", true},   {"D", "[ABC]", false},    {"q", "[A-Z]", false},
      {"q", "[!A-Z]", true},  {"Q", "[!A-Z]", false},   {"7", "[a-z0-9]", true},
      {"-", "[a-]", true},    {"-", "[!a]", true},      // "-" at either end is itself
      {"*", "[*?#]", true},   {"x", "[*?#]", false},    // no wildcards inside a list
      {"\xE9", "[\xE0-\xEF]", true},                    // bytes above 127 compare unsigned
      {"AB", "A[]B", true},   {"", "[]", true},         // an empty list stands for nothing
      {"", "*", true},        {"CAT", "*CAT*", true},   {"CATALOG", "*CAT*", true},
      {"BOBCAT", "*CAT", true}, {"CATS", "*CAT", false}, {"CATS", "CAT*", true},
      {"SCAT", "CAT*", false}, {"ABA", "A*A", true},
      {"A", "A*A", false},  // prefix and suffix may not share a character
      {"abcabd", "*a?d", true}, {"xaxbxc", "*a*b*c", true}, {"xaxcxb", "*a*b*c", false},
      {"A1B", "A**#B", true}, {"", "", true},           {"A", "", false},
      {"", "?", false},       {"", "[A-Z]", false},
      // Malformed patterns match nothing, not even their own text.
      {"[abc", "[abc", false}, {"m", "[z-a]", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MatchesPattern(c.text, c.pattern), c.matches) << c.text << " ~ " << c.pattern;
  }
  EXPECT_FALSE(Pattern("[abc").Valid());
  EXPECT_FALSE(Pattern("[z-a]").Valid());
  EXPECT_TRUE(Pattern("[a-z]").Valid());
}

// Backtracking over every star would take longer than the test's time-out here.
TEST(PatternMatch, ManyStarsOverALongText) {
  const std::string text(20000, 'a');
  EXPECT_FALSE(Pattern("*a*a*a*a*a*a*a*a*a*a*a*a*b").Matches(text));
  EXPECT_TRUE(Pattern("*a*a*a*a*a*a*a*a*a*a*a*a*").Matches(text));
}

}  // namespace
}  // namespace sl
