#include <gtest/gtest.h>

#include "saver/effects/effect.h"
#include "saver/effects/effect_families.h"

namespace kv {
namespace {

Bitmap32 Picture(int32_t w, int32_t h, uint32_t tag) {
  Bitmap32 b(w, h);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) b.SetPixel(x, y, tag | static_cast<uint32_t>(y << 12 | x));
  return b;
}

Bitmap32 Step(int32_t n, int32_t w, int32_t h, int32_t P) {
  EffectProcTable table{};
  AddRotateEffects(table);
  Bitmap32 work = Picture(w, h, 0x80000000u);
  const EffectExtents e = ComputeExtents(w, h, P);
  table[n](work, Picture(w, h, 0xFF000000u), w, h, e.X, e.Y, P);
  return work;
}

// The work bitmap shows the new picture exactly inside [l, r) x [t, b).
void ExpectShownRect(const Bitmap32& work, int32_t l, int32_t t, int32_t r, int32_t b) {
  for (int32_t y = 0; y < work.Height(); ++y) {
    for (int32_t x = 0; x < work.Width(); ++x) {
      const bool inside = x >= l && x < r && y >= t && y < b;
      ASSERT_EQ(work.Pixel(x, y) >> 24, inside ? 0xFFu : 0x80u) << x << "," << y;
    }
  }
}

// 61 x 41: P = 25 gives X = 15, Y = 10 and a quarter turn; P = 50 gives
// X = 31, Y = 21 and a half turn.
TEST(RotateEffects, RectangleInCentreTurnsAboutTheCentre) {
  // Corners (23, 15) .. (37, 25) turned a quarter about (30, 20).
  ExpectShownRect(Step(149, 61, 41, 25), 25, 13, 35, 27);
  // A half turn maps the rectangle onto itself.
  ExpectShownRect(Step(149, 61, 41, 50), 15, 10, 45, 30);
}

TEST(RotateEffects, SpiralRectangleTurnsClockwiseAboutXY) {
  // The centre (30, 20) turns clockwise on screen about (15, 10) to (5, 25);
  // turned the other way the rectangle would lie above the display.
  ExpectShownRect(Step(151, 61, 41, 25), 0, 18, 10, 32);
}

TEST(RotateEffects, StarHalfTurnedKeepsItsFourSpikes) {
  const Bitmap32 work = Step(150, 61, 41, 50);
  // Tips at (-32, 20), (30, -22), (92, 20), (30, 62); inner corners at (15 | 45, 10 | 30).
  for (const auto& [x, y] :
       {std::pair{30, 20}, std::pair{2, 20}, std::pair{58, 20}, std::pair{30, 2}, std::pair{30, 38}})
    EXPECT_EQ(work.Pixel(x, y) >> 24, 0xFFu) << x << "," << y;
  for (const auto& [x, y] : {std::pair{2, 2}, std::pair{50, 5}, std::pair{10, 35}, std::pair{58, 38}})
    EXPECT_EQ(work.Pixel(x, y) >> 24, 0x80u) << x << "," << y;
}

}  // namespace
}  // namespace kv
