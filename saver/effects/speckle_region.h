#pragma once

#include <cstdint>

#include "saver/effects/complex_region.h"

namespace kv {

// Adds the cells of Speckle(A, B; rows k, columns m) on a W x H display to
// `region`: a solid part up to the extent and, while the extent is below the
// display size, a fringe of loose cells (drawn from the program-wide
// generator) that thins out with the distance from the edge. Row kinds: 1
// from the right, 2 from the left; column kinds: 1 from the bottom, 2 from
// the top. Kind 0 skips its pass.
void SpeckleRegion(TComplexRegion& region, int32_t W, int32_t H, int32_t A, int32_t B, int32_t rows,
                   int32_t columns);

}  // namespace kv
