#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "image/bitmap32.h"

namespace kv {

inline constexpr int32_t kWaterAreaCount = 4;

// For every pixel of a W x H picture the water area it belongs to (0 to 3, or
// -1 outside every area), and the row range of each area. An area without
// pixels has top 50000 and bottom 0, so no row lies in its range.
struct TAreaMap {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<int16_t> index;  // width * height, row by row
  std::array<int32_t, kWaterAreaCount> top{};
  std::array<int32_t, kWaterAreaCount> bottom{};

  const int16_t* Row(int32_t y) const { return index.data() + static_cast<size_t>(y) * width; }
  int16_t At(int32_t x, int32_t y) const { return Row(y)[x]; }
  bool InRange(int32_t k, int32_t y) const { return top[k] <= y && y <= bottom[k]; }
};

// Builds the map of a width x height picture from the area mask. Mask pixels
// outside the picture are ignored, picture pixels outside the mask belong to
// no area.
void BuildAreaMap(const Bitmap32& mask, int32_t width, int32_t height, TAreaMap& map);

}  // namespace kv
