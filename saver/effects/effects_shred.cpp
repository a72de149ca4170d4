// The uneven shred family: thin bands with jittered lengths reveal the new
// picture; the jitter changes at every step.

#include "saver/effects/effect_families.h"
#include "saver/effects/effect_support.h"
#include "saver/effects/shred_region.h"

namespace kv {
namespace {

// Shred(ax * X, by * Y; rows K, columns M).
template <int32_t ax, int32_t by, int32_t K, int32_t M>
void Shred(KV_EFFECT_ARGS) {
  TComplexRegion builder;
  ShredRegion(builder, W, H, ax * X, by * Y, K, M);
  if (const auto region = builder.CreateRegion()) CopyThroughRegion(work, image, *region);
}

}  // namespace

void AddShredEffects(EffectProcTable& t) {
  SetEffect<Shred<1, 0, 1, 0>>(t, 68);
  SetEffect<Shred<1, 0, 2, 0>>(t, 69);
  SetEffect<Shred<1, 0, 3, 0>>(t, 70);
  SetEffect<Shred<1, 0, 4, 0>>(t, 71);
  SetEffect<Shred<0, 1, 0, 1>>(t, 79);
  SetEffect<Shred<0, 1, 0, 2>>(t, 80);
  SetEffect<Shred<0, 1, 0, 3>>(t, 81);
  SetEffect<Shred<0, 1, 0, 4>>(t, 82);
  SetEffect<Shred<1, 1, 1, 1>>(t, 103);
  SetEffect<Shred<1, 1, 1, 2>>(t, 104);
  SetEffect<Shred<1, 1, 2, 1>>(t, 105);
  SetEffect<Shred<1, 1, 2, 2>>(t, 106);
  SetEffect<Shred<1, 1, 1, 3>>(t, 107);
  SetEffect<Shred<1, 1, 2, 3>>(t, 108);
  SetEffect<Shred<1, 1, 3, 1>>(t, 109);
  SetEffect<Shred<1, 1, 3, 2>>(t, 110);
  SetEffect<Shred<1, 1, 3, 3>>(t, 111);
  SetEffect<Shred<1, 1, 4, 4>>(t, 112);
}

}  // namespace kv
