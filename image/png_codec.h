#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "image/bitmap32.h"

namespace kv {

// PNG of any colour type and depth, as 8-bit 0xAARRGGBB (straight alpha;
// pictures without alpha are opaque). Raises kv::Error("PNG: ...").
Bitmap32 DecodePng(const uint8_t* data, size_t size);

// An 8-bit RGB PNG (alpha dropped). Raises kv::Error when it cannot be written.
std::vector<uint8_t> EncodePng(const Bitmap32& picture);
void SavePng(const Bitmap32& picture, const std::string& path);

}  // namespace kv
