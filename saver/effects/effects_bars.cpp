// The bars family: bars of the new picture slide in from the sides, the
// top and the bottom.

#include "saver/effects/bars_region.h"
#include "saver/effects/effect_families.h"
#include "saver/effects/effect_support.h"

namespace kv {
namespace {

// Bars(ax * X, by * Y; rows K, columns M).
template <int32_t ax, int32_t by, int32_t K, int32_t M>
void Bars(KV_EFFECT_ARGS) {
  TComplexRegion builder;
  BarsRegion(builder, W, H, ax * X, by * Y, K, M);
  if (const auto region = builder.CreateRegion()) CopyThroughRegion(work, image, *region);
}

// Criss Cross from bottom left top right: two criss-crosses intersected.
void CrissCrossDiagonal(KV_EFFECT_ARGS) {
  TComplexRegion first;
  TComplexRegion second;
  BarsRegion(first, W, H, 2 * X, 2 * Y, 1, 1);
  BarsRegion(second, W, H, 2 * X, 2 * Y, 2, 2);
  const auto a = first.CreateRegion();
  const auto b = second.CreateRegion();
  if (a && b) CopyThroughRegion(work, image, a->Intersect(*b));
}

}  // namespace

void AddBarsEffects(EffectProcTable& t) {
  SetEffect<Bars<2, 0, 1, 0>>(t, 63);
  SetEffect<Bars<2, 0, 2, 0>>(t, 64);
  SetEffect<Bars<2, 0, 4, 0>>(t, 65);
  SetEffect<Bars<2, 0, 5, 0>>(t, 66);
  SetEffect<Bars<1, 0, 3, 0>>(t, 67);
  SetEffect<Bars<0, 2, 0, 1>>(t, 74);
  SetEffect<Bars<0, 2, 0, 2>>(t, 75);
  SetEffect<Bars<0, 2, 0, 4>>(t, 76);
  SetEffect<Bars<0, 2, 0, 5>>(t, 77);
  SetEffect<Bars<0, 1, 0, 3>>(t, 78);
  SetEffect<Bars<2, 2, 1, 1>>(t, 89);
  SetEffect<Bars<2, 2, 1, 2>>(t, 90);
  SetEffect<Bars<2, 2, 2, 1>>(t, 91);
  SetEffect<Bars<2, 2, 2, 2>>(t, 92);
  SetEffect<Bars<2, 2, 4, 4>>(t, 93);
  SetEffect<Bars<2, 2, 4, 5>>(t, 94);
  SetEffect<Bars<2, 2, 5, 4>>(t, 95);
  SetEffect<Bars<2, 2, 5, 5>>(t, 96);
  SetEffect<Bars<1, 1, 1, 3>>(t, 97);
  SetEffect<Bars<1, 1, 2, 3>>(t, 98);
  SetEffect<Bars<1, 1, 3, 1>>(t, 99);
  SetEffect<Bars<1, 1, 3, 2>>(t, 100);
  SetEffect<Bars<1, 1, 3, 3>>(t, 101);
  SetEffect<CrissCrossDiagonal>(t, 102);
}

}  // namespace kv
