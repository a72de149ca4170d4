#include "render/bitmap_format.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

#include "base/error.h"

namespace kv {

void SetBitmapFormat(Bitmap32& picture, int32_t width, int32_t height, int32_t bitsPerPixel) {
  if (bitsPerPixel != 32) throw Error("Unsupported pixel format: " + std::to_string(bitsPerPixel) + " bits");
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == picture.Width() && height == picture.Height()) return;
  Bitmap32 resized(width, height);
  const int32_t keepW = std::min(width, picture.Width());
  const int32_t keepH = std::min(height, picture.Height());
  for (int32_t y = 0; y < keepH; ++y) {
    std::memcpy(resized.Row(y), picture.Row(y), static_cast<size_t>(keepW) * sizeof(uint32_t));
  }
  picture = std::move(resized);
}

}  // namespace kv
