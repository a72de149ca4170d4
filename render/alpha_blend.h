#pragma once

#include <cstdint>

#include "image/bitmap32.h"

namespace kv {

// Source-over blend of an RGB colour (alpha byte ignored) with the given
// alpha 0..255 onto a 0xAARRGGBB pixel: every channel moves from the
// destination towards the source by alpha / 255, rounded to nearest; the
// alpha byte becomes alpha + dstAlpha * (255 - alpha) / 255.
uint32_t BlendPixel(uint32_t color, int32_t alpha, uint32_t dst);

// Blends one pixel into the layer; pixels outside it are skipped.
inline void BlendPixelAt(Bitmap32& layer, int64_t x, int64_t y, uint32_t color, int32_t alpha) {
  if (x < 0 || y < 0 || x >= layer.Width() || y >= layer.Height()) return;
  uint32_t& p = layer.Row(static_cast<int32_t>(y))[x];
  p = BlendPixel(color, alpha, p);
}

// Alpha of a particle pixel: Round(base * opacity * 10 / 100), limited to
// 0..255 (opacity is in tenths).
int32_t ParticleAlpha(int32_t base, int32_t opacity);

}  // namespace kv
