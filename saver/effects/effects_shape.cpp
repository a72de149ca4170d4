// The shape family: a region grows over the display and the new picture is
// copied through it.

#include <vector>

#include "base/rounding.h"
#include "saver/effects/effect.h"
#include "saver/effects/effect_families.h"
#include "saver/effects/polygon_region.h"
#include "saver/effects/region.h"
#include "saver/effects/shape_region_effect.h"

namespace kv {
namespace {

Region Full(int32_t W, int32_t H) { return Region::FromRect({0, 0, W, H}); }

Region Poly(const std::vector<int32_t>& coordinates) { return PolygonRegion(coordinates); }

Region RoundRect(int32_t l, int32_t t, int32_t r, int32_t b, int32_t ew, int32_t eh) {
  return Region::RoundRect({l, t, r, b}, ew, eh);
}

// Four triangles pointing at the centre from the middle of each side; a is
// the reach of the side triangles and the half-width of the top and bottom
// ones, b the other way round.
Region DiagonalCross(int32_t W, int32_t H, int32_t a, int32_t b) {
  const int32_t hw = W / 2;
  const int32_t hh = H / 2;
  return Poly({0, hh - b, a, hh, 0, hh + b})
      .Union(Poly({W, hh - b, W - a, hh, W, hh + b}))
      .Union(Poly({hw - a, 0, hw, b, hw + a, 0}))
      .Union(Poly({hw - a, H, hw, H - b, hw + a, H}));
}

// The band between two parallel zigzags of 12 vertices each, opening from the
// middle line; `vertical` turns it by a quarter.
Region Zigzag(int32_t W, int32_t H, int32_t X, int32_t Y, int32_t P, bool vertical) {
  const int32_t along = vertical ? H : W;
  const int32_t across = vertical ? W : H;
  const int32_t s = along / 10;
  const int32_t a = across / 10;
  const int32_t m = across / 2;
  const int32_t c = MulDiv(a, P, 100) + (vertical ? X : Y) / 2;
  std::vector<Point> points;
  points.reserve(24);
  auto add = [&](int32_t k, int32_t v) { points.push_back(vertical ? Point{v, k * s} : Point{k * s, v}); };
  for (int32_t k = 0; k <= 11; ++k) add(k, (k % 2 == 0 ? m + a : m - a) - c);
  for (int32_t k = 11; k >= 0; --k) add(k, (k % 2 == 0 ? m + a : m - a) + c);
  return Region::Polygon(points);
}

Region RevealInToCentre(int32_t W, int32_t H, int32_t X, int32_t Y, int32_t) {
  return Full(W, H).Xor(Region::FromRect({X / 2, Y / 2, W - X / 2, H - Y / 2}));
}
Region CurvedRevealFromLeft(int32_t W, int32_t H, int32_t X, int32_t, int32_t) {
  return RoundRect(-2 * W, 0, 2 * X, H + 1, 2 * W, 2 * W);
}
Region CurvedRevealFromRight(int32_t W, int32_t H, int32_t X, int32_t, int32_t) {
  return RoundRect(W - 2 * X, 0, 3 * W, H + 1, 2 * W, 2 * W);
}
Region CurvedRevealFromTop(int32_t W, int32_t H, int32_t, int32_t Y, int32_t) {
  return RoundRect(0, -2 * H, W + 1, 2 * Y, 2 * H, 2 * H);
}
Region CurvedRevealFromBottom(int32_t W, int32_t H, int32_t, int32_t Y, int32_t) {
  return RoundRect(0, H - 2 * Y, W + 1, 3 * H, 2 * H, 2 * H);
}
Region CurvedRevealFromTopLeft(int32_t W, int32_t H, int32_t X, int32_t Y, int32_t) {
  return RoundRect(-W, -H, 3 * X / 2, 3 * Y / 2, 2 * W, 2 * H);
}
Region CurvedRevealFromTopRight(int32_t W, int32_t H, int32_t X, int32_t Y, int32_t) {
  return RoundRect(W - 3 * X / 2, -H, 2 * W, 3 * Y / 2, 2 * W, 2 * H);
}
Region CurvedRevealFromBottomLeft(int32_t W, int32_t H, int32_t X, int32_t Y, int32_t) {
  return RoundRect(-W, H - 3 * Y / 2, 3 * X / 2, 2 * H, 2 * W, 2 * H);
}
Region CurvedRevealFromBottomRight(int32_t W, int32_t H, int32_t X, int32_t Y, int32_t) {
  return RoundRect(W - 3 * X / 2, H - 3 * Y / 2, 2 * W, 2 * H, 2 * W, 2 * H);
}
Region EllipticRevealOutFromCentre(int32_t W, int32_t H, int32_t X, int32_t Y, int32_t) {
  return RoundRect(W / 2 - X, H / 2 - Y, W / 2 + X, H / 2 + Y, 9 * X / 5, 9 * Y / 5);
}
Region EllipticRevealInToCentre(int32_t W, int32_t H, int32_t X, int32_t Y, int32_t) {
  return Full(W, H).Xor(
      RoundRect(X - W / 2, Y - H / 2, 3 * (W / 2) - X, 3 * (H / 2) - Y, 9 * (W - X) / 5, 9 * (H - Y) / 5));
}
Region RevealDiagonalFromTopLeft(int32_t, int32_t, int32_t X, int32_t Y, int32_t) {
  return Poly({0, 0, 2 * X, 0, 0, 2 * Y});
}
Region RevealDiagonalFromTopRight(int32_t W, int32_t, int32_t X, int32_t Y, int32_t) {
  return Poly({W, 0, W - 2 * X, 0, W, 2 * Y});
}
Region RevealDiagonalFromBottomLeft(int32_t, int32_t H, int32_t X, int32_t Y, int32_t) {
  return Poly({0, H, 2 * X, H, 0, H - 2 * Y});
}
Region RevealDiagonalFromBottomRight(int32_t W, int32_t H, int32_t X, int32_t Y, int32_t) {
  return Poly({W, H, W - 2 * X, H, W, H - 2 * Y});
}
Region DiagonalSweepAnticlockwise(int32_t W, int32_t H, int32_t X, int32_t, int32_t) {
  return Poly({0, H, 0, 0, X, H}).Union(Poly({W, H, W, 0, W - X, 0}));
}
Region DiagonalSweepClockwise(int32_t W, int32_t H, int32_t, int32_t Y, int32_t) {
  return Poly({W, 0, 0, 0, W, Y}).Union(Poly({W, H, 0, H, 0, H - Y}));
}
Region StarburstClockwise(int32_t W, int32_t H, int32_t X, int32_t Y, int32_t) {
  const int32_t cx = W / 2;
  const int32_t cy = H / 2;
  return Poly({cx, cy, 0, 0, X, 0})
      .Union(Poly({cx, cy, 0, H, 0, H - Y}))
      .Union(Poly({cx, cy, W, H, W - X, H}))
      .Union(Poly({cx, cy, W, 0, W, Y}));
}
Region RevealVFromLeft(int32_t, int32_t H, int32_t X, int32_t Y, int32_t) {
  return Poly({0, H / 2 - Y, 2 * X, H / 2, 0, H / 2 + Y});
}
Region RevealVFromRight(int32_t W, int32_t H, int32_t X, int32_t Y, int32_t) {
  return Poly({W, H / 2 - Y, W - 2 * X, H / 2, W, H / 2 + Y});
}
Region RevealVFromTop(int32_t W, int32_t, int32_t X, int32_t Y, int32_t) {
  return Poly({W / 2 - X, 0, W / 2, 2 * Y, W / 2 + X, 0});
}
Region RevealVFromBottom(int32_t W, int32_t H, int32_t X, int32_t Y, int32_t) {
  return Poly({W / 2 - X, H, W / 2, H - 2 * Y, W / 2 + X, H});
}
Region BowTieHorizontal(int32_t W, int32_t H, int32_t X, int32_t Y, int32_t) {
  return Poly({0, H / 2 - Y, X, H / 2, 0, H / 2 + Y}).Union(Poly({W, H / 2 - Y, W - X, H / 2, W, H / 2 + Y}));
}
Region BowTieVertical(int32_t W, int32_t H, int32_t X, int32_t Y, int32_t) {
  return Poly({W / 2 - X, 0, W / 2, 2 * Y, W / 2 + X, 0})
      .Union(Poly({W / 2 - X, H, W / 2, H - 2 * Y, W / 2 + X, H}));
}
Region DiagonalCrossIn(int32_t W, int32_t H, int32_t X, int32_t Y, int32_t) {
  return DiagonalCross(W, H, X / 2, Y / 2);
}
// The four triangles together are taken out of the display, so that a pixel
// on the edge of two of them stays out.
Region DiagonalCrossOut(int32_t W, int32_t H, int32_t X, int32_t Y, int32_t) {
  return Full(W, H).Xor(DiagonalCross(W, H, (W - X) / 2, (H - Y) / 2));
}
Region StarburstAnticlockwise(int32_t W, int32_t H, int32_t X, int32_t Y, int32_t) {
  const int32_t cx = W / 2;
  const int32_t cy = H / 2;
  return Poly({cx, cy, 0, 0, 0, Y})
      .Union(Poly({cx, cy, 0, H, X, H}))
      .Union(Poly({cx, cy, W, H, W, H - Y}))
      .Union(Poly({cx, cy, W, 0, W - X, 0}));
}
Region ZigzagHorizontal(int32_t W, int32_t H, int32_t X, int32_t Y, int32_t P) {
  return Zigzag(W, H, X, Y, P, false);
}
Region ZigzagVertical(int32_t W, int32_t H, int32_t X, int32_t Y, int32_t P) {
  return Zigzag(W, H, X, Y, P, true);
}
Region RevealDiamondOutFromCentre(int32_t W, int32_t H, int32_t X, int32_t Y, int32_t) {
  return Poly({W / 2 - X, H / 2, W / 2, H / 2 - Y, W / 2 + X, H / 2, W / 2, H / 2 + Y});
}
Region RevealDiamondInToCentre(int32_t W, int32_t H, int32_t X, int32_t Y, int32_t) {
  return Full(W, H).Xor(
      Poly({X - W / 2, H / 2, W / 2, Y - H / 2, 3 * (W / 2) - X, H / 2, W / 2, 3 * (H / 2) - Y}));
}
Region DiagonalBoxOut(int32_t W, int32_t H, int32_t X, int32_t Y, int32_t) {
  const int32_t a = X / 2;
  const int32_t b = Y / 2;
  const int32_t hw = W / 2;
  const int32_t hh = H / 2;
  return Poly({-a, hh, hw, -b, 2 * hw + a, hh, hw, 2 * hh + b})
      .Xor(Poly({a, hh, hw, b, 2 * hw - a, hh, hw, 2 * hh - b}));
}

}  // namespace

void AddShapeEffects(EffectProcTable& table) {
  table[57] = ShapeEffect<RevealInToCentre>;
  table[61] = ShapeEffect<CurvedRevealFromLeft>;
  table[62] = ShapeEffect<CurvedRevealFromRight>;
  table[72] = ShapeEffect<CurvedRevealFromTop>;
  table[73] = ShapeEffect<CurvedRevealFromBottom>;
  table[83] = ShapeEffect<CurvedRevealFromTopLeft>;
  table[84] = ShapeEffect<CurvedRevealFromTopRight>;
  table[85] = ShapeEffect<CurvedRevealFromBottomLeft>;
  table[86] = ShapeEffect<CurvedRevealFromBottomRight>;
  table[87] = ShapeEffect<EllipticRevealOutFromCentre>;
  table[88] = ShapeEffect<EllipticRevealInToCentre>;
  table[113] = ShapeEffect<RevealDiagonalFromTopLeft>;
  table[114] = ShapeEffect<RevealDiagonalFromTopRight>;
  table[115] = ShapeEffect<RevealDiagonalFromBottomLeft>;
  table[116] = ShapeEffect<RevealDiagonalFromBottomRight>;
  table[117] = ShapeEffect<DiagonalSweepAnticlockwise>;
  table[118] = ShapeEffect<DiagonalSweepClockwise>;
  table[119] = ShapeEffect<StarburstClockwise>;
  table[153] = ShapeEffect<RevealVFromLeft>;
  table[154] = ShapeEffect<RevealVFromRight>;
  table[155] = ShapeEffect<RevealVFromTop>;
  table[156] = ShapeEffect<RevealVFromBottom>;
  table[157] = ShapeEffect<BowTieHorizontal>;
  table[158] = ShapeEffect<BowTieVertical>;
  table[159] = ShapeEffect<DiagonalCrossIn>;
  table[160] = ShapeEffect<DiagonalCrossOut>;
  table[161] = ShapeEffect<StarburstAnticlockwise>;
  table[162] = ShapeEffect<ZigzagHorizontal>;
  table[163] = ShapeEffect<ZigzagVertical>;
  table[165] = ShapeEffect<RevealDiamondOutFromCentre>;
  table[166] = ShapeEffect<RevealDiamondInToCentre>;
  table[167] = ShapeEffect<DiagonalBoxOut>;
}

}  // namespace kv
