#include "generation/pattern.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace sl {
namespace {

TEST(PatternMatch, SingleCharacterTokens) {
  EXPECT_TRUE(MatchesPattern("CAT", "C?T"));
  EXPECT_FALSE(MatchesPattern("CT", "C?T"));
  EXPECT_FALSE(MatchesPattern("CAT", "c?t"));  // letters compare case-sensitively
  EXPECT_TRUE(MatchesPattern("R2D2", "R#D#"));
  EXPECT_FALSE(MatchesPattern("RXD2", "R#D#"));
  EXPECT_TRUE(MatchesPattern("a!b]", "a!b]"));  // "!" and "]" outside a list are themselves
}

TEST(PatternMatch, ListsRangesAndNegation) {
  EXPECT_TRUE(MatchesPattern("B", "[ABC]"));
  EXPECT_FALSE(MatchesPattern("D", "[ABC]"));
  EXPECT_TRUE(MatchesPattern("Q", "[A-Z]"));
  EXPECT_FALSE(MatchesPattern("q", "[A-Z]"));
  EXPECT_TRUE(MatchesPattern("q", "[!A-Z]"));
  EXPECT_FALSE(MatchesPattern("Q", "[!A-Z]"));
  EXPECT_TRUE(MatchesPattern("7", "[a-z0-9]"));
  EXPECT_TRUE(MatchesPattern("-", "[a-]"));   // "-" at either end is itself
  EXPECT_TRUE(MatchesPattern("-", "[!a]"));
  EXPECT_TRUE(MatchesPattern("*", "[*?#]"));  // no wildcards inside a list
  EXPECT_FALSE(MatchesPattern("x", "[*?#]"));
  EXPECT_TRUE(MatchesPattern("\xE9", "[\xE0-\xEF]"));  // bytes above 127 compare unsigned
  EXPECT_TRUE(MatchesPattern("AB", "A[]B"));  // an empty list stands for nothing
}

TEST(PatternMatch, StarsAnywhere) {
  EXPECT_TRUE(MatchesPattern("", "*"));
  EXPECT_TRUE(MatchesPattern("anything", "*"));
  EXPECT_TRUE(MatchesPattern("CATALOG", "*CAT*"));
  EXPECT_TRUE(MatchesPattern("CAT", "*CAT*"));
  EXPECT_TRUE(MatchesPattern("BOBCAT", "*CAT"));
  EXPECT_FALSE(MatchesPattern("CATS", "*CAT"));
  EXPECT_TRUE(MatchesPattern("CATS", "CAT*"));
  EXPECT_FALSE(MatchesPattern("SCAT", "CAT*"));
  EXPECT_TRUE(MatchesPattern("ABA", "A*A"));
  EXPECT_FALSE(MatchesPattern("A", "A*A"));  // prefix and suffix may not share a character
  EXPECT_TRUE(MatchesPattern("abcabd", "*a?d"));
  EXPECT_TRUE(MatchesPattern("xaxbxc", "*a*b*c"));
  EXPECT_FALSE(MatchesPattern("xaxcxb", "*a*b*c"));
  EXPECT_TRUE(MatchesPattern("A1B", "A**#B"));
}

TEST(PatternMatch, EmptyPatternsAndItems) {
  EXPECT_TRUE(MatchesPattern("", ""));
  EXPECT_FALSE(MatchesPattern("A", ""));
  EXPECT_FALSE(MatchesPattern("", "?"));
  EXPECT_FALSE(MatchesPattern("", "[A-Z]"));
  EXPECT_TRUE(MatchesPattern("", "[]"));
}

TEST(PatternMatch, MalformedPatternsMatchNothing) {
  EXPECT_FALSE(Pattern("[abc").Valid());
  EXPECT_FALSE(MatchesPattern("[abc", "[abc"));
  EXPECT_FALSE(Pattern("[z-a]").Valid());
  EXPECT_FALSE(MatchesPattern("m", "[z-a]"));
  EXPECT_TRUE(Pattern("[a-z]").Valid());
}

TEST(PatternMatch, ManyStarsStayFast) {
  const std::string text(20000, 'a');
  const Pattern pattern("*a*a*a*a*a*a*a*a*a*a*a*a*b");
  auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(pattern.Matches(text));
  EXPECT_TRUE(Pattern("*a*a*a*a*a*a*a*a*a*a*a*a*").Matches(text));
  auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_LT(elapsed, std::chrono::milliseconds(200));
}

}  // namespace
}  // namespace sl
