#pragma once

#include <cstdint>

#include "image/bitmap32.h"

namespace kv {

// Blends a straight line from (x1, y1) towards (x2, y2) into the layer, pixel
// by pixel with BlendPixel, without its end point. The pixels are those of a
// Bresenham walk along the major axis whose error term starts at half the
// major distance; pixels outside the layer are skipped (the walk itself is
// clipped, so far-away end points cost nothing).
void BlendLine(Bitmap32& layer, int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t color,
               int32_t alpha);

}  // namespace kv
