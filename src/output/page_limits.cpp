#include "output/page_limits.h"

#include <algorithm>

namespace sl {

void PageLimits::Set(Limit which, int16_t v) {
  const int16_t value = std::max<int16_t>(v, 0);
  for (int i = 0; i < static_cast<int>(limits_.size()); ++i) {
    if (i < which) limits_[i] = std::min(limits_[i], value);
    if (i == which) limits_[i] = value;
    if (i > which) limits_[i] = std::max(limits_[i], value);
  }
}

}  // namespace sl
