#include "saver/effects/polygon_region.h"

namespace kv {

Region PolygonRegion(const std::vector<int32_t>& coordinates) {
  std::vector<Point> points;
  points.reserve(coordinates.size() / 2);
  for (size_t i = 0; i + 1 < coordinates.size(); i += 2)
    points.push_back({coordinates[i], coordinates[i + 1]});
  return Region::Polygon(points);
}

}  // namespace kv
