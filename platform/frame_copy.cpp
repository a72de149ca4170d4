#include "platform/frame_copy.h"

#include <algorithm>
#include <cstring>

namespace kv {

void CopyTopLeft(const Bitmap32& source, Bitmap32& target) {
  const int32_t width = std::min(target.Width(), source.Width());
  const int32_t height = std::min(target.Height(), source.Height());
  for (int32_t row = 0; row < target.Height(); ++row) {
    uint32_t* out = target.Row(row);
    int32_t copied = 0;
    if (row < height && width > 0) {
      std::memcpy(out, source.Row(row), static_cast<size_t>(width) * 4);
      copied = width;
    }
    std::fill(out + copied, out + target.Width(), 0xFF000000u);
  }
}

CopiedArea CopyAt(const Bitmap32& frame, int32_t x, int32_t y, Bitmap32& target) {
  const CopiedArea area{std::max(0, x), std::max(0, y), std::min(target.Width(), x + frame.Width()),
                        std::min(target.Height(), y + frame.Height())};
  if (area.Empty()) return area;
  const size_t bytes = static_cast<size_t>(area.right - area.left) * 4;
  for (int32_t row = area.top; row < area.bottom; ++row) {
    std::memcpy(target.Row(row) + area.left, frame.Row(row - y) + (area.left - x), bytes);
  }
  return area;
}

}  // namespace kv
