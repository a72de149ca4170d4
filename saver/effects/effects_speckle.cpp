// The speckle family: a solid edge with a fringe of loose cells before it.

#include "saver/effects/effect_families.h"
#include "saver/effects/effect_support.h"
#include "saver/effects/speckle_region.h"

namespace kv {
namespace {

// Speckle(X, Y; rows K, columns M).
template <int32_t K, int32_t M>
void Speckle(KV_EFFECT_ARGS) {
  TComplexRegion builder;
  SpeckleRegion(builder, W, H, X, Y, K, M);
  if (const auto region = builder.CreateRegion()) CopyThroughRegion(work, image, *region);
}

}  // namespace

void AddSpeckleEffects(EffectProcTable& t) {
  SetEffect<Speckle<1, 0>>(t, 125);
  SetEffect<Speckle<2, 0>>(t, 126);
  SetEffect<Speckle<0, 1>>(t, 127);
  SetEffect<Speckle<0, 2>>(t, 128);
}

}  // namespace kv
