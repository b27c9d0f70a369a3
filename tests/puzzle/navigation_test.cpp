#include "puzzle/navigation.h"

#include <gtest/gtest.h>

#include <set>

namespace sl {
namespace {

TEST(Navigation, NextAndPreviousWrapAndTheRightButtonGoesToTheEnds) {
  Random random(1);
  const struct {
    NavCommand command;
    int32_t current;
    int button;
    int32_t chosen;  // of 120 puzzles
  } cases[] = {
      {NavCommand::Next, 7, 1, 8},       {NavCommand::Next, 120, 1, 1},
      {NavCommand::Next, 7, 2, 120},     {NavCommand::Previous, 7, 4, 6},
      {NavCommand::Previous, 1, 1, 120}, {NavCommand::Previous, 7, 2, 1},
      // No puzzle shown, or the file shrank below the current number.
      {NavCommand::Next, 0, 1, 1},       {NavCommand::Previous, 0, 1, 120},
      {NavCommand::Next, 500, 1, 1},     {NavCommand::Previous, 500, 1, 120},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ChooseNavigationNumber(c.command, c.current, 120, c.button, random), c.chosen)
        << c.current << " button " << c.button;
  }
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
