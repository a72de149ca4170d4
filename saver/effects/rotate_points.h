#pragma once

#include <cstdint>
#include <vector>

#include "saver/effects/region.h"

namespace kv {

// Turns every point about (centerX, centerY) by `angle` radians (a positive
// angle turns clockwise on screen), rounding to the nearest pixel with halves
// to even.
void RotatePoints(std::vector<Point>& points, int32_t centerX, int32_t centerY, double angle);

}  // namespace kv
