#pragma once

#include <cstdint>

#include "saver/effects/complex_region.h"

namespace kv {

// Adds the bands of Shred(A, B; rows k, columns m) on a W x H display to
// `region`: bands of thickness t = min(W, H) / 200 + 1 whose lengths jitter
// by up to a tenth of the display (drawn from the program-wide generator)
// while the extent is below the display size. Row kinds: 1 from the right, 2
// from the left, 3 out from the middle, 4 in from both sides; column kinds
// the same turned (1 from the bottom, 2 from the top). Kind 0 skips its pass.
void ShredRegion(TComplexRegion& region, int32_t W, int32_t H, int32_t A, int32_t B, int32_t rows,
                 int32_t columns);

}  // namespace kv
