#include "saver/effects/rotate_image.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "saver/effects/effect.h"
#include "saver/effects/effect_families.h"

namespace kv {
namespace {

constexpr double kPi = std::numbers::pi;

// Every pixel distinct, and old and new pictures never equal.
Bitmap32 Picture(int32_t w, int32_t h, uint32_t tag) {
  Bitmap32 b(w, h);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) b.SetPixel(x, y, tag | static_cast<uint32_t>(y << 12 | x));
  return b;
}

// The rotation written pixel by pixel, straight from its definition.
Bitmap32 ReferenceRotate(const Bitmap32& old, const Bitmap32& image, int32_t px, double angle, int32_t py) {
  Bitmap32 out = old;
  const int64_t c = static_cast<int64_t>(std::cos(angle) * 65536.0);
  const int64_t s = static_cast<int64_t>(std::sin(angle) * 65536.0);
  for (int32_t y = 0; y < out.Height(); ++y) {
    for (int32_t x = 0; x < out.Width(); ++x) {
      const int64_t dx = x - px;
      const int64_t dy = y - py;
      const int64_t sx = px + ((dx * c - dy * s) >> 16);
      const int64_t sy = py + ((dx * s + dy * c) >> 16);
      if (sx >= 0 && sy >= 0 && sx < image.Width() && sy < image.Height())
        out.SetPixel(x, y, image.Pixel(static_cast<int32_t>(sx), static_cast<int32_t>(sy)));
    }
  }
  return out;
}

TEST(RotateImage, ZeroAngleCopiesTheWholePictureWhateverThePivot) {
  const Bitmap32 image = Picture(7, 5, 0xFF000000u);
  for (const auto& [px, py] : {std::pair{-1, 5}, std::pair{3, 2}, std::pair{7, -1}, std::pair{100, -50}}) {
    Bitmap32 work = Picture(7, 5, 0x80000000u);
    RotateImage(work, image, px, 0.0, py);
    EXPECT_EQ(work, image) << "pivot " << px << "," << py;
  }
}

TEST(RotateImage, QuarterAndHalfTurnsMapWholePixels) {
  const Bitmap32 image = Picture(9, 7, 0xFF000000u);
  const Bitmap32 old = Picture(9, 7, 0x80000000u);
  const int32_t px = 4, py = 3;
  Bitmap32 quarter = old;
  RotateImage(quarter, image, px, kPi / 2, py);
  Bitmap32 half = old;
  RotateImage(half, image, px, kPi, py);
  for (int32_t y = 0; y < 7; ++y) {
    for (int32_t x = 0; x < 9; ++x) {
      const int32_t dx = x - px, dy = y - py;
      // A quarter turn anticlockwise on screen: work (x, y) shows image (px - dy, py + dx).
      const int32_t qx = px - dy, qy = py + dx;
      EXPECT_EQ(quarter.Pixel(x, y), image.Contains(qx, qy) ? image.Pixel(qx, qy) : old.Pixel(x, y))
          << x << "," << y;
      EXPECT_EQ(half.Pixel(x, y), image.Pixel(px - dx, py - dy)) << x << "," << y;
    }
  }
}

TEST(RotateImage, OffsetsAreFlooredNotTruncated) {
  // At 45 degrees sine and cosine become 46340 / 65536. One pixel left of the
  // pivot the offsets are -46340 / 65536 each, which floor to -1 (truncation
  // would give 0 and pick the pivot pixel itself).
  const Bitmap32 image = Picture(5, 5, 0xFF000000u);
  Bitmap32 work = Picture(5, 5, 0x80000000u);
  RotateImage(work, image, 2, kPi / 4, 2);
  EXPECT_EQ(work.Pixel(1, 2), image.Pixel(1, 1));
  EXPECT_EQ(work.Pixel(3, 2), image.Pixel(2, 2));  // +46340 / 65536 floors to 0
  EXPECT_EQ(work.Pixel(2, 2), image.Pixel(2, 2));
}

TEST(RotateImage, MatchesThePixelByPixelDefinition) {
  struct Case {
    int32_t w, h, px, py;
    double angle;
  };
  const Case cases[] = {
      {31, 17, -1, 17, kPi / 2 * 0.37},
      {31, 17, -1, -1, -kPi / 2 * 0.81},
      {17, 31, 17, 31, -kPi / 2 * 0.05},
      {17, 31, 17, -1, kPi / 2 * 0.99},
      {23, 23, 11, 11, 2.5},
      {23, 9, 40, -30, -1.2},
      {1, 1, 0, 0, 0.7},
      {23, 9, 20000, 5, 0.0002},
      {9000, 2, 4500, 1, 0.3},
      {40, 3, 20, 1, kPi},
      {13, 29, -5, 40, 3 * kPi / 2},
  };
  for (const Case& c : cases) {
    const Bitmap32 image = Picture(c.w, c.h, 0xFF000000u);
    const Bitmap32 old = Picture(c.w, c.h, 0x80000000u);
    Bitmap32 work = old;
    RotateImage(work, image, c.px, c.angle, c.py);
    EXPECT_EQ(work, ReferenceRotate(old, image, c.px, c.angle, c.py))
        << c.w << "x" << c.h << " pivot " << c.px << "," << c.py << " angle " << c.angle;
  }
}

TEST(RotateImage, EmptyBitmapsAndNonFiniteAnglesDrawNothing) {
  Bitmap32 empty;
  RotateImage(empty, Bitmap32(3, 3), 0, 1.0, 0);
  EXPECT_TRUE(empty.Empty());
  const Bitmap32 old = Picture(4, 4, 0x80000000u);
  Bitmap32 work = old;
  RotateImage(work, Picture(4, 4, 0xFF000000u), 1, std::nan(""), 1);
  EXPECT_EQ(work, old);
}

}  // namespace
}  // namespace kv
