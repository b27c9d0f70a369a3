#include <gtest/gtest.h>

#include "common/numbers.h"

namespace sl {
namespace {

TEST(LenientNumbers, ReadTheLeadingNumberRoundHalvesToEvenClampAndShowWithASignPlace) {
  const std::pair<const char*, double> cases[] = {
      {"  12;abc", 12}, {"-3", -3},     {"05", 5}, {"abc", 0}, {"", 0},
      {"1.5x", 1.5},    {"2e3", 2000}, {"7e", 7}, {"-", 0},   {"\t9", 9}};
  for (const auto& [text, value] : cases) EXPECT_EQ(Val(text), value) << text;
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-0.5), 0);
  EXPECT_EQ(RoundHalfEven(Val("99999999999999999999")), INT32_MAX);
  EXPECT_EQ(RoundHalfEven(Val("-1e400")), INT32_MIN);
  EXPECT_EQ(Str(-1), "-1");  // shown numbers carry a leading blank unless negative
  EXPECT_EQ(Str(0), " 0");
}

}  // namespace
}  // namespace sl
