#include "puzzle/navigation.h"

#include <gtest/gtest.h>

#include <set>

namespace sl {
namespace {

constexpr NavCommand kNext = NavCommand::Next;
constexpr NavCommand kPrevious = NavCommand::Previous;

TEST(Navigation, NextAndPreviousWrapAroundAndTheRightButtonJumpsToTheEnds) {
  Random random(1);
  auto go = [&](NavCommand command, int32_t current, int32_t count, int button = 1) {
    return ChooseNavigationNumber(command, current, count, button, random);
  };
  EXPECT_EQ(go(kNext, 7, 120), 8);
  EXPECT_EQ(go(kNext, 120, 120), 1);
  EXPECT_EQ(go(kPrevious, 7, 120), 6);
  EXPECT_EQ(go(kPrevious, 1, 120), 120);
  // No puzzle shown yet (number 0): next starts at 1, previous at the end.
  EXPECT_EQ(go(kNext, 0, 120), 1);
  EXPECT_EQ(go(kPrevious, 0, 120), 120);
  EXPECT_EQ(go(kNext, 7, 120, kRightButton), 120);
  EXPECT_EQ(go(kPrevious, 7, 120, kRightButton), 1);
  // The file shrank under the current number: step onto its first or last puzzle.
  EXPECT_EQ(go(kNext, 50, 10), 1);
  EXPECT_EQ(go(kPrevious, 50, 10), 10);
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
