#include "saver/effects/rotate_points.h"

#include <gtest/gtest.h>

#include <numbers>
#include <utility>
#include <vector>

namespace kv {
namespace {

using Pairs = std::vector<std::pair<int32_t, int32_t>>;

Pairs AsPairs(const std::vector<Point>& points) {
  Pairs out;
  for (const Point& p : points) out.emplace_back(p.x, p.y);
  return out;
}

TEST(RotatePoints, PositiveAngleTurnsClockwiseOnScreen) {
  // y grows downward: a quarter turn takes the point right of the centre to
  // the one below it.
  std::vector<Point> points = {{15, 7}, {5, 12}, {5, 7}};
  RotatePoints(points, 5, 7, std::numbers::pi / 2);
  EXPECT_EQ(AsPairs(points), (Pairs{{5, 17}, {0, 7}, {5, 7}}));
}

TEST(RotatePoints, RoundsEachCoordinateToTheNearestPixel) {
  // 30 degrees: (10, 0) -> (8.66, 5.00), (0, 10) -> (-5.00, 8.66), (7, 3) -> (4.56, 6.10).
  std::vector<Point> points = {{110, 50}, {100, 60}, {107, 53}};
  RotatePoints(points, 100, 50, std::numbers::pi / 6);
  EXPECT_EQ(AsPairs(points), (Pairs{{109, 55}, {95, 59}, {105, 56}}));
}

TEST(RotatePoints, FullTurnAndEmptyListKeepThePoints) {
  std::vector<Point> points = {{-3, 4}, {1000, -2000}, {0, 0}};
  const Pairs before = AsPairs(points);
  RotatePoints(points, 17, -9, 2 * std::numbers::pi);
  EXPECT_EQ(AsPairs(points), before);
  std::vector<Point> none;
  RotatePoints(none, 0, 0, 1.0);
  EXPECT_TRUE(none.empty());
}

}  // namespace
}  // namespace kv
