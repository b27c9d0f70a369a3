#include "output/page_limits.h"

#include <algorithm>

namespace sl {
namespace {

int16_t NotNegative(int16_t v) { return v < 0 ? int16_t{0} : v; }

void RaiseTo(int16_t& field, int16_t v) { field = std::max(field, v); }
void LowerTo(int16_t& field, int16_t v) { field = std::min(field, v); }

}  // namespace

void PageLimits::SetMin(int16_t v) {
  min_ = NotNegative(v);
  RaiseTo(from_, min_);
  RaiseTo(to_, min_);
  RaiseTo(max_, min_);
}

void PageLimits::SetFromPage(int16_t v) {
  from_ = NotNegative(v);
  RaiseTo(to_, from_);
  RaiseTo(max_, from_);
  LowerTo(min_, from_);
}

void PageLimits::SetToPage(int16_t v) {
  to_ = NotNegative(v);
  RaiseTo(max_, to_);
  LowerTo(from_, to_);
  LowerTo(min_, to_);
}

void PageLimits::SetMax(int16_t v) {
  max_ = NotNegative(v);
  LowerTo(to_, max_);
  LowerTo(from_, max_);
  LowerTo(min_, max_);
}

}  // namespace sl
