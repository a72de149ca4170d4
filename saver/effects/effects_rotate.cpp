// The rotate family: a rectangle or a star turned by one full turn over the
// transition, the new picture copied through it.

#include <numbers>
#include <vector>

#include "saver/effects/effect.h"
#include "saver/effects/effect_families.h"
#include "saver/effects/region.h"
#include "saver/effects/rotate_points.h"
#include "saver/effects/shape_region_effect.h"

namespace kv {
namespace {

double TurnAngle(int32_t P) { return P * std::numbers::pi / 50; }

// The X x Y rectangle centred on the display, corners clockwise from top left.
std::vector<Point> CentredRectangle(int32_t W, int32_t H, int32_t X, int32_t Y) {
  const int32_t cx = W / 2;
  const int32_t cy = H / 2;
  return {
      {cx - X / 2, cy - Y / 2}, {cx + X / 2, cy - Y / 2}, {cx + X / 2, cy + Y / 2}, {cx - X / 2, cy + Y / 2}};
}

Region RotationalRectangle(int32_t W, int32_t H, int32_t X, int32_t Y, int32_t P) {
  std::vector<Point> points = CentredRectangle(W, H, X, Y);
  RotatePoints(points, W / 2, H / 2, TurnAngle(P));
  return Region::Polygon(points);
}

Region RotationalStar(int32_t W, int32_t H, int32_t X, int32_t Y, int32_t P) {
  const int32_t cx = W / 2;
  const int32_t cy = H / 2;
  std::vector<Point> points = {{cx - 2 * X, cy},         {cx - X / 2, cy - Y / 2}, {cx, cy - 2 * Y},
                               {cx + X / 2, cy - Y / 2}, {cx + 2 * X, cy},         {cx + X / 2, cy + Y / 2},
                               {cx, cy + 2 * Y},         {cx - X / 2, cy + Y / 2}};
  RotatePoints(points, cx, cy, TurnAngle(P));
  return Region::Polygon(points);
}

Region SpiralRectangle(int32_t W, int32_t H, int32_t X, int32_t Y, int32_t P) {
  std::vector<Point> points = CentredRectangle(W, H, X, Y);
  RotatePoints(points, X, Y, TurnAngle(P));
  return Region::Polygon(points);
}

}  // namespace

void AddRotateEffects(EffectProcTable& table) {
  table[149] = ShapeEffect<RotationalRectangle>;
  table[150] = ShapeEffect<RotationalStar>;
  table[151] = ShapeEffect<SpiralRectangle>;
}

}  // namespace kv
