#pragma once

#include <cstdint>

#include "image/bitmap32.h"

namespace kv {

// Darken a strip with a cylinder-like profile: offsets start at -Amount and
// climb toward the strip's middle, then fall again; each offset is added to
// the blue, green and red bytes (clamped to 0..255) of a whole column or row.
// Nothing happens when Count <= 1 or Amount == 0; columns or rows outside the
// bitmap are skipped.
void ShadeColumns(Bitmap32& bitmap, int32_t Amount, int32_t Left, int32_t Count);
// Rows are processed from the strip's bottom row (Top + Count - 1) upward.
void ShadeRows(Bitmap32& bitmap, int32_t Amount, int32_t Top, int32_t Count);

}  // namespace kv
