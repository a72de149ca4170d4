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

class PivotEffects : public ::testing::TestWithParam<std::pair<int32_t, int32_t>> {
 protected:
  PivotEffects() { AddPivotEffects(table_); }
  Bitmap32 Run(int32_t n, const Bitmap32& old, const Bitmap32& image, int32_t P) const {
    Bitmap32 work = old;
    const EffectExtents e = ComputeExtents(old.Width(), old.Height(), P);
    table_[n](work, image, old.Width(), old.Height(), e.X, e.Y, P);
    return work;
  }
  EffectProcTable table_{};
};

TEST_P(PivotEffects, StartHiddenAndEndAsTheNewPicture) {
  const auto [w, h] = GetParam();
  const Bitmap32 old = Picture(w, h, 0x80000000u);
  const Bitmap32 image = Picture(w, h, 0xFF000000u);
  for (int32_t n = 121; n <= 124; ++n) {
    EXPECT_EQ(Run(n, old, image, 0), old) << "effect " << n;
    EXPECT_EQ(Run(n, old, image, 100), image) << "effect " << n;  // the turn is then the identity
  }
}

TEST_P(PivotEffects, PictureSwingsInFromTheNamedCorner) {
  const auto [w, h] = GetParam();
  const Bitmap32 old = Picture(w, h, 0x80000000u);
  const Bitmap32 image = Picture(w, h, 0xFF000000u);
  struct Corner {
    int32_t n;
    int32_t nearX, nearY;  // shows the new picture at P = 75
    int32_t farX, farY;    // still the old one
  };
  const Corner corners[] = {
      {121, 0, 0, w - 1, h - 1},  // top left
      {122, 0, h - 1, w - 1, 0},  // bottom left
      {123, w - 1, 0, 0, h - 1},  // top right
      {124, w - 1, h - 1, 0, 0},  // bottom right
  };
  for (const Corner& c : corners) {
    const Bitmap32 work = Run(c.n, old, image, 75);
    EXPECT_EQ(work.Pixel(c.nearX, c.nearY) >> 24, 0xFFu) << "effect " << c.n;
    EXPECT_EQ(work.Pixel(c.farX, c.farY), old.Pixel(c.farX, c.farY)) << "effect " << c.n;
  }
}

INSTANTIATE_TEST_SUITE_P(OddSizes, PivotEffects,
                         ::testing::Values(std::pair{61, 41}, std::pair{41, 61}, std::pair{33, 33}));

}  // namespace
}  // namespace kv
