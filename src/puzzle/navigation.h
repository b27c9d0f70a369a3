#pragma once
// Choosing the puzzle number for next, previous and random.
#include <cstdint>

#include "common/random.h"

namespace sl {

enum class NavCommand { Next, Previous, Random };

// The number to show, given the current number and the file's count (count > 1). Next wraps past
// the count to 1 and with the right button gives the last puzzle; Previous wraps below 1 to the
// count and with the right button gives the first; Random draws uniformly from 1..count.
int32_t ChooseNavigationNumber(NavCommand command, int32_t current, int32_t count, int button,
                               Random& random);

}  // namespace sl
