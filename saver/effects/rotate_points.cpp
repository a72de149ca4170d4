#include "saver/effects/rotate_points.h"

#include <cmath>

#include "base/rounding.h"

namespace kv {

void RotatePoints(std::vector<Point>& points, int32_t centerX, int32_t centerY, double angle) {
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  for (Point& p : points) {
    const double dx = static_cast<double>(p.x) - centerX;
    const double dy = static_cast<double>(p.y) - centerY;
    p.x = centerX + RoundHalfEven(dx * c - dy * s);
    p.y = centerY + RoundHalfEven(dx * s + dy * c);
  }
}

}  // namespace kv
