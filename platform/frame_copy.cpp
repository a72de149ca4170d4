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

}  // namespace kv
