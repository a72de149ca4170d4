#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "image/bitmap32.h"

namespace kv {

struct JpegSize {
  int32_t width = 0;
  int32_t height = 0;
};

// Largest picture any decoder here accepts (width * height).
inline constexpr int64_t kMaxPicturePixels = int64_t{1} << 26;

// The size in the stream's header. Errors raise kv::Error("JPEG error #N")
// with the decoder's message number.
JpegSize ReadJpegSize(const uint8_t* data, size_t size);

// Decodes straight into `out` (resized to the picture, opaque 0xFFRRGGBB).
// A stream cut short decodes as far as it goes, as the decoder allows.
void DecodeJpeg(const uint8_t* data, size_t size, Bitmap32& out);
inline void DecodeJpeg(const std::vector<uint8_t>& data, Bitmap32& out) {
  DecodeJpeg(data.data(), data.size(), out);
}

// Baseline JPEG, 4:2:0, quality 1 to 100.
std::vector<uint8_t> EncodeJpeg(const Bitmap32& picture, int quality = 90);

}  // namespace kv
