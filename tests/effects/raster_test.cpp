#include "saver/effects/raster.h"

#include <gtest/gtest.h>

#include "base/random.h"

namespace kv {
namespace {

// Pixel value = 1000 * y + x + 1 keeps every pixel distinct.
Bitmap32 Numbered(int32_t w, int32_t h, uint32_t base = 0) {
  Bitmap32 b(w, h);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) b.SetPixel(x, y, base + 1000u * static_cast<uint32_t>(y) + static_cast<uint32_t>(x) + 1u);
  return b;
}

std::vector<uint32_t> Row(const Bitmap32& b, int32_t y) { return {b.Row(y), b.Row(y) + b.Width()}; }

TEST(RasterTest, CopySkipsPartsOutsideEitherBitmap) {
  const Bitmap32 src = Numbered(4, 3);
  Bitmap32 dst(5, 3, 0);
  CopyBlock(dst, 3, -1, 4, 3, src, -1, 0);  // dst x 3..4 <- src x -1..0, rows shifted up
  EXPECT_EQ(Row(dst, 0), (std::vector<uint32_t>{0, 0, 0, 0, 1001}));
  EXPECT_EQ(Row(dst, 1), (std::vector<uint32_t>{0, 0, 0, 0, 2001}));
  EXPECT_EQ(Row(dst, 2), (std::vector<uint32_t>{0, 0, 0, 0, 0}));
  Bitmap32 same(5, 3, 0);
  CopyBlock(same, 0, 0, 0, 3, src, 0, 0);
  CopyBlock(same, 0, 0, -2, 3, src, 0, 0);
  CopyBlock(same, 9, 0, 2, 3, src, 0, 0);
  EXPECT_EQ(same, Bitmap32(5, 3, 0));
}

TEST(RasterTest, StretchSamplesPixelCentres) {
  const Bitmap32 src = Numbered(3, 1);
  Bitmap32 dst(6, 1, 0);
  StretchBlock(dst, 0, 0, 6, 1, src, 0, 0, 3, 1);
  EXPECT_EQ(Row(dst, 0), (std::vector<uint32_t>{1, 1, 2, 2, 3, 3}));
  Bitmap32 small(2, 1, 0);
  StretchBlock(small, 0, 0, 2, 1, src, 0, 0, 3, 1);
  EXPECT_EQ(Row(small, 0), (std::vector<uint32_t>{1, 3}));
  // Rows repeat the same way.
  const Bitmap32 tall = Numbered(1, 2);
  Bitmap32 out(1, 4, 0);
  StretchBlock(out, 0, 0, 1, 4, tall, 0, 0, 1, 2);
  EXPECT_EQ(out.Pixel(0, 1), 1u);
  EXPECT_EQ(out.Pixel(0, 2), 1001u);
}

TEST(RasterTest, NegativeExtentsMirror) {
  const Bitmap32 src = Numbered(4, 2);
  Bitmap32 dst(6, 2, 0);
  // Columns 4, 3, 2, 1 of dst receive source columns 0, 1, 2, 3.
  StretchBlock(dst, 5, 0, -4, 2, src, 0, 0, 4, 2);
  EXPECT_EQ(Row(dst, 0), (std::vector<uint32_t>{0, 4, 3, 2, 1, 0}));
  Bitmap32 flip(4, 2, 0);
  StretchBlock(flip, 0, 2, 4, -2, src, 0, 0, 4, 2);
  EXPECT_EQ(Row(flip, 0), Row(src, 1));
  EXPECT_EQ(Row(flip, 1), Row(src, 0));
  // Mirrored source and destination cancel out.
  Bitmap32 twice(4, 2, 0);
  StretchBlock(twice, 4, 0, -4, 2, src, 4, 0, -4, 2);
  EXPECT_EQ(twice, src);
}

TEST(RasterTest, ZeroExtentsAndOutsideSourceDrawNothing) {
  const Bitmap32 src = Numbered(4, 4);
  Bitmap32 dst(4, 4, 0);
  StretchBlock(dst, 0, 0, 4, 4, src, 0, 0, 0, 4);
  StretchBlock(dst, 0, 0, 4, 4, src, 0, 0, 4, 0);
  StretchBlock(dst, 0, 0, 0, 4, src, 0, 0, 4, 4);
  EXPECT_EQ(dst, Bitmap32(4, 4, 0));
  // Source block half outside: only destination pixels sampling inside change.
  StretchBlock(dst, 0, 0, 4, 1, src, 2, 0, 4, 1);
  EXPECT_EQ(Row(dst, 0), (std::vector<uint32_t>{3, 4, 0, 0}));
}

// Self operations must equal the same operation read from a snapshot.
TEST(RasterTest, SelfOperationsReadTheSourceAsBefore) {
  ScopedRandSeed seed(99);
  for (int round = 0; round < 400; ++round) {
    const int32_t w = 1 + Random(13), h = 1 + Random(11);
    const Bitmap32 before = Numbered(w, h);
    const int32_t dx = Random(w + 4) - 2, dy = Random(h + 4) - 2, sx = Random(w + 4) - 2, sy = Random(h + 4) - 2;
    const int32_t dw = Random(2 * w + 3) - w - 1, dh = Random(2 * h + 3) - h - 1;
    const int32_t sw = Random(2 * w + 3) - w - 1, sh = Random(2 * h + 3) - h - 1;
    Bitmap32 expected = before, actual = before;
    StretchBlock(expected, dx, dy, dw, dh, before, sx, sy, sw, sh);
    SelfStretchBlock(actual, dx, dy, dw, dh, sx, sy, sw, sh);
    ASSERT_EQ(actual, expected) << "stretch round " << round;
    expected = before;
    actual = before;
    CopyBlock(expected, dx, dy, dw, dh, before, sx, sy);
    SelfCopyBlock(actual, dx, dy, dw, dh, sx, sy);
    ASSERT_EQ(actual, expected) << "copy round " << round;
  }
}

TEST(RasterTest, SelfStretchSqueezeLikeAPush) {
  Bitmap32 b = Numbered(8, 4);
  const Bitmap32 before = b;
  SelfStretchBlock(b, 0, 2, 8, 2, 0, 0, 8, 4);  // squeeze everything into rows 2..3
  EXPECT_EQ(Row(b, 0), Row(before, 0));
  EXPECT_EQ(Row(b, 2), Row(before, 1));
  EXPECT_EQ(Row(b, 3), Row(before, 3));
}

TEST(RasterTest, CopyThroughRegionCopiesOnlyInside) {
  const Bitmap32 image = Numbered(6, 5);
  Bitmap32 work(6, 5, 0);
  const Region clip = Region::FromRects({{-3, -3, 2, 2}, {4, 3, 10, 10}});
  CopyThroughRegion(work, image, clip);
  for (int32_t y = 0; y < 5; ++y)
    for (int32_t x = 0; x < 6; ++x)
      EXPECT_EQ(work.Pixel(x, y), clip.Contains(x, y) ? image.Pixel(x, y) : 0u) << x << "," << y;
}

}  // namespace
}  // namespace kv
