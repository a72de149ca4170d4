#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kv {

// A 32-bit picture: pixels 0xAARRGGBB (opaque pictures carry alpha 0xFF),
// rows top-down, Stride() pixels from one row to the next. The memory layout
// equals QImage::Format_RGB32 / Format_ARGB32 with bytesPerLine = Stride() * 4.
class Bitmap32 {
 public:
  Bitmap32() = default;
  Bitmap32(int32_t width, int32_t height, uint32_t fill = 0xFF000000u) { SetSize(width, height, fill); }

  // Resizes; the content is then `fill` everywhere. Negative sizes count as 0.
  void SetSize(int32_t width, int32_t height, uint32_t fill = 0xFF000000u);

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  int32_t Stride() const { return width_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }

  uint32_t* Row(int32_t y) { return pixels_.data() + static_cast<size_t>(y) * static_cast<size_t>(width_); }
  const uint32_t* Row(int32_t y) const {
    return pixels_.data() + static_cast<size_t>(y) * static_cast<size_t>(width_);
  }
  uint32_t* Bits() { return pixels_.data(); }
  const uint32_t* Bits() const { return pixels_.data(); }
  size_t ByteSize() const { return pixels_.size() * sizeof(uint32_t); }

  uint32_t Pixel(int32_t x, int32_t y) const { return Row(y)[x]; }
  void SetPixel(int32_t x, int32_t y, uint32_t c) { Row(y)[x] = c; }
  bool Contains(int32_t x, int32_t y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  void Fill(uint32_t color);

  bool operator==(const Bitmap32& other) const = default;

 private:
  int32_t width_ = 0;
  int32_t height_ = 0;
  std::vector<uint32_t> pixels_;
};

}  // namespace kv
