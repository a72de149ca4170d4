#include "render/blend_color.h"

#include <algorithm>

namespace kv {

uint32_t BlendColor(uint32_t color1, uint32_t color2, int32_t percent) {
  uint32_t result = 0xFF000000u;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int64_t c1 = (color1 >> shift) & 0xFF;
    const int64_t c2 = (color2 >> shift) & 0xFF;
    const int64_t c = 255 - ((255 - c1) * percent + (255 - c2) * 100) / 100;
    result |= static_cast<uint32_t>(std::clamp<int64_t>(c, 0, 255)) << shift;
  }
  return result;
}

}  // namespace kv
