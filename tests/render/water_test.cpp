#include <gtest/gtest.h>

#include "base/random.h"
#include "render/area_map.h"
#include "render/column_jitter.h"
#include "render/reflection.h"
#include "render/water_pass.h"
#include "scene/area_colors.h"

namespace kv {
namespace {

constexpr uint32_t kUnwritten = 0x12345678u;

// A background whose every pixel names its position.
Bitmap32 Numbered(int32_t w, int32_t h) {
  Bitmap32 b(w, h);
  for (int32_t y = 0; y < h; ++y) {
    for (int32_t x = 0; x < w; ++x) b.SetPixel(x, y, 0xFF000000u | (static_cast<uint32_t>(y) << 12) | x);
  }
  return b;
}
uint32_t At(int32_t x, int32_t y) { return 0xFF000000u | (static_cast<uint32_t>(y) << 12) | x; }

// A mask with area `index` (1 to 4) on the rectangle [x0, x1) x [y0, y1).
void Paint(Bitmap32& mask, int32_t index, int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
  for (int32_t y = y0; y < y1; ++y) {
    for (int32_t x = x0; x < x1; ++x) mask.SetPixel(x, y, AreaColors[static_cast<size_t>(index)]);
  }
}

// One water pass over a picture with the given mask and areas; the frame starts
// as kUnwritten everywhere so unwritten pixels show.
struct Pass {
  Bitmap32 source;
  Bitmap32 mask;
  std::array<TWaveParam, 4> params{};
  TPhases phase{};
  TAreaMap map;
  TColumnJitter jitter;
  Bitmap32 frame;

  Pass(int32_t w, int32_t h) : source(Numbered(w, h)), mask(w, h, 0) {}

