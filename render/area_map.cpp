#include "render/area_map.h"

#include <algorithm>

#include "scene/area_colors.h"

namespace kv {

void BuildAreaMap(const Bitmap32& mask, int32_t width, int32_t height, TAreaMap& map) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  map.width = width;
  map.height = height;
  map.index.assign(static_cast<size_t>(width) * static_cast<size_t>(height), int16_t{-1});
  map.top.fill(50000);
  map.bottom.fill(0);
  const int32_t rows = std::min(height, mask.Height());
  const int32_t columns = std::min(width, mask.Width());
  for (int32_t y = 0; y < rows; ++y) {
    const uint32_t* m = mask.Row(y);
    int16_t* out = map.index.data() + static_cast<size_t>(y) * width;
    for (int32_t x = 0; x < columns; ++x) {
      const int32_t i = AreaIndexOf(m[x]);
      if (i > 0) {
        map.top[i - 1] = std::min(map.top[i - 1], y);
        map.bottom[i - 1] = std::max(map.bottom[i - 1], y);
      }
      out[x] = static_cast<int16_t>(i - 1);
    }
  }
}

}  // namespace kv
