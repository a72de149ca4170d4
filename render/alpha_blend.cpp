#include "render/alpha_blend.h"

#include <algorithm>

#include "base/rounding.h"

namespace kv {
namespace {

// (a * (255 - alpha) + b * alpha) / 255 to nearest. The quotient never has a
// fractional part of exactly one half because 255 is odd.
inline uint32_t Mix(uint32_t dst, uint32_t src, uint32_t alpha) {
  return (dst * (255u - alpha) + src * alpha + 127u) / 255u;
}

}  // namespace

uint32_t BlendPixel(uint32_t color, int32_t alpha, uint32_t dst) {
  if (alpha <= 0) return dst;
  const uint32_t a = alpha >= 255 ? 255u : static_cast<uint32_t>(alpha);
  const uint32_t r = Mix((dst >> 16) & 0xFFu, (color >> 16) & 0xFFu, a);
  const uint32_t g = Mix((dst >> 8) & 0xFFu, (color >> 8) & 0xFFu, a);
  const uint32_t b = Mix(dst & 0xFFu, color & 0xFFu, a);
  const uint32_t outA = Mix(dst >> 24, 255u, a);
  return (outA << 24) | (r << 16) | (g << 8) | b;
}

int32_t ParticleAlpha(int32_t base, int32_t opacity) {
  const int64_t product = static_cast<int64_t>(base) * opacity * 10;
  return std::clamp(RoundHalfEven(static_cast<double>(product) / 100.0), 0, 255);
}

}  // namespace kv
