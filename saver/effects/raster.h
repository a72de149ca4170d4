#pragma once

#include <cstdint>

#include "image/bitmap32.h"
#include "saver/effects/region.h"

namespace kv {

// Block operations between 32-bit bitmaps. Coordinates are pixels, origin top
// left; the parts of a block that fall outside either bitmap are skipped.

// copy(dx, dy, w, h <- sx, sy): the w x h block of `src` at (sx, sy) goes to
// `dst` at (dx, dy). Non-positive sizes draw nothing.
void CopyBlock(Bitmap32& dst, int32_t dx, int32_t dy, int32_t w, int32_t h, const Bitmap32& src, int32_t sx,
               int32_t sy);

// stretch(dx, dy, dw, dh <- sx, sy, sw, sh): nearest-neighbour scaling, each
// destination pixel taking the source pixel under its centre. A negative
// extent mirrors that axis, the block then extending leftward (upward) from
// its origin; a zero extent draws nothing.
void StretchBlock(Bitmap32& dst, int32_t dx, int32_t dy, int32_t dw, int32_t dh, const Bitmap32& src, int32_t sx,
                  int32_t sy, int32_t sw, int32_t sh);

// The same within one bitmap: the source is read as it was before the
// operation, however source and destination overlap.
void SelfCopyBlock(Bitmap32& bmp, int32_t dx, int32_t dy, int32_t w, int32_t h, int32_t sx, int32_t sy);
void SelfStretchBlock(Bitmap32& bmp, int32_t dx, int32_t dy, int32_t dw, int32_t dh, int32_t sx, int32_t sy,
                      int32_t sw, int32_t sh);

// Copies the pixels of `image` that lie inside `clip` to the same places in
// `work` (a region effect's copy(0, 0, W, H <- 0, 0) through its clip region).
void CopyThroughRegion(Bitmap32& work, const Bitmap32& image, const Region& clip);

}  // namespace kv
