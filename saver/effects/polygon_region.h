#pragma once

#include <cstdint>
#include <vector>

#include "saver/effects/region.h"

namespace kv {

// The filled polygon (winding rule) through the points x0, y0, x1, y1, ...;
// a trailing unpaired coordinate is ignored.
Region PolygonRegion(const std::vector<int32_t>& coordinates);

}  // namespace kv
