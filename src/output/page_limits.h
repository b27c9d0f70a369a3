#pragma once
// The page numbers a print dialog opens with. Setting one keeps the order
// min <= FromPage <= ToPage <= max by moving the others; a negative value is taken as 0.
#include <array>
#include <cstdint>

namespace sl {

class PageLimits {
 public:
  int16_t min() const { return limits_[kMin]; }
  int16_t FromPage() const { return limits_[kFrom]; }
  int16_t ToPage() const { return limits_[kTo]; }
  int16_t max() const { return limits_[kMax]; }

  // Raises FromPage, ToPage and max to v where they are below it.
  void SetMin(int16_t v) { Set(kMin, v); }
  // Raises ToPage and max to v where below; lowers min to v where above.
  void SetFromPage(int16_t v) { Set(kFrom, v); }
  // Raises max to v where below; lowers FromPage and min to v where above.
  void SetToPage(int16_t v) { Set(kTo, v); }
  // Lowers ToPage, FromPage and min to v where above.
  void SetMax(int16_t v) { Set(kMax, v); }

 private:
  enum Limit { kMin, kFrom, kTo, kMax };

  // Sets one limit; those after it in the order are raised to it, those before lowered.
  void Set(Limit which, int16_t v);

  std::array<int16_t, 4> limits_{};
};

}  // namespace sl
