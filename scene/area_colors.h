#pragma once

#include <array>
#include <cstdint>

namespace kv {

// Pixel values of the area mask: index 0 (no area) and areas 1 to 4.
inline constexpr std::array<uint32_t, 5> AreaColors = {
    0x00000000u, 0x000000FFu, 0x00FF00FFu, 0x00FF0000u, 0x00FFFF00u};

// Area index 1 to 4 of a mask pixel, 0 for any other value.
constexpr int32_t AreaIndexOf(uint32_t pixel) {
  for (int32_t i = 1; i < static_cast<int32_t>(AreaColors.size()); ++i) {
    if (AreaColors[static_cast<size_t>(i)] == pixel) return i;
  }
  return 0;
}

}  // namespace kv