  void Build() {
    BuildAreaMap(mask, source.Width(), source.Height(), map);
    std::array<int32_t, 4> cj{};
    for (size_t k = 0; k < 4; ++k) cj[k] = params[k].ColumnJitter;
    BuildJitter(cj, source.Width(), jitter);
  }
  void Run() {
    frame = Bitmap32(source.Width(), source.Height(), kUnwritten);
    WaterPass(map, {&params[0], &params[1], &params[2], &params[3]}, phase, jitter, source, frame);
  }
};

TWaveParam Wave(int32_t amplitude, int32_t waveCount, int32_t period, bool horizontal, bool vertical) {
  TWaveParam p;
  p.Amplitude = amplitude;
  p.WaveCount = waveCount;
  p.Period = period;
  p.Horizontal = horizontal;
  p.Vertical = vertical;
  return p;
}

TEST(WaterPass, WorkedExampleRow100Of600) {
  EXPECT_EQ(WaveAngle(600, 100, 3.0, 0), 900);
  EXPECT_EQ(WaveDisplacement(900, 360, 4), -4);
  // Period 180: F = 3 / (360 / 180) = 1.5, t = 450, both remainders 90.
  EXPECT_EQ(WaveAngle(600, 100, 1.5, 0), 450);
  EXPECT_EQ(WaveDisplacement(450, 180, 4), 0);
  EXPECT_EQ(WaveDisplacement(450, 360, 4), 0);

  Pass pass(12, 600);
  Paint(pass.mask, 1, 0, 0, 12, 600);
  pass.params[0] = Wave(4, 3, 360, true, true);
  pass.Build();
  pass.Run();
  for (int32_t x = 4; x < 12; ++x) EXPECT_EQ(pass.frame.Pixel(x, 100), At(x - 4, 96)) << x;
  EXPECT_EQ(pass.frame.Pixel(2, 100), At(0, 96));  // the source column is clamped

  pass.params[0].Period = 180;
  pass.Run();
  for (int32_t x = 0; x < 12; ++x) EXPECT_EQ(pass.frame.Pixel(x, 100), At(x, 100)) << x;
}

TEST(WaterPass, RemainderKeepsTheSignOfTheAngle) {
  // -100 mod 180 is -100 (cos = -0.17), not 80 (cos = +0.17).
  EXPECT_EQ(WaveDisplacement(-100, 180, 100), -17);
  EXPECT_EQ(WaveDisplacement(-900, 360, 4), -4);
  // The angle is 64-bit: rows far from the bottom with a large phase do not wrap.
  EXPECT_EQ(WaveAngle(1000, 0, 6000000.0, 2000000000), 6000000LL * 360 + 2000000000);
}

TEST(WaterPass, WritesOnlyWhenDestinationAndSourceRowsShareTheArea) {
  // Area 1 on columns 4..11, area 2 on columns 0..3; both shift left by 4.
  Pass pass(12, 600);
  Paint(pass.mask, 1, 4, 0, 12, 600);
  Paint(pass.mask, 2, 0, 0, 4, 600);
  pass.params[0] = Wave(4, 3, 360, true, true);
  pass.params[1] = Wave(0, 0, 360, false, false);
  pass.Build();
  pass.Run();
  // Columns 4..7 of area 1 would take their pixels from area 2: not written.
  for (int32_t x = 4; x < 8; ++x) EXPECT_EQ(pass.frame.Pixel(x, 100), kUnwritten) << x;
  for (int32_t x = 8; x < 12; ++x) EXPECT_EQ(pass.frame.Pixel(x, 100), At(x - 4, 96)) << x;
  // Area 2 stands still and copies itself.
  for (int32_t x = 0; x < 4; ++x) EXPECT_EQ(pass.frame.Pixel(x, 100), At(x, 100)) << x;
}

TEST(WaterPass, StandingStillAndSkippedAreas) {
  Pass pass(8, 40);
  Paint(pass.mask, 1, 0, 10, 8, 20);
  Paint(pass.mask, 2, 0, 20, 8, 30);
  Paint(pass.mask, 3, 0, 30, 8, 40);
  pass.params[0] = Wave(5, 2, 360, false, false);  // both displacements off
  pass.params[1] = Wave(0, 7, 90, true, true);     // amplitude 0
  pass.params[2] = Wave(5, 2, 0, true, true);      // period 0: skipped
  pass.phase = {123, -77, 0, 0};
  pass.Build();
  pass.Run();
  for (int32_t y = 0; y < 40; ++y) {
    for (int32_t x = 0; x < 8; ++x) {
      const bool water = y >= 10 && y < 30;
      EXPECT_EQ(pass.frame.Pixel(x, y), water ? At(x, y) : kUnwritten) << x << "," << y;
    }
  }
}

TEST(WaterPass, JitteredColumnsLeaveTheirLowestRowsUnwritten) {
  Pass pass(4, 30);
  Paint(pass.mask, 1, 0, 10, 4, 20);
  pass.params[0] = Wave(0, 0, 360, false, false);
  pass.Build();
  pass.jitter[0] = {0, 2, 0, 5};
  pass.Run();
  for (int32_t y = 10; y < 20; ++y) {
    EXPECT_EQ(pass.frame.Pixel(0, y), At(0, y));
    EXPECT_EQ(pass.frame.Pixel(1, y), y < 18 ? At(1, y) : kUnwritten) << y;
    EXPECT_EQ(pass.frame.Pixel(3, y), y < 15 ? At(3, y) : kUnwritten) << y;
  }
  // Rows above the area are never the destination of a write.
  EXPECT_EQ(pass.frame.Pixel(1, 8), kUnwritten);
  EXPECT_EQ(pass.frame.Pixel(1, 9), kUnwritten);
}

TEST(WaterPass, PerspectiveGrowsTheAmplitudeRowByRow) {
  // WaveCount 0 keeps the angle at the phase (0), so the shift is Round(A):
  // A starts at dA = 10 / (20 - 10) = 1 on the top row and gains 1 per row.
  Pass pass(32, 30);
  Paint(pass.mask, 1, 0, 10, 32, 21);
  pass.params[0] = Wave(10, 0, 360, true, false);
  pass.params[0].Perspective = 1;
  pass.Build();
  pass.Run();
  for (int32_t y = 10; y <= 20; ++y) {
    const int32_t shift = y - 9;
    EXPECT_EQ(pass.frame.Pixel(0, y), At(shift, y)) << y;
    EXPECT_EQ(pass.frame.Pixel(31 - shift, y), At(31, y)) << y;
    EXPECT_EQ(pass.frame.Pixel(31, y), At(31, y)) << y;  // clamped to the last column
  }
}

TEST(WaterPass, SingleRowPerspectiveUsesFullAmplitudeAndAFifthOfTheDensity) {
  // F = 2; on the single row 50 of 100: F = 0.2 * 2 = 0.4, t = Round(50 * 0.4 * 360 / 100) = 72,
  // Hz = Round(cos 72 * 4) = 1 (without perspective it would be 4).
  Pass pass(8, 100);
  Paint(pass.mask, 1, 0, 50, 8, 51);
  pass.params[0] = Wave(4, 2, 360, true, false);
  pass.params[0].Perspective = 1;
  pass.Build();
  pass.Run();
  for (int32_t x = 0; x < 7; ++x) EXPECT_EQ(pass.frame.Pixel(x, 50), At(x + 1, 50)) << x;
}

TEST(WaterPass, PhaseIncrements) {
  struct Case {
    int32_t speed;
    int32_t direction;
    uint32_t dt;
    int32_t percent;
    int32_t expected;
  };
  const Case cases[] = {
      {10, 1, 33, 100, 7},   // Round(6.6)
      {10, 1, 33, 50, 3},    // Round(3.3)
      {10, 0, 33, 100, -7},  // direction 0 decreases
      {10, 1, 50, 100, 10},
      {10, 1, 100, 100, 20},  // twice the time, twice the advance
      {10, 1, 50, 200, 20},   // twice the speed, twice the advance
      {5, 1, 25, 100, 2},     // Round(2.5) = 2
      {15, 1, 25, 100, 8},    // Round(7.5) = 8
      {1 << 30, 1, 4, 100, 0},  // Speed * dt is formed in 32 bits and wraps to 0
      {7, 1, 0, 100, 0},
  };
  for (const Case& c : cases) {
    TWaveParam p;
    p.Speed = c.speed;
    p.Direction = c.direction;
    TPhases phase{100, 100, 100, 100};
    AdvancePhases({&p, &p, &p, &p}, c.dt, c.percent, phase);
    EXPECT_EQ(phase[0], 100 + c.expected) << c.speed << " " << c.dt << " " << c.percent;
    EXPECT_EQ(phase[3], 100 + c.expected);
  }
}

TEST(AreaMap, IndicesAndRowRanges) {
  Bitmap32 mask(6, 5, 0);
  mask.SetPixel(1, 1, AreaColors[1]);
  mask.SetPixel(5, 3, AreaColors[1]);
  mask.SetPixel(2, 2, AreaColors[3]);
  mask.SetPixel(3, 2, 0xFF0000FFu);  // blue with alpha: not an area colour
  mask.SetPixel(4, 4, 0x00FFFFFFu);
  TAreaMap map;
  // The picture is one column wider than the mask: that column is no area.
  BuildAreaMap(mask, 7, 5, map);
  EXPECT_EQ(map.At(1, 1), 0);
  EXPECT_EQ(map.At(5, 3), 0);
  EXPECT_EQ(map.At(2, 2), 2);
  EXPECT_EQ(map.At(3, 2), -1);
  EXPECT_EQ(map.At(4, 4), -1);
  EXPECT_EQ(map.At(6, 1), -1);
  EXPECT_EQ(map.top, (std::array<int32_t, 4>{1, 50000, 2, 50000}));
  EXPECT_EQ(map.bottom, (std::array<int32_t, 4>{3, 0, 2, 0}));
  EXPECT_FALSE(map.InRange(1, 0));
  EXPECT_TRUE(map.InRange(0, 2));
}

TEST(Reflection, MirrorsAboutTheAreasUpperEdge) {
  const Bitmap32 background = Numbered(3, 16);
  Bitmap32 mask(3, 16, 0);
  Paint(mask, 1, 0, 3, 3, 10);   // reflecting, top row 3
  Paint(mask, 2, 0, 0, 3, 2);    // reflecting, top row 0: no mirror image
  Paint(mask, 3, 0, 12, 3, 16);  // not reflecting
  TAreaMap map;
  BuildAreaMap(mask, 3, 16, map);
  Bitmap32 sampling = background;
  BuildReflection(map, {true, true, false, false}, background, sampling);
  for (int32_t x = 0; x < 3; ++x) {
    EXPECT_EQ(sampling.Pixel(x, 3), At(x, 2));
    EXPECT_EQ(sampling.Pixel(x, 4), At(x, 1));
    EXPECT_EQ(sampling.Pixel(x, 5), At(x, 0));
    for (int32_t y = 6; y < 16; ++y) EXPECT_EQ(sampling.Pixel(x, y), At(x, y)) << y;
    for (int32_t y = 0; y < 3; ++y) EXPECT_EQ(sampling.Pixel(x, y), At(x, y)) << y;
  }
}

TEST(ColumnJitter, DrawsAreaByAreaOnlyWhereJitterIsPositive) {
  TColumnJitter jitter;
  SetRandSeed(99);
  BuildJitter({0, 3, -2, 1}, 5, jitter);
  const uint32_t after = RandSeed();

  SetRandSeed(99);
  std::vector<int32_t> expected;
  for (int i = 0; i < 5; ++i) expected.push_back(Random(3));
  for (int i = 0; i < 5; ++i) Random(1);
  EXPECT_EQ(after, RandSeed());
  EXPECT_EQ(jitter[0], std::vector<int32_t>(5, 0));
  EXPECT_EQ(jitter[1], expected);
  EXPECT_EQ(jitter[2], std::vector<int32_t>(5, 0));
  EXPECT_EQ(jitter[3], std::vector<int32_t>(5, 0));
}

}  // namespace
}  // namespace kv
