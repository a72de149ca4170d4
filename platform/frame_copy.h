#pragma once

#include <cstdint>

#include "image/bitmap32.h"

namespace kv {

// Copies the rectangle (0, 0, target size) of `source` into `target`; the
// target's pixels beyond the source's edges become opaque black.
void CopyTopLeft(const Bitmap32& source, Bitmap32& target);

// The part of `target` that a copy of `frame` placed at (x, y) covers.
struct CopiedArea {
  int32_t left, top, right, bottom;
  bool Empty() const { return right <= left || bottom <= top; }
};

// Copies `frame` into `target` with its top-left corner at (x, y); what falls
// outside `target` is skipped. Returns the area written.
CopiedArea CopyAt(const Bitmap32& frame, int32_t x, int32_t y, Bitmap32& target);

}  // namespace kv
