#pragma once

#include <cstdint>

#include "image/bitmap32.h"

namespace kv {

// Sets the picture's width, height and pixel format in one call. The part
// of the old content that still fits stays at the top left; new pixels are
// opaque black. Only 32 bits per pixel exist here; another value raises
// kv::Error.
void SetBitmapFormat(Bitmap32& picture, int32_t width, int32_t height, int32_t bitsPerPixel = 32);

}  // namespace kv
