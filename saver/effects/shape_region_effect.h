#pragma once

#include <cstdint>

#include "image/bitmap32.h"
#include "saver/effects/raster.h"
#include "saver/effects/region.h"

namespace kv {

// The region of a region effect for one step (arguments W, H, X, Y, P).
using ShapeBuilder = Region (*)(int32_t W, int32_t H, int32_t X, int32_t Y, int32_t P);

// A region effect: copies the image through Build's region for 0 < P < 100.
// The ends are exact whatever the geometry gives on odd sizes: P <= 0 keeps
// the old picture, P >= 100 shows the whole new one.
template <ShapeBuilder Build>
void ShapeEffect(Bitmap32& work, const Bitmap32& image, int32_t W, int32_t H, int32_t X, int32_t Y,
                 int32_t P) {
  if (P <= 0) return;
  if (P >= 100) {
    CopyThroughRegion(work, image, Region::FromRect({0, 0, W, H}));
    return;
  }
  CopyThroughRegion(work, image, Build(W, H, X, Y, P));
}

}  // namespace kv
