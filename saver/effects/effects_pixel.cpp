// The pixel family: cross-fade, pixelate, and the seeded random pixels and
// bars, working on the pixel memory directly.

#include <algorithm>
#include <cstring>
#include <vector>

#include "base/random.h"
#include "base/rounding.h"
#include "saver/effects/blend_rect.h"
#include "saver/effects/effect_families.h"
#include "saver/effects/effect_support.h"

namespace kv {
namespace {

// The program-wide generator, stepped locally inside a ScopedRandSeed: the
// same sequence as Random(), without a call per pixel.
class LocalRandom {
 public:
  LocalRandom() : seed_(RandSeed()) {}
  uint32_t Next(uint32_t n) {
    seed_ = seed_ * 134775813u + 1u;
    return static_cast<uint32_t>((static_cast<uint64_t>(seed_) * n) >> 32);
  }

 private:
  uint32_t seed_;
};

uint32_t SumSeed(int32_t W, int32_t H) { return static_cast<uint32_t>(W) + static_cast<uint32_t>(H); }

void Fade(KV_EFFECT_ARGS) { BlendRect(work, image, P, 0, 0, W, H); }

void Pixelate(KV_EFFECT_ARGS) {
  int32_t k;
  int32_t ex;
  int32_t ey;
  if (P <= 50) {
    k = 180 - MulDiv(P, 82, 50);
    ex = X;
    ey = Y;
  } else {
    k = MulDiv(P - 100, 82, 50) + 180;
    ex = W - X;
    ey = H - Y;
  }
  const int32_t xs = MulDiv(ex, k, 100);
  const int32_t ys = MulDiv(ey, k, 100);
  const int32_t sw = std::max(W - 2 * xs, 2);
  const int32_t sh = std::max(H - 2 * ys, 2);
  bool from_work = P <= 50;
  if (P > 40 && P < 60) {
    BlendRect(work, image, 5 * P - 200, xs, ys, sw, sh);
    from_work = true;
  }
  if (from_work) {
    SelfStretchBlock(work, -2 * xs, -2 * ys, W + 4 * xs, H + 4 * ys, xs, ys, sw, sh);
  } else {
    StretchBlock(work, -2 * xs, -2 * ys, W + 4 * xs, H + 4 * ys, image, xs, ys, sw, sh);
  }
}

int32_t VisibleWidth(const Bitmap32& work, const Bitmap32& image, int32_t W) {
  return std::clamp(W, 0, std::min(work.Width(), image.Width()));
}
int32_t VisibleHeight(const Bitmap32& work, const Bitmap32& image, int32_t H) {
  return std::clamp(H, 0, std::min(work.Height(), image.Height()));
}

// Pixels visited bottom row first, each row left to right.
void Dissolve(KV_EFFECT_ARGS) {
  ScopedRandSeed seed(SumSeed(W, H));
  LocalRandom random;
  const int32_t w = VisibleWidth(work, image, W);
  const int32_t h = VisibleHeight(work, image, H);
  const uint32_t p = static_cast<uint32_t>(std::max(P, 0));
  for (int32_t y = h - 1; y >= 0; --y) {
    uint32_t* out = work.Row(y);
    const uint32_t* in = image.Row(y);
    for (int32_t x = 0; x < w; ++x) {
      if (random.Next(100) < p) out[x] = in[x];
    }
  }
}

// Rows visited from the bottom row upward.
void RandomBarsHorizontal(KV_EFFECT_ARGS) {
  ScopedRandSeed seed(SumSeed(W, H));
  LocalRandom random;
  const int32_t w = VisibleWidth(work, image, W);
  const int32_t h = VisibleHeight(work, image, H);
  const uint32_t p = static_cast<uint32_t>(std::max(P, 0));
  for (int32_t y = H - 1; y >= 0; --y) {
    if (random.Next(100) < p && y < h) std::memcpy(work.Row(y), image.Row(y), static_cast<size_t>(w) * 4);
  }
}

// Columns visited from left to right; the chosen columns are then copied row
// by row.
void RandomBarsVertical(KV_EFFECT_ARGS) {
  ScopedRandSeed seed(SumSeed(W, H));
  LocalRandom random;
  const int32_t w = VisibleWidth(work, image, W);
  const int32_t h = VisibleHeight(work, image, H);
  const uint32_t p = static_cast<uint32_t>(std::max(P, 0));
  std::vector<uint32_t> keep(static_cast<size_t>(w));
  for (int32_t x = 0; x < W; ++x) {
    const bool chosen = random.Next(100) < p;
    if (x < w) keep[static_cast<size_t>(x)] = chosen ? ~0u : 0u;
  }
  for (int32_t y = 0; y < h; ++y) {
    uint32_t* out = work.Row(y);
    const uint32_t* in = image.Row(y);
    for (int32_t x = 0; x < w; ++x) out[x] = (in[x] & keep[static_cast<size_t>(x)]) | (out[x] & ~keep[static_cast<size_t>(x)]);
  }
}

}  // namespace

void AddPixelEffects(EffectProcTable& table) {
  SetEffect<Fade>(table, 1);
  SetEffect<Pixelate>(table, 2);
  SetEffect<Dissolve>(table, 3);
  SetEffect<RandomBarsHorizontal>(table, 168);
  SetEffect<RandomBarsVertical>(table, 169);
}

}  // namespace kv
