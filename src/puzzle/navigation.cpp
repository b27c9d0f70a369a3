#include "puzzle/navigation.h"

#include "common/mouse_buttons.h"

namespace sl {

int32_t ChooseNavigationNumber(NavCommand command, int32_t current, int32_t count, int button,
                               Random& random) {
  switch (command) {
    case NavCommand::Next:
      if (button == kMouseRight) return count;
      // Compared before stepping, so no number (one read from a settings file) can overflow.
      return current >= count || current < 1 ? 1 : current + 1;
    case NavCommand::Previous:
      if (button == kMouseRight) return 1;
      // The file may have shrunk since the number was chosen: step back onto its last puzzle.
      if (current <= 1 || current > count) return count;
      return current - 1;
    case NavCommand::Random:
      return random.Below(count) + 1;
  }
  return current;
}

}  // namespace sl
