#include <gtest/gtest.h>

#include <string>

#include "output/page_limits.h"
#include "output/print_range.h"

namespace sl {
namespace {

TEST(PrintRange, ParsesWhatThePlayerTypedAgainstTheFile) {
  const std::string specify = kSpecifyPrintRange;
  const std::string notCorrect = kPrintRangeNotCorrect;
  // text, puzzles in the file, first, last, message
  const struct {
    const char* text;
    int32_t count;
    int32_t first, last;
    std::string error;
  } cases[] = {
      {"5-10", 7, 5, 10, ""},  // a last number past the end is accepted
      {"  5 -  10 ", 7, 5, 10, ""},
      {"5-10-12", 20, 5, 10, ""},  // the text after the first dash starts with 10
      {"2x-4y", 7, 2, 4, ""},
      {"10-5", 20, 10, 5, specify},
      {"-4", 7, 0, 4, specify},
      {"5--3", 7, 5, -3, specify},
      {"abc", 7, 0, 0, specify},
      {"", 7, 0, 0, specify},
      {"9-9", 8, 9, 9, notCorrect},
      {"1-1", 0, 1, 1, notCorrect},  // no puzzle file
      {"99999999999-99999999999", 7, 2147483647, 2147483647, notCorrect},
  };
  for (const auto& c : cases) {
    const PrintRangeChoice choice = ParsePrintRange(c.text, c.count);
    EXPECT_EQ(choice.error, c.error) << '"' << c.text << '"';
    if (c.error != specify) {
      EXPECT_EQ(choice.first, c.first) << c.text;
      EXPECT_EQ(choice.last, c.last) << c.text;
    }
  }
}

TEST(PrintRange, ReportAndDefaultPdfNames) {
  EXPECT_EQ(PuzzlesPrintedText(3), " 3 puzzles printed");
  EXPECT_EQ(DefaultPdfName("/home/p/puzzles.txt", 5, 10), "/home/p/puzzles-5-10.pdf");
  EXPECT_EQ(DefaultPdfName("puzzles.txt", 7, 7), "puzzles-7.pdf");
  EXPECT_EQ(DefaultPdfName("/a.b/book", 1, 2), "/a.b/book-1-2.pdf");
  EXPECT_EQ(DefaultPdfName("", 1, 1), "puzzles-1.pdf");
}

TEST(PageLimits, EverySetterKeepsTheOrderOfTheFour) {
  enum Field { kMin, kFrom, kTo, kMax };
  // start values (min, from, to, max), field set, value, expected values
  const struct {
    int16_t start[4];
    Field field;
    int16_t value;
    int16_t expected[4];
  } cases[] = {
      {{0, 0, 0, 0}, kMin, 5, {5, 5, 5, 5}},
      {{1, 2, 8, 9}, kMin, 5, {5, 5, 8, 9}},
      {{1, 2, 8, 9}, kFrom, 5, {1, 5, 8, 9}},
      {{1, 2, 3, 4}, kFrom, 6, {1, 6, 6, 6}},
      {{3, 4, 5, 6}, kFrom, 1, {1, 1, 5, 6}},
      {{1, 2, 3, 4}, kTo, 7, {1, 2, 7, 7}},
      {{3, 4, 5, 6}, kTo, 2, {2, 2, 2, 6}},
      {{3, 4, 5, 6}, kMax, 4, {3, 4, 4, 4}},
      {{3, 4, 5, 6}, kMax, -7, {0, 0, 0, 0}},  // a negative value is taken as 0
  };
  for (const auto& c : cases) {
    PageLimits limits;
    // Built up from the top so the start values are stored as given.
    limits.SetMax(c.start[kMax]);
    limits.SetToPage(c.start[kTo]);
    limits.SetFromPage(c.start[kFrom]);
    limits.SetMin(c.start[kMin]);
    switch (c.field) {
      case kMin: limits.SetMin(c.value); break;
      case kFrom: limits.SetFromPage(c.value); break;
      case kTo: limits.SetToPage(c.value); break;
      case kMax: limits.SetMax(c.value); break;
    }
    const int16_t got[4] = {limits.min(), limits.FromPage(), limits.ToPage(), limits.max()};
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(got[i], c.expected[i]) << "case " << &c - cases << " field " << i;
    }
  }
}

}  // namespace
}  // namespace sl
