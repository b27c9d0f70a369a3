#include "puzzle/grid_layout.h"

#include <algorithm>

#include "common/numbers.h"

namespace sl {

void ComputeGridLayout(GridGeometry& geometry, int32_t size, int32_t surfaceWidth) {
  const int32_t s = geometry.CellSize;
  const int32_t n = std::clamp(size, 0, kMaxPuzzleSize);
  geometry.GridLeft = RoundHalfEven((surfaceWidth - static_cast<double>(s) * n) / 2.0);
  geometry.GridTop = geometry.GridLeft - s;
  geometry.RowPitch = 1.35f;
  for (int32_t r = 1; r <= n; ++r) {
    // RowPitch is single precision; the rounding below removes its tiny error (540.00002...).
    const float rowOffset = static_cast<float>((r - 1) * s) * geometry.RowPitch;
    for (int32_t c = 1; c <= n; ++c) {
      geometry.CellLeft[r][c] = (c - 1) * s + geometry.GridLeft;
      geometry.CellTop[r][c] = RoundHalfEven(static_cast<double>(rowOffset) + geometry.GridTop);
    }
  }
}

}  // namespace sl
