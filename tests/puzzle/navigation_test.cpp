#include "puzzle/navigation.h"

#include <gtest/gtest.h>

#include <set>

namespace sl {
namespace {

constexpr int kLeft = 1;

TEST(Navigation, NextAndPreviousWrapAround) {
  Random random(1);
  EXPECT_EQ(ChooseNavigationNumber(NavCommand::Next, 7, 120, kLeft, random), 8);
  EXPECT_EQ(ChooseNavigationNumber(NavCommand::Next, 120, 120, kLeft, random), 1);
  EXPECT_EQ(ChooseNavigationNumber(NavCommand::Previous, 7, 120, kLeft, random), 6);
  EXPECT_EQ(ChooseNavigationNumber(NavCommand::Previous, 1, 120, kLeft, random), 120);
  // No puzzle shown yet (number 0): next starts at 1, previous at the end.
  EXPECT_EQ(ChooseNavigationNumber(NavCommand::Next, 0, 120, kLeft, random), 1);
  EXPECT_EQ(ChooseNavigationNumber(NavCommand::Previous, 0, 120, kLeft, random), 120);
}

TEST(Navigation, RightButtonJumpsToTheEnds) {
  Random random(1);
  EXPECT_EQ(ChooseNavigationNumber(NavCommand::Next, 7, 120, kRightButton, random), 120);
  EXPECT_EQ(ChooseNavigationNumber(NavCommand::Previous, 7, 120, kRightButton, random), 1);
}

TEST(Navigation, AfterTheFileShrankStepsOntoItsLastOrFirstPuzzle) {
  Random random(1);
  EXPECT_EQ(ChooseNavigationNumber(NavCommand::Next, 50, 10, kLeft, random), 1);
  EXPECT_EQ(ChooseNavigationNumber(NavCommand::Previous, 50, 10, kLeft, random), 10);
}

TEST(Navigation, RandomCoversEveryPuzzleIncludingTheCurrentOne) {
  Random random(42);
  std::set<int32_t> seen;
  for (int i = 0; i < 500; ++i) {
    const int32_t n = ChooseNavigationNumber(NavCommand::Random, 3, 5, kLeft, random);
    ASSERT_GE(n, 1);
    ASSERT_LE(n, 5);
    seen.insert(n);
  }
  EXPECT_EQ(seen.size(), 5u);
}

}  // namespace
}  // namespace sl
