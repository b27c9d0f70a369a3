#include <gtest/gtest.h>

#include "common/numbers.h"

namespace sl {
namespace {

TEST(LenientNumbers, ReadsLikeTheFilesExpect) {
  EXPECT_EQ(Val("  12;abc"), 12);
  EXPECT_EQ(Val("-3"), -3);
  EXPECT_EQ(Val("05"), 5);
  EXPECT_EQ(Val("abc"), 0);
  EXPECT_EQ(Val(""), 0);
  EXPECT_EQ(Val("1.5x"), 1.5);
  EXPECT_EQ(Val("2e3"), 2000);
  EXPECT_EQ(Val("7e"), 7);
  EXPECT_EQ(Val("-"), 0);
  EXPECT_EQ(Val("\t9"), 9);
}

TEST(LenientNumbers, RoundsHalvesToEvenAndClampsHugeValues) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-0.5), 0);
  EXPECT_EQ(RoundHalfEven(Val("99999999999999999999")), INT32_MAX);
  EXPECT_EQ(RoundHalfEven(Val("-1e400")), INT32_MIN);
}

TEST(LenientNumbers, ShownNumbersCarryALeadingBlankUnlessNegative) {
  EXPECT_EQ(Str(3), " 3");
  EXPECT_EQ(Str(0), " 0");
  EXPECT_EQ(Str(-1), "-1");
}

}  // namespace
}  // namespace sl
