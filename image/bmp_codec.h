#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "image/bitmap32.h"

namespace kv {

// Windows bitmap files: 1, 4, 8, 16, 24 and 32 bits, RLE4/RLE8, bit fields,
// bottom-up and top-down. Raises kv::Error("Bitmap: ...") on damaged data;
// never reads outside `data`.
Bitmap32 DecodeBmp(const uint8_t* data, size_t size);

// A 32-bit bottom-up bitmap file of the picture (kv::Error when it is empty).
std::vector<uint8_t> EncodeBmp(const Bitmap32& picture);
// Raises kv::Error when the file cannot be written.
void SaveBmp(const Bitmap32& picture, const std::string& path);

}  // namespace kv
