#include "render/reflection.h"

#include <algorithm>

namespace kv {

void BuildReflection(const TAreaMap& map, const std::array<bool, kWaterAreaCount>& reflects,
                     const Bitmap32& background, Bitmap32& sampling) {
  std::array<int32_t, kWaterAreaCount> first;
  first.fill(-1);
  const int32_t w = std::min({map.width, background.Width(), sampling.Width()});
  const int32_t h = std::min({map.height, background.Height(), sampling.Height()});
  for (int32_t y = 0; y < h; ++y) {
    const int16_t* areas = map.Row(y);
    uint32_t* out = sampling.Row(y);
    for (int32_t x = 0; x < w; ++x) {
      const int32_t k = areas[x];
      if (k < 0 || !reflects[static_cast<size_t>(k)]) continue;
      if (first[k] == -1) first[k] = y;
      const int32_t s = 2 * first[k] - y - 1;
      if (s >= 0) out[x] = background.Row(s)[x];
    }
  }
}

}  // namespace kv
