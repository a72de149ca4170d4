#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "render/area_map.h"

namespace kv {

using TColumnJitter = std::array<std::vector<int32_t>, kWaterAreaCount>;

// Sizes each area's jitter to width columns and, area by area and column by
// column, draws Random(ColumnJitter) for the areas whose ColumnJitter is above
// 0; the other areas get 0 everywhere and draw nothing.
void BuildJitter(const std::array<int32_t, kWaterAreaCount>& columnJitter, int32_t width,
                 TColumnJitter& jitter);

}  // namespace kv
