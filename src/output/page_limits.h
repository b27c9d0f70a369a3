#pragma once
// The page numbers a print dialog opens with. Setting one keeps the order
// min <= FromPage <= ToPage <= max by moving the others; a negative value is taken as 0.
#include <cstdint>

namespace sl {

class PageLimits {
 public:
  int16_t min() const { return min_; }
  int16_t FromPage() const { return from_; }
  int16_t ToPage() const { return to_; }
  int16_t max() const { return max_; }

  // Raises FromPage, ToPage and max to v where they are below it.
  void SetMin(int16_t v);
  // Raises ToPage and max to v where below; lowers min to v where above.
  void SetFromPage(int16_t v);
  // Raises max to v where below; lowers FromPage and min to v where above.
  void SetToPage(int16_t v);
  // Lowers ToPage, FromPage and min to v where above.
  void SetMax(int16_t v);

 private:
  int16_t min_ = 0;
  int16_t from_ = 0;
  int16_t to_ = 0;
  int16_t max_ = 0;
};

}  // namespace sl
