#include "saver/effects/effect.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "base/random.h"

namespace kv {
namespace {

// Distinct old and new pictures (every pixel differs between the two).
Bitmap32 Picture(int32_t w, int32_t h, uint32_t tag) {
  Bitmap32 b(w, h);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) b.SetPixel(x, y, tag | static_cast<uint32_t>((y & 0xFFF) << 12 | (x & 0xFFF)));
  return b;
}
constexpr uint32_t kOld = 0x80000000u;
constexpr uint32_t kNew = 0xFF000000u;

Bitmap32 Step(int32_t n, int32_t w, int32_t h, int32_t P) {
  Bitmap32 work = Picture(w, h, kOld);
  const Bitmap32 image = Picture(w, h, kNew);
  const EffectExtents e = ComputeExtents(w, h, P);
  Effects()[static_cast<size_t>(n)].Proc(work, image, w, h, e.X, e.Y, P);
  return work;
}

// Effects that already show new pixels at P = 0: the shreds and speckles
// (jitter and loose cells around an edge of length 0) and the four build-ups.
bool MayDrawAtZero(int32_t n) {
  return n == 19 || n == 20 || n == 36 || n == 37 || (n >= 68 && n <= 71) || (n >= 79 && n <= 82) ||
         (n >= 103 && n <= 112) || (n >= 125 && n <= 128);
}

constexpr std::pair<int32_t, int32_t> kSizes[] = {{61, 41}, {41, 61}, {33, 33}, {97, 23}, {8, 5}};

TEST(EffectTableTest, HoldsTheCatalogueNames) {
  const auto& table = Effects();
  std::set<std::string_view> names;
  for (int32_t n = 1; n <= kEffectCount; ++n) {
    EXPECT_FALSE(table[static_cast<size_t>(n)].Name.empty()) << n;
    EXPECT_NE(table[static_cast<size_t>(n)].Proc, nullptr) << n;
    names.insert(table[static_cast<size_t>(n)].Name);
  }
  EXPECT_EQ(names.size(), 169u);
  EXPECT_EQ(table[1].Name, "Fade");
  EXPECT_EQ(table[2].Name, "Pixelate");
  EXPECT_EQ(table[60].Name, "Quarters Slide in to middle");
  EXPECT_EQ(table[130].Name, "Push right");
  EXPECT_EQ(table[136].Name, "Push and sqeeze down");
  EXPECT_EQ(table[164].Name, "Diamond shred");
  EXPECT_EQ(table[169].Name, "Random Bars Vertical");
  EXPECT_TRUE(table[0].Name.empty());
}

TEST(EffectTableTest, ProgressHundredShowsExactlyTheNewPicture) {
  for (const auto& [w, h] : kSizes) {
    const Bitmap32 image = Picture(w, h, kNew);
    for (int32_t n = 1; n <= kEffectCount; ++n) {
      EXPECT_EQ(Step(n, w, h, 100), image) << "effect " << n << " at " << w << "x" << h;
    }
  }
}

TEST(EffectTableTest, ProgressZeroKeepsTheOldPicture) {
  for (const auto& [w, h] : kSizes) {
    const Bitmap32 old = Picture(w, h, kOld);
    for (int32_t n = 1; n <= kEffectCount; ++n) {
      if (MayDrawAtZero(n)) continue;
      EXPECT_EQ(Step(n, w, h, 0), old) << "effect " << n << " at " << w << "x" << h;
    }
  }
}

// Every step only shows whole pixels of the two pictures, except the blending
// and shading effects, and tiny sizes are safe at every progress.
TEST(EffectTableTest, EveryStepOnTinyAndOddSizesIsSafe) {
  const std::set<int32_t> mixing = {1, 2, 17, 18, 34, 35};
  for (const auto& [w, h] : {std::pair{1, 1}, std::pair{2, 1}, std::pair{1, 3}, std::pair{5, 4}, std::pair{61, 41}}) {
    for (int32_t n = 1; n <= kEffectCount; ++n) {
      for (int32_t P = 0; P <= 100; P += (w > 8 ? 7 : 1)) {
        const Bitmap32 out = Step(n, w, h, P);
        if (mixing.count(n)) continue;
        for (int32_t y = 0; y < h; ++y)
          for (int32_t x = 0; x < w; ++x) {
            const uint32_t p = out.Pixel(x, y);
            const bool from_new = (p & 0xFF000000u) == kNew;
            const bool from_old = (p & 0xFF000000u) == kOld;
            ASSERT_TRUE(from_new || from_old) << "effect " << n << " P " << P;
          }
      }
    }
  }
}

TEST(EffectTableTest, SeededEffectsRepeatGrowAndLeaveTheGenerator) {
  for (int32_t n : {3, 129, 168, 169}) {
    for (const auto& [w, h] : {std::pair{61, 41}, std::pair{40, 90}}) {
      SetRandSeed(12345);
      Bitmap32 previous = Picture(w, h, kOld);
      const Bitmap32 image = Picture(w, h, kNew);
      int64_t shown_before = 0;
      for (int32_t P = 0; P <= 100; P += 5) {
        const Bitmap32 out = Step(n, w, h, P);
        ASSERT_EQ(RandSeed(), 12345u) << "effect " << n;
        EXPECT_EQ(Step(n, w, h, P), out) << "effect " << n << " repeats at P " << P;
        int64_t shown = 0;
        for (int32_t y = 0; y < h; ++y) {
          for (int32_t x = 0; x < w; ++x) {
            const bool now = out.Pixel(x, y) == image.Pixel(x, y);
            shown += now;
            if (previous.Pixel(x, y) == image.Pixel(x, y)) {
              ASSERT_TRUE(now) << "effect " << n << " P " << P;
            }
          }
        }
        EXPECT_GE(shown, shown_before);
        // Roughly P percent of the picture (squares are coarse).
        EXPECT_NEAR(static_cast<double>(shown) / (w * h), P / 100.0, n == 129 || n >= 168 ? 0.3 : 0.08)
            << "effect " << n << " P " << P;
        shown_before = shown;
        previous = out;
      }
    }
  }
}

TEST(EffectTableTest, SeededEffectOnMismatchedBitmapsIsSafe) {
  SetRandSeed(777);
  const Bitmap32 image(10, 10);
  // A work bitmap smaller than W x H does not crash the dissolve either.
  Bitmap32 small(3, 3);
  Effects()[3].Proc(small, image, 10, 10, 5, 5, 50);
  EXPECT_EQ(RandSeed(), 777u);
}

TEST(EffectTableTest, ExtentsKeepTheProportions) {
  struct Case {
    int32_t W, H, P, X, Y;
  } cases[] = {
      {800, 600, 0, 0, 0},   {800, 600, 100, 800, 600}, {800, 600, 50, 400, 300}, {801, 601, 33, 264, 198},
      {600, 800, 50, 300, 400}, {61, 41, 37, 23, 15},   {41, 61, 37, 15, 23},     {1, 1, 49, 0, 0},
      {1, 1, 50, 1, 1},         {1920, 1080, 1, 19, 11},
  };
  for (const Case& c : cases) {
    const EffectExtents e = ComputeExtents(c.W, c.H, c.P);
    EXPECT_EQ(e.X, c.X) << c.W << "x" << c.H << " P " << c.P;
    EXPECT_EQ(e.Y, c.Y) << c.W << "x" << c.H << " P " << c.P;
  }
}

}  // namespace
}  // namespace kv
