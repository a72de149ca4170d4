#include "saver/effects/blend_rect.h"

#include <algorithm>

#include "base/rounding.h"

namespace kv {
namespace {

// w + floor((i - w) * a / 256) equals floor((w * (256 - a) + i * a) / 256),
// whose terms are never negative, so two channels share one 32-bit lane pair.
void BlendRow(uint32_t* out, const uint32_t* in, int32_t count, uint32_t a) {
  const uint32_t b = 256u - a;
  for (int32_t x = 0; x < count; ++x) {
    const uint32_t w = out[x];
    const uint32_t i = in[x];
    const uint32_t rb = ((w & 0x00FF00FFu) * b + (i & 0x00FF00FFu) * a) >> 8;
    const uint32_t g = ((w & 0x0000FF00u) * b + (i & 0x0000FF00u) * a) >> 8;
    out[x] = (rb & 0x00FF00FFu) | (g & 0x0000FF00u) | (w & 0xFF000000u);
  }
}

}  // namespace

void BlendRect(Bitmap32& work, const Bitmap32& image, int32_t Progress, int32_t Left, int32_t Top, int32_t Width,
               int32_t Height) {
  const int32_t a = std::clamp(MulDiv(256, Progress, 100), 0, 256);
  const int64_t left = std::max<int64_t>(Left, 0);
  const int64_t top = std::max<int64_t>(Top, 0);
  const int64_t right = std::min<int64_t>({int64_t{Left} + Width, work.Width(), image.Width()});
  const int64_t bottom = std::min<int64_t>({int64_t{Top} + Height, work.Height(), image.Height()});
  if (left >= right || top >= bottom || a == 0) return;
  for (int64_t y = top; y < bottom; ++y) {
    const int32_t row = static_cast<int32_t>(y);
    BlendRow(work.Row(row) + left, image.Row(row) + left, static_cast<int32_t>(right - left),
             static_cast<uint32_t>(a));
  }
}

}  // namespace kv
