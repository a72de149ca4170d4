// The grid family: cells, blinds and slats laid out in a grid, each growing
// with P; and the seeded random squares.

#include <algorithm>
#include <vector>

#include "base/random.h"
#include "base/rounding.h"
#include "saver/effects/complex_region.h"
#include "saver/effects/effect_families.h"
#include "saver/effects/effect_support.h"

namespace kv {
namespace {

void Draw(Bitmap32& work, const Bitmap32& image, const TComplexRegion& builder) {
  if (const auto region = builder.CreateRegion()) CopyThroughRegion(work, image, *region);
}

// The union of many shapes, combined pairwise so that no single region is
// merged over and over.
Region UnionAll(std::vector<Region> parts) {
  if (parts.empty()) return Region();
  while (parts.size() > 1) {
    std::vector<Region> next;
    next.reserve((parts.size() + 1) / 2);
    for (size_t i = 0; i + 1 < parts.size(); i += 2) next.push_back(parts[i].Union(parts[i + 1]));
    if (parts.size() % 2 == 1) next.push_back(std::move(parts.back()));
    parts = std::move(next);
  }
  return std::move(parts.front());
}

void TriangularShred(KV_EFFECT_ARGS) {
  const int32_t sx = W / 10 + 1;
  const int32_t sy = H / 10 + 1;
  const int32_t bx = MulDiv(sx, P, 50);
  const int32_t by = MulDiv(sy, P, 50);
  std::vector<Region> parts;
  for (int32_t x = sx; x - sx < W; x += 2 * sx) {
    for (int32_t y = sy; y - sy < H + sy; y += 2 * sy) {
      parts.push_back(Region::Polygon({{x - bx, y - by}, {x, y + by}, {x + bx, y - by}}));
    }
  }
  CopyThroughRegion(work, image, UnionAll(std::move(parts)));
}

void RandomSquares(KV_EFFECT_ARGS) {
  const int32_t m = std::min(W, H);
  const int32_t s = 2 * (m / 50) + 2;
  ScopedRandSeed seed(static_cast<uint32_t>(m / 50 + 1) * (static_cast<uint32_t>(W) + static_cast<uint32_t>(H)));
  TComplexRegion builder;
  for (int32_t x = 0; x < W; x += s) {
    for (int32_t y = 0; y < H; y += s) {
      if (Random(100) < P) builder.AddRect(x, y, x + s, y + s);
    }
  }
  Draw(work, image, builder);
}

void BlindVertically(KV_EFFECT_ARGS) {
  const int32_t n = W / 40 + 1;
  const int32_t a = MulDiv(n, P, 100);
  TComplexRegion builder;
  for (int32_t x = 0; x < W; x += 2 * n) builder.AddRect(x + n - a, 0, x + n + a, H);
  Draw(work, image, builder);
}

void BlindHorizontally(KV_EFFECT_ARGS) {
  const int32_t n = H / 40 + 1;
  const int32_t a = MulDiv(n, P, 100);
  TComplexRegion builder;
  for (int32_t y = 0; y < H; y += 2 * n) builder.AddRect(0, y + n - a, W, y + n + a);
  Draw(work, image, builder);
}

void UnevenBlindFromLeft(KV_EFFECT_ARGS) {
  if (X <= 0) return;
  const int32_t a = MulDiv(X, P, 100);
  TComplexRegion builder;
  for (int32_t x = 0; x < W; x += X) builder.AddRect(x, 0, x + a, H);
  Draw(work, image, builder);
}

void UnevenBlindFromRight(KV_EFFECT_ARGS) {
  if (X <= 0) return;
  const int32_t a = MulDiv(X, P, 100);
  TComplexRegion builder;
  for (int32_t x = W; x > 0; x -= X) builder.AddRect(x - a, 0, x, H);
  Draw(work, image, builder);
}

void UnevenBlindFromTop(KV_EFFECT_ARGS) {
  if (Y <= 0) return;
  const int32_t a = MulDiv(Y, P, 100);
  TComplexRegion builder;
  for (int32_t y = 0; y < H; y += Y) builder.AddRect(0, y, W, y + a);
  Draw(work, image, builder);
}

void UnevenBlindFromBottom(KV_EFFECT_ARGS) {
  if (Y <= 0) return;
  const int32_t a = MulDiv(Y, P, 100);
  TComplexRegion builder;
  for (int32_t y = H; y > 0; y -= Y) builder.AddRect(0, y - a, W, y);
  Draw(work, image, builder);
}

void RectangularShred(KV_EFFECT_ARGS) {
  const int32_t n = std::min(W, H) / 10 + 1;
  const int32_t a = MulDiv(n, P, 100);
  TComplexRegion builder;
  for (int32_t x = 0; x < W; x += 2 * n) {
    for (int32_t y = 0; y < H; y += 2 * n) builder.AddRect(x + n - a, y + n - a, x + n + a, y + n + a);
  }
  Draw(work, image, builder);
}

// Rectangles 145 to 148: strips across the direction of travel plus slats
// that grow along it.
template <bool horizontal, bool forward>
void Rectangles(KV_EFFECT_ARGS) {
  const int32_t extent = horizontal ? X : Y;
  const int32_t h = (horizontal ? H : W) / 20;
  if (extent <= 0 || h <= 0) return;
  const int32_t a = MulDiv(h, P, 100);
  const int32_t b = MulDiv(extent, P, 100);
  TComplexRegion builder;
  if (horizontal) {
    for (int32_t y = -h; y < H; y += 3 * h) builder.AddRect(0, y - a, W, y + a);
    if (forward) {
      for (int32_t x = 0; x < W; x += X) builder.AddRect(x, 0, x + b, H);
    } else {
      for (int32_t x = W; x > 0; x -= X) builder.AddRect(x - b, 0, x, H);
    }
  } else {
    for (int32_t x = -h; x < W; x += 3 * h) builder.AddRect(x - a, 0, x + a, H);
    if (forward) {
      for (int32_t y = 0; y < H; y += Y) builder.AddRect(0, y, W, y + b);
    } else {
      for (int32_t y = H; y > 0; y -= Y) builder.AddRect(0, y - b, W, y);
    }
  }
  Draw(work, image, builder);
}

void CircularShred(KV_EFFECT_ARGS) {
  const int32_t s = std::min(W, H) / 10 + 1;
  const int32_t r = MulDiv(3 * s, P, 200);
  std::vector<Region> parts;
  for (int32_t x = 0; x < W; x += 2 * s) {
    for (int32_t y = 0; y < H; y += 2 * s) {
      parts.push_back(Region::Ellipse({x + s - r, y + s - r, x + s + r, y + s + r}));
    }
  }
  CopyThroughRegion(work, image, UnionAll(std::move(parts)));
}

void DiamondShred(KV_EFFECT_ARGS) {
  const int32_t s = std::min(W, H) / 10 + 1;
  const int32_t b = MulDiv(s, P, 50);
  std::vector<Region> parts;
  for (int32_t x = s; x - s < W; x += 2 * s) {
    for (int32_t y = s; y - s < H; y += 2 * s) {
      parts.push_back(Region::Polygon({{x - b, y}, {x, y - b}, {x + b, y}, {x, y + b}}));
    }
  }
  CopyThroughRegion(work, image, UnionAll(std::move(parts)));
}

}  // namespace

void AddGridEffects(EffectProcTable& t) {
  SetEffect<TriangularShred>(t, 120);
  SetEffect<RandomSquares>(t, 129);
  SetEffect<BlindVertically>(t, 138);
  SetEffect<BlindHorizontally>(t, 139);
  SetEffect<UnevenBlindFromLeft>(t, 140);
  SetEffect<UnevenBlindFromRight>(t, 141);
  SetEffect<UnevenBlindFromTop>(t, 142);
  SetEffect<UnevenBlindFromBottom>(t, 143);
  SetEffect<RectangularShred>(t, 144);
  SetEffect<Rectangles<true, true>>(t, 145);
  SetEffect<Rectangles<true, false>>(t, 146);
  SetEffect<Rectangles<false, true>>(t, 147);
  SetEffect<Rectangles<false, false>>(t, 148);
  SetEffect<CircularShred>(t, 152);
  SetEffect<DiamondShred>(t, 164);
}

}  // namespace kv
