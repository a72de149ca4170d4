// The roll family: a rolled-up strip of the new picture travels with the
// leading edge, mirrored and shaded like a cylinder.

#include "saver/effects/effect_families.h"
#include "saver/effects/effect_support.h"
#include "saver/effects/shading.h"

namespace kv {
namespace {

constexpr int32_t kRollShade = 48;

// The strip's width for a leading edge at `edge` of `size`.
int32_t RollWidth(int32_t size, int32_t edge) {
  int32_t r = size / 10;
  if (edge < r) {
    r = edge;
  } else if (size - edge < 2 * r) {
    r = (size - edge) / 2;
  }
  return r;
}

void UnrollFromLeft(KV_EFFECT_ARGS) {
  const int32_t r = RollWidth(W, X);
  StretchBlock(work, X + r, 0, -r, H, image, X + r, 0, r, H);
  CopyBlock(work, 0, 0, X, H, image, 0, 0);
  ShadeColumns(work, kRollShade, X, r);
}

void UnrollFromRight(KV_EFFECT_ARGS) {
  const int32_t e = W - X;
  const int32_t r = RollWidth(W, X);
  StretchBlock(work, e, 0, -r, H, image, e - 2 * r - 1, 0, r, H);
  CopyBlock(work, e, 0, X, H, image, e, 0);
  ShadeColumns(work, kRollShade, e - r, r);
}

void UnrollFromTop(KV_EFFECT_ARGS) {
  const int32_t r = RollWidth(H, Y);
  StretchBlock(work, 0, Y + r, W, -r, image, 0, Y + r, W, r);
  CopyBlock(work, 0, 0, W, Y, image, 0, 0);
  ShadeRows(work, kRollShade, Y, r);
}

void UnrollFromBottom(KV_EFFECT_ARGS) {
  const int32_t e = H - Y;
  const int32_t r = RollWidth(H, Y);
  StretchBlock(work, 0, e, W, -r, image, 0, e - 2 * r - 1, W, r);
  CopyBlock(work, 0, e, W, Y, image, 0, e);
  ShadeRows(work, kRollShade, e - r, r);
}

}  // namespace

void AddRollEffects(EffectProcTable& table) {
  SetEffect<UnrollFromLeft>(table, 17);
  SetEffect<UnrollFromRight>(table, 18);
  SetEffect<UnrollFromTop>(table, 34);
  SetEffect<UnrollFromBottom>(table, 35);
}

}  // namespace kv
