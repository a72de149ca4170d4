#pragma once

#include <cstddef>
#include <cstdint>

#include "image/bitmap32.h"

namespace kv {

// The first frame of a GIF, on the logical screen; transparent and uncovered
// pixels take the background colour. Raises kv::Error("GIF: ...").
Bitmap32 DecodeGif(const uint8_t* data, size_t size);

}  // namespace kv
