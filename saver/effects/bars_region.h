#pragma once

#include <cstdint>

#include "saver/effects/complex_region.h"

namespace kv {

// Adds the bars of Bars(A, B; rows k, columns m) on a W x H display to
// `region`. Bar thickness t = min(W, H) / 50 + 1. Row kinds: 1 from the right,
// 2 from the left, 3 alternate bars from both sides, 4 left then right, 5
// right then left; while the extent A exceeds W the bars left over from the
// first half fill in. Column kinds are the same turned (1 from the bottom, 2
// from the top) with B and H. Kind 0 adds nothing in the first half.
void BarsRegion(TComplexRegion& region, int32_t W, int32_t H, int32_t A, int32_t B, int32_t rows,
                int32_t columns);

}  // namespace kv
