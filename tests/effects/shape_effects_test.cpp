#include <gtest/gtest.h>

#include <vector>

#include "saver/effects/effect.h"
#include "saver/effects/effect_families.h"

namespace kv {
namespace {

constexpr uint32_t kOldTag = 0x80000000u;
constexpr uint32_t kNewTag = 0xFF000000u;

Bitmap32 Picture(int32_t w, int32_t h, uint32_t tag) {
  Bitmap32 b(w, h);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) b.SetPixel(x, y, tag | static_cast<uint32_t>(y << 12 | x));
  return b;
}

EffectProcTable ShapeTable() {
  EffectProcTable table{};
  AddShapeEffects(table);
  AddRotateEffects(table);
  return table;
}

Bitmap32 Step(int32_t n, int32_t w, int32_t h, int32_t P) {
  static const EffectProcTable table = ShapeTable();
  Bitmap32 work = Picture(w, h, kOldTag);
  const Bitmap32 image = Picture(w, h, kNewTag);
  const EffectExtents e = ComputeExtents(w, h, P);
  table[n](work, image, w, h, e.X, e.Y, P);
  return work;
}

const std::vector<int32_t>& RegionEffectNumbers() {
  static const std::vector<int32_t> numbers = {57,  61,  62,  72,  73,  83,  84,  85,  86,  87,  88,  113,
                                               114, 115, 116, 117, 118, 119, 149, 150, 151, 153, 154, 155,
                                               156, 157, 158, 159, 160, 161, 162, 163, 165, 166, 167};
  return numbers;
}

TEST(ShapeEffects, FillEveryNumberOfTheirFamilies) {
  const EffectProcTable table = ShapeTable();
  int32_t filled = 0;
  for (int32_t n = 1; n <= kEffectCount; ++n) filled += table[n] != nullptr;
  EXPECT_EQ(filled, static_cast<int32_t>(RegionEffectNumbers().size()));
  for (int32_t n : RegionEffectNumbers()) EXPECT_NE(table[n], nullptr) << "effect " << n;
}

// Odd sizes are where the catalogue's halvings leave a row, a column or a
// corner pixel out; the ends must still be exact.
TEST(ShapeEffects, ProgressZeroKeepsTheOldPictureAndHundredShowsTheNew) {
  for (const auto& [w, h] :
       {std::pair{61, 41}, std::pair{41, 61}, std::pair{33, 33}, std::pair{9, 7}, std::pair{60, 40}}) {
    for (int32_t n : RegionEffectNumbers()) {
      EXPECT_EQ(Step(n, w, h, 0), Picture(w, h, kOldTag)) << "effect " << n << " at " << w << "x" << h;
      EXPECT_EQ(Step(n, w, h, 100), Picture(w, h, kNewTag)) << "effect " << n << " at " << w << "x" << h;
    }
  }
}

TEST(ShapeEffects, TinyAndEmptyPicturesAreSafe) {
  EffectProcTable table = ShapeTable();
  AddPivotEffects(table);
  for (const auto& [w, h] : {std::pair{0, 0}, std::pair{1, 1}, std::pair{2, 1}, std::pair{1, 3}}) {
    for (int32_t n = 1; n <= kEffectCount; ++n) {
      if (table[n] == nullptr) continue;
      for (int32_t P : {0, 50, 100}) {
        Bitmap32 work = Picture(w, h, kOldTag);
        const Bitmap32 image = Picture(w, h, kNewTag);
        const EffectExtents e = ComputeExtents(w, h, P);
        table[n](work, image, w, h, e.X, e.Y, P);
        if (P == 100) {
          EXPECT_EQ(work, image) << "effect " << n << " at " << w << "x" << h;
        }
      }
    }
  }
}

TEST(ShapeEffects, RevealInToCentreLeavesTheCentreRectangle) {
  // 101 x 61 at P = 50: X = 51, Y = 31; Rect(25, 15, 76, 46) stays old.
  const Bitmap32 work = Step(57, 101, 61, 50);
  for (int32_t y = 0; y < 61; ++y) {
    for (int32_t x = 0; x < 101; ++x) {
      const bool inside = x >= 25 && x < 76 && y >= 15 && y < 46;
      ASSERT_EQ(work.Pixel(x, y) >> 24, inside ? 0x80u : 0xFFu) << x << "," << y;
    }
  }
}

struct Probe {
  int32_t x, y;
};

struct ShapeCase {
  int32_t n;
  std::vector<Probe> shown;   // new picture at P = 50
  std::vector<Probe> hidden;  // still the old picture
};

// Pixels well inside or well outside each shape on 101 x 61 at P = 50
// (X = 51, Y = 31), away from the edges where region libraries may differ.
TEST(ShapeEffects, HalfWayShapesCoverTheirParts) {
  const std::vector<ShapeCase> cases = {
      {61, {{100, 30}, {5, 0}}, {{60, 0}, {100, 3}}},
      {62, {{0, 30}, {95, 0}}, {{40, 0}, {0, 3}}},
      {72, {{50, 60}, {2, 5}, {50, 55}}, {{0, 55}, {10, 55}}},
      {73, {{50, 0}, {2, 55}, {50, 5}}, {{0, 5}, {10, 5}}},
      {83, {{0, 0}, {60, 10}}, {{70, 40}, {100, 60}}},
      {84, {{100, 0}, {40, 10}}, {{30, 40}, {0, 60}}},
      {85, {{0, 60}, {60, 50}}, {{70, 20}, {100, 0}}},
      {86, {{100, 60}, {40, 50}}, {{30, 20}, {0, 0}}},
      {87, {{50, 30}, {50, 0}, {0, 30}}, {{0, 0}, {100, 60}}},
      {88, {{0, 0}, {100, 60}, {99, 30}}, {{50, 30}}},
      {113, {{0, 0}, {10, 10}}, {{95, 55}}},
      {114, {{100, 0}, {90, 10}}, {{5, 55}}},
      {115, {{0, 60}, {10, 50}}, {{95, 5}}},
      {116, {{100, 60}, {90, 50}}, {{5, 5}}},
      {117, {{0, 30}, {100, 30}, {5, 55}, {95, 5}}, {{50, 30}}},
      {118, {{50, 0}, {100, 25}, {0, 35}}, {{50, 30}, {0, 20}}},
      {119, {{20, 2}, {100, 10}, {2, 50}}, {{60, 2}, {2, 10}}},
      {153, {{90, 30}, {5, 2}}, {{50, 2}}},
      {154, {{10, 30}, {95, 2}}, {{50, 2}}},
      {155, {{50, 55}, {5, 2}}, {{5, 50}}},
      {156, {{50, 5}, {5, 58}}, {{5, 10}}},
      {157, {{0, 0}, {25, 30}, {75, 30}, {100, 60}}, {{50, 2}}},
      {158, {{50, 30}, {50, 2}, {50, 58}}, {{2, 30}}},
      {159, {{2, 30}, {98, 30}, {50, 2}, {50, 58}}, {{50, 30}, {2, 2}}},
      {160, {{50, 30}, {2, 2}}, {{2, 30}, {98, 30}, {50, 2}, {50, 58}}},
      {161, {{2, 10}, {60, 2}}, {{20, 2}}},
      {162, {{0, 30}, {100, 30}}, {{0, 2}, {0, 58}, {50, 2}}},
      {163, {{50, 0}, {50, 60}}, {{2, 30}, {98, 30}}},
      {165, {{50, 30}, {50, 2}}, {{0, 0}, {100, 60}}},
      {166, {{0, 0}, {100, 60}, {0, 30}}, {{50, 30}}},
      {167, {{10, 30}, {50, 5}}, {{50, 30}, {0, 0}}},
  };
  for (const ShapeCase& c : cases) {
    const Bitmap32 work = Step(c.n, 101, 61, 50);
    for (const Probe& p : c.shown)
      EXPECT_EQ(work.Pixel(p.x, p.y) >> 24, 0xFFu)
          << "effect " << c.n << " should show " << p.x << "," << p.y;
    for (const Probe& p : c.hidden)
      EXPECT_EQ(work.Pixel(p.x, p.y) >> 24, 0x80u)
          << "effect " << c.n << " should hide " << p.x << "," << p.y;
  }
}

TEST(ShapeEffects, OnlyCopiesWholePixelsOfTheNewPicture) {
  for (int32_t n : RegionEffectNumbers()) {
    for (int32_t P : {13, 50, 87}) {
      const Bitmap32 work = Step(n, 45, 29, P);
      const Bitmap32 old = Picture(45, 29, kOldTag);
      const Bitmap32 image = Picture(45, 29, kNewTag);
      for (int32_t y = 0; y < 29; ++y)
        for (int32_t x = 0; x < 45; ++x)
          ASSERT_TRUE(work.Pixel(x, y) == old.Pixel(x, y) || work.Pixel(x, y) == image.Pixel(x, y))
              << "effect " << n << " P " << P << " at " << x << "," << y;
    }
  }
}

TEST(ShapeEffects, ZigzagBandOpensFromTheMiddleLine) {
  // The share of new pixels grows with P.
  for (int32_t n : {162, 163}) {
    int64_t previous = 0;
    for (int32_t P = 5; P < 100; P += 10) {
      const Bitmap32 work = Step(n, 121, 81, P);
      int64_t shown = 0;
      for (int32_t y = 0; y < 81; ++y)
        for (int32_t x = 0; x < 121; ++x) shown += (work.Pixel(x, y) >> 24) == 0xFFu;
      EXPECT_GT(shown, previous) << "effect " << n << " P " << P;
      previous = shown;
    }
  }
  // At P = 5 the bands are a few pixels wide about the zigzags' centre lines.
  const Bitmap32 horizontal = Step(162, 121, 81, 5);
  EXPECT_EQ(horizontal.Pixel(60, 32) >> 24, 0xFFu);
  EXPECT_EQ(horizontal.Pixel(60, 0) >> 24, 0x80u);
  EXPECT_EQ(horizontal.Pixel(60, 80) >> 24, 0x80u);
  const Bitmap32 vertical = Step(163, 121, 81, 5);
  EXPECT_EQ(vertical.Pixel(48, 40) >> 24, 0xFFu);
  EXPECT_EQ(vertical.Pixel(0, 40) >> 24, 0x80u);
  EXPECT_EQ(vertical.Pixel(120, 40) >> 24, 0x80u);
}

}  // namespace
}  // namespace kv
