#pragma once
// Where the cells of an N by N grid lie on the grid surface.
#include <cstdint>

#include "puzzle/puzzle.h"

namespace sl {

inline constexpr int32_t kGridSurfaceWidth = 5800;
inline constexpr int32_t kGridSurfaceHeight = 6585;

// GridLeft centres N cells on the surface; GridTop is one cell above that; rows are
// RowPitch cells apart. With N = 0 only GridLeft, GridTop and RowPitch are set.
void ComputeGridLayout(GridGeometry& geometry, int32_t size,
                       int32_t surfaceWidth = kGridSurfaceWidth);

}  // namespace sl
