#include "image/bitmap32.h"

#include <algorithm>

namespace kv {

void Bitmap32::SetSize(int32_t width, int32_t height, uint32_t fill) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  if (width_ == 0 || height_ == 0) width_ = height_ = 0;
  pixels_.assign(static_cast<size_t>(width_) * static_cast<size_t>(height_), fill);
}

void Bitmap32::Fill(uint32_t color) { std::fill(pixels_.begin(), pixels_.end(), color); }

}  // namespace kv
