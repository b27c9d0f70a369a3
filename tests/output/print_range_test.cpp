#include <gtest/gtest.h>

#include <string>

#include "output/print_range.h"

namespace sl {
namespace {

// Plain examples; the print range fuzz harness compares every text with a reference.
TEST(PrintRange, ParsesWhatThePlayerTypedAgainstTheFile) {
  const std::string specify = "Specify print range";
  const std::string notCorrect = "Print range not correct";
  // text, puzzles in the file, first, last, message
  const struct {
    const char* text;
    int32_t count;
    int32_t first, last;
    std::string error;
  } cases[] = {
      {"  5 -  10 ", 7, 5, 10, ""},  // a last number past the end is accepted
      {"10-5", 20, 10, 5, specify},
      {"abc", 7, 0, 0, specify},
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

// The report and the name offered for a whole file are shown in the main window's print test.
TEST(PrintRange, DefaultPdfNamesBesideTheFileOrInTheCurrentFolder) {
  EXPECT_EQ(DefaultPdfName("puzzles.txt", 7, 7), "puzzles-7.pdf");
  EXPECT_EQ(DefaultPdfName("/a.b/book", 1, 2), "/a.b/book-1-2.pdf");
  EXPECT_EQ(DefaultPdfName("", 1, 1), "puzzles-1.pdf");
}

}  // namespace
}  // namespace sl
