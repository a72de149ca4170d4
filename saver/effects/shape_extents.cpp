// The extents X and Y handed to every effect: the longer side follows P, the
// shorter one keeps the picture's proportions.

#include "base/rounding.h"
#include "saver/effects/effect.h"

namespace kv {

EffectExtents ComputeExtents(int32_t W, int32_t H, int32_t P) {
  if (W <= 0 || H <= 0) return {0, 0};
  if (W >= H) {
    const int32_t x = MulDiv(W, P, 100);
    return {x, MulDiv(x, H, W)};
  }
  const int32_t y = MulDiv(H, P, 100);
  return {MulDiv(y, W, H), y};
}

}  // namespace kv
