#pragma once

#include <array>

#include "image/bitmap32.h"
#include "render/area_map.h"

namespace kv {

// Writes the mirror images of the reflecting areas into the sampling copy:
// pixel (x, y) of such an area takes background pixel (x, 2 * top - y - 1),
// where top is the area's first row; rows whose mirror row lies above the
// picture keep what the sampling copy holds. Other pixels are not touched.
// The sampling copy must have the background's size.
void BuildReflection(const TAreaMap& map, const std::array<bool, kWaterAreaCount>& reflects,
                     const Bitmap32& background, Bitmap32& sampling);

}  // namespace kv
