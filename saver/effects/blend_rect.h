#pragma once

#include <cstdint>

#include "image/bitmap32.h"

namespace kv {

// Cross-fades the rectangle (Left, Top, Width, Height) of `work` toward the
// same rectangle of `image`: with a = MulDiv(256, Progress, 100) each blue,
// green and red byte w becomes w + floor((i - w) * a / 256); the fourth byte
// stays. Parts outside either bitmap are skipped.
void BlendRect(Bitmap32& work, const Bitmap32& image, int32_t Progress, int32_t Left, int32_t Top, int32_t Width,
               int32_t Height);

}  // namespace kv
