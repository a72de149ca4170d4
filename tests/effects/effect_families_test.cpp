#include <gtest/gtest.h>

#include "base/random.h"
#include "saver/effects/bars_region.h"
#include "saver/effects/effect.h"
#include "saver/effects/shading.h"
#include "saver/effects/shred_region.h"

namespace kv {
namespace {

Bitmap32 Numbered(int32_t w, int32_t h, uint32_t tag) {
  Bitmap32 b(w, h);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) b.SetPixel(x, y, tag | static_cast<uint32_t>(y << 12 | x));
  return b;
}

void RunEffect(int32_t n, Bitmap32& work, const Bitmap32& image, int32_t X, int32_t Y, int32_t P) {
  Effects()[static_cast<size_t>(n)].Proc(work, image, work.Width(), work.Height(), X, Y, P);
}

TEST(PushTest, PushRightMovesTheOldPictureOut) {
  const Bitmap32 old = Numbered(37, 11, 0x80000000u), image = Numbered(37, 11, 0xFF000000u);
  Bitmap32 work = old;
  RunEffect(130, work, image, 37, 11, 100);
  EXPECT_EQ(work, image);
  work = old;
  RunEffect(130, work, image, 0, 0, 0);
  EXPECT_EQ(work, old);
  work = old;
  RunEffect(130, work, image, 10, 3, 27);
  for (int32_t y = 0; y < 11; ++y) {
    for (int32_t x = 0; x < 10; ++x) ASSERT_EQ(work.Pixel(x, y), image.Pixel(27 + x, y));
    for (int32_t x = 10; x < 37; ++x) ASSERT_EQ(work.Pixel(x, y), old.Pixel(x - 10, y));
  }
}

// Uniform pictures make the zoom invisible, leaving only the cross-fade.
TEST(PixelateTest, CentreCrossFadesOnlyBetween41And59) {
  const uint32_t old_c = 0xFF000000u, new_c = 0xFFC8C8C8u;  // 200 per channel
  const Bitmap32 image(64, 48, new_c);
  struct Case {
    int32_t P;
    uint32_t expected;
  } cases[] = {{40, old_c}, {41, 0xFF0A0A0Au}, {59, 0xFFBDBDBDu}, {60, new_c}};
  for (const Case& c : cases) {
    Bitmap32 work(64, 48, old_c);
    const EffectExtents e = ComputeExtents(64, 48, c.P);
    RunEffect(2, work, image, e.X, e.Y, c.P);
    EXPECT_EQ(work, Bitmap32(64, 48, c.expected)) << "P " << c.P;
  }
}

TEST(BarsTest, FirstAndSecondHalfRectangles) {
  TComplexRegion first;
  BarsRegion(first, 100, 100, 40, 0, 1, 0);  // t = 3, from the right
  ASSERT_EQ(first.Count(), 18);
  for (int32_t i = 0; i < 18; ++i) {
    const Rect r = first.Rects()[static_cast<size_t>(i)];
    EXPECT_EQ(r.left, 60);
    EXPECT_EQ(r.top, 6 * i);
    EXPECT_EQ(r.right, 100);
    EXPECT_EQ(r.bottom, 6 * i + 3);
  }
  TComplexRegion second;
  BarsRegion(second, 100, 100, 140, 0, 4, 0);  // left then right: second half from the right
  ASSERT_EQ(second.Count(), 34);
  EXPECT_EQ(second.Rects()[0].left, 60);
  EXPECT_EQ(second.Rects()[0].top, 3);
  EXPECT_EQ(second.Rects()[1].left, 0);
  EXPECT_EQ(second.Rects()[1].top, 0);
  EXPECT_EQ(second.Rects()[1].right, 100);
  EXPECT_EQ(second.Rects()[1].bottom, 3);
}

TEST(ShredTest, BandsAndJitter) {
  SetRandSeed(5);
  TComplexRegion full;
  ShredRegion(full, 100, 50, 100, 0, 2, 0);  // t = 1, no jitter at the full extent
  ASSERT_EQ(full.Count(), 50);
  EXPECT_EQ(full.Rects()[7].right, 100);
  EXPECT_EQ(full.Rects()[7].bottom, 8);
  // One number drawn per band even without jitter.
  ScopedRandSeed check(5);
  for (int i = 0; i < 50; ++i) Random(0);
  const uint32_t after = RandSeed();
  SetRandSeed(5);
  TComplexRegion again;
  ShredRegion(again, 100, 50, 100, 0, 2, 0);
  EXPECT_EQ(RandSeed(), after);
  TComplexRegion ragged;
  ShredRegion(ragged, 100, 50, 30, 0, 1, 0);  // from the right, jitter 10
  for (const Rect& r : ragged.Rects()) {
    EXPECT_GE(100 - r.left, 20);
    EXPECT_LT(100 - r.left, 40);
    EXPECT_EQ(r.right, 100);
  }
}

TEST(ShadingTest, CylinderProfiles) {
  Bitmap32 cols(10, 2, 0xFF646464u);  // 100 per channel
  ShadeColumns(cols, 48, 0, 10);
  const int expected_cols[] = {52, 61, 70, 79, 88, 97, 88, 79, 70, 61};
  for (int x = 0; x < 10; ++x) EXPECT_EQ(cols.Pixel(x, 1), 0xFF000000u | 0x010101u * expected_cols[x]) << x;
  Bitmap32 rows(2, 10, 0xFF646464u);
  ShadeRows(rows, 48, 0, 10);
  const int expected_rows[] = {43, 52, 61, 70, 79, 88, 79, 70, 61, 52};
  for (int y = 0; y < 10; ++y) EXPECT_EQ(rows.Pixel(0, y), 0xFF000000u | 0x010101u * expected_rows[y]) << y;
  Bitmap32 dark(4, 1, 0xFF050505u);
  ShadeColumns(dark, 48, 0, 4);
  EXPECT_EQ(dark.Pixel(0, 0), 0xFF000000u);  // clamped at 0
  Bitmap32 same(4, 4, 0xFF646464u);
  ShadeColumns(same, 48, 0, 1);
  ShadeRows(same, 0, 0, 4);
  EXPECT_EQ(same, Bitmap32(4, 4, 0xFF646464u));
}

TEST(RollTest, StripIsTheMirroredNextColumns) {
  // Column numbers in the fourth byte survive the shading.
  Bitmap32 image(100, 3);
  for (int32_t y = 0; y < 3; ++y)
    for (int32_t x = 0; x < 100; ++x) image.SetPixel(x, y, static_cast<uint32_t>(x) << 24 | 0x808080u);
  Bitmap32 work(100, 3, 0xFF000000u);
  RunEffect(17, work, image, 40, 1, 40);  // r = 10
  for (int32_t i = 0; i < 10; ++i) EXPECT_EQ(work.Pixel(40 + i, 1) >> 24, 59u - i) << i;
  EXPECT_EQ(work.Pixel(39, 1), image.Pixel(39, 1));
  EXPECT_EQ(work.Pixel(50, 1), 0xFF000000u);
}

}  // namespace
}  // namespace kv
