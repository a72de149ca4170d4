#pragma once

#include "image/bitmap32.h"

namespace kv {

// Copies the rectangle (0, 0, target size) of `source` into `target`; the
// target's pixels beyond the source's edges become opaque black.
void CopyTopLeft(const Bitmap32& source, Bitmap32& target);

}  // namespace kv
