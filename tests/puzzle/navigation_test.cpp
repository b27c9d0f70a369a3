#include "puzzle/navigation.h"

#include <gtest/gtest.h>

#include <set>

namespace sl {
namespace {

// Plain wrapping and the right button are played through in the navigation command tests.
TEST(Navigation, WithNoPuzzleShownOrAfterTheFileShrankStepsOntoItsFirstOrLastPuzzle) {
  Random random(1);
  auto go = [&](NavCommand command, int32_t current, int32_t count) {
    return ChooseNavigationNumber(command, current, count, 1, random);
  };
  EXPECT_EQ(go(NavCommand::Next, 0, 120), 1);
  EXPECT_EQ(go(NavCommand::Previous, 0, 120), 120);
  EXPECT_EQ(go(NavCommand::Next, 50, 10), 1);
  EXPECT_EQ(go(NavCommand::Previous, 50, 10), 10);
  EXPECT_EQ(go(NavCommand::Previous, 7, 120), 6);
}

TEST(Navigation, RandomCoversEveryPuzzleIncludingTheCurrentOne) {
  Random random(42);
  std::set<int32_t> seen;
  for (int i = 0; i < 500; ++i) {
    seen.insert(ChooseNavigationNumber(NavCommand::Random, 3, 5, 1, random));
  }
  EXPECT_EQ(seen, (std::set<int32_t>{1, 2, 3, 4, 5}));
}

}  // namespace
}  // namespace sl
