#include <gtest/gtest.h>

#include "base/random.h"
#include "render/rain.h"
#include "render/snow.h"

namespace kv {
namespace {

constexpr uint32_t kBlack = 0xFF000000u;

// A seed whose next Random(20) is not 0, so a flake keeps its size.
uint32_t SeedKeepingSize() {
  for (uint32_t seed = 1;; ++seed) {
    SetRandSeed(seed);
    if (Random(20) != 0) return seed;
  }
}

uint32_t Grey(uint32_t v) { return 0xFF000000u | (v << 16) | (v << 8) | v; }

TEST(Weather, CountIsCappedAtOneThousand) {
  TSnow snow;
  TRain rain;
  for (auto [n, expected] : {std::pair{2000, 1000}, {1000, 1000}, {7, 7}, {0, 0}, {-5, 0}}) {
    snow.SetCount(n);
    rain.SetCount(n);
    EXPECT_EQ(snow.Count(), expected);
    EXPECT_EQ(rain.Count(), expected);
  }
  Bitmap32 layer(50, 40);
  snow.SetLayer(&layer);
  snow.SetCount(1000);
  snow.Init();
  ASSERT_EQ(snow.Flakes().size(), 1000u);
  for (const auto& f : snow.Flakes()) {
    ASSERT_TRUE(f.x >= 0 && f.x < 50 && f.y >= 0 && f.y < 40);
    ASSERT_TRUE(f.size >= 2 && f.size <= 4);
    ASSERT_TRUE(f.drift >= -1 && f.drift <= 1);
  }
  rain.SetLayer(&layer);
  rain.SetCount(300);
  rain.Init();
  ASSERT_EQ(rain.Drops().size(), 300u);
  for (const auto& d : rain.Drops()) {
    ASSERT_TRUE(d.x >= 0 && d.x < 50 && d.y >= 0 && d.y < 40);
    ASSERT_TRUE(d.size >= 2 && d.size <= 4);
    ASSERT_TRUE(d.length >= 1 && d.length <= 4);
  }
}

TEST(Snow, FallsByTheScaledElapsedTime) {
  Bitmap32 layer(100, 200, kBlack);
  TSnow snow;
  snow.SetLayer(&layer);
  snow.SetCount(1);
  snow.Init();
  struct Case {
    int32_t speedIndex, percent, dt, size, drift;
    double dy, dx;
  };
  const Case cases[] = {
      {10, 100, 70, 3, 1, 3, 1},     // value 100, 70 ms: 1 pixel per unit of size
      {10, 100, 70, 2, -1, 2, -1},
      {15, 100, 70, 4, 0, 8, 0},     // value 200
      {10, 50, 140, 3, 1, 3, 1},     // half the scene speed, twice the time
      {0, 100, 70, 2, 1, 0.2, 0.1},  // value 10
  };
  for (const Case& c : cases) {
    auto& f = snow.Flakes()[0];
    f = {50, 20, c.size, c.drift};
    snow.SetStepInputs(c.speedIndex, c.percent, c.dt, 9);
    snow.StepAndDraw();
    EXPECT_DOUBLE_EQ(f.y, 20 + c.dy);
    EXPECT_DOUBLE_EQ(f.x, 50 + c.dx);
  }
}

TEST(Snow, WrapsAroundTheEdges) {
  Bitmap32 layer(100, 80, kBlack);
  TSnow snow;
  snow.SetLayer(&layer);
  snow.SetCount(1);
  snow.Init();
  SetRandSeed(4242);
  for (int i = 0; i < 200; ++i) {
    auto& f = snow.Flakes()[0];
    f = {0.5, 10, 3, -1};  // leaves at the left: re-enters 0 to 49 right of the right edge
    snow.SetStepInputs(10, 100, 70, 9);
    snow.StepAndDraw();
    ASSERT_GE(f.x, 100);
    ASSERT_LE(f.x, 149);
    ASSERT_EQ(f.x, static_cast<int>(f.x));

    f = {99.5, 10, 3, 1};  // leaves at the right: re-enters 0 to 49 left of the left edge
    snow.StepAndDraw();
    ASSERT_LE(f.x, 0);
    ASSERT_GE(f.x, -49);

    f = {40, 77.5, 2, 0};  // passes the last row: restarts 0 to 99 above the top, same column
    snow.StepAndDraw();
    ASSERT_LE(f.y, 0);
    ASSERT_GE(f.y, -99);
    ASSERT_EQ(f.x, 40);
    ASSERT_TRUE(f.size >= 2 && f.size <= 4);
  }
}

TEST(Snow, FlakeShapesAndAlphas) {
  struct Case {
    int32_t size;
    int32_t opacity;
    std::vector<std::string> shape;  // rows y-1 .. y+2, columns x-1 .. x+2
    std::vector<uint32_t> alphas;    // for the marks '1', '2', '3'
  };
  const Case cases[] = {
      {2, 10, {"....", ".12.", ".2..", "...."}, {160, 60}},
      {3, 9, {"323.", "212.", "323.", "...."}, {180, 144, 54}},
      {4, 9, {".11.", "1111", "1111", ".11."}, {216}},
  };
  for (const Case& c : cases) {
    Bitmap32 layer(10, 10, kBlack);
    TSnow snow;
    snow.SetLayer(&layer);
    snow.SetCount(1);
    snow.Init();
    snow.Flakes()[0] = {4, 4, c.size, 0};
    SetRandSeed(SeedKeepingSize());
    snow.SetStepInputs(10, 100, 0, c.opacity);
    snow.StepAndDraw();
    for (int32_t y = 0; y < 10; ++y) {
      for (int32_t x = 0; x < 10; ++x) {
        const bool inBox = x >= 3 && x <= 6 && y >= 3 && y <= 6;
        const char mark = inBox ? c.shape[static_cast<size_t>(y - 3)][static_cast<size_t>(x - 3)] : '.';
        const uint32_t expected = mark == '.' ? kBlack : Grey(c.alphas[static_cast<size_t>(mark - '1')]);
        EXPECT_EQ(layer.Pixel(x, y), expected) << "size " << c.size << " at " << x << "," << y;
      }
    }
  }
}

TEST(Snow, FlakesPartlyOutsideAreClipped) {
  Bitmap32 layer(6, 6, kBlack);
  TSnow snow;
  snow.SetLayer(&layer);
  snow.SetCount(2);
  snow.Init();
  snow.Flakes()[0] = {0, 0, 4, 0};
  snow.Flakes()[1] = {5, 5, 4, 0};
  // Both draws need Random(20) != 0; retry seeds until both keep their size.
  for (uint32_t seed = 1;; ++seed) {
    SetRandSeed(seed);
    if (Random(20) != 0 && Random(20) != 0) {
      SetRandSeed(seed);
      break;
    }
  }
  snow.SetStepInputs(10, 100, 0, 10);
  snow.StepAndDraw();
  const std::vector<std::string> expected = {"xxx...", "xxx...", "xx....", "......", ".....x", "....xx"};
  for (int32_t y = 0; y < 6; ++y) {
    for (int32_t x = 0; x < 6; ++x) {
      EXPECT_EQ(layer.Pixel(x, y) != kBlack, expected[static_cast<size_t>(y)][static_cast<size_t>(x)] == 'x')
          << x << "," << y;
    }
  }
}

TEST(Rain, FallsAlongItsDirection) {
  Bitmap32 layer(200, 300, kBlack);
  TRain rain;
  rain.SetLayer(&layer);
  rain.SetCount(1);
  rain.Init();
  struct Case {
    int32_t angle;  // the direction a handed to the system, 180 - Angle
    int32_t dt;
    int32_t size;
    double dy, dx;
  };
  const Case cases[] = {
      {90, 50, 3, 9, 0},      // Angle 90: straight down
      {120, 50, 3, 9, -4.5},  // Angle 60: left by half the fall
      {60, 50, 3, 9, 4.5},    // Angle 120: right by half the fall
      {90, 100, 2, 12, 0},
  };
  for (const Case& c : cases) {
    auto& d = rain.Drops()[0];
    d = {100, 50, c.size, 1};
    rain.SetStepInputs(10, c.dt, c.angle, 100, 10, 6);
    rain.StepAndDraw();
    EXPECT_DOUBLE_EQ(d.y, 50 + c.dy);
    EXPECT_NEAR(d.x, 100 + c.dx, 1e-9);
  }
}

TEST(Rain, WrapsAroundTheEdges) {
  Bitmap32 layer(100, 80, kBlack);
  TRain rain;
  rain.SetLayer(&layer);
  rain.SetCount(1);
  rain.Init();
  SetRandSeed(77);
  for (int i = 0; i < 200; ++i) {
    auto& d = rain.Drops()[0];
    d = {-15, 10, 2, 1};  // 6 px fall, 6 px to the left: beyond -20
    rain.SetStepInputs(10, 50, 180, 100, 10, 6);
    rain.StepAndDraw();
    ASSERT_GE(d.x, 100);
    ASSERT_LE(d.x, 199);

    d = {115, 10, 2, 1};  // 6 px to the right: beyond 100 + 20
    rain.SetStepInputs(10, 50, 0, 100, 10, 6);
    rain.StepAndDraw();
    ASSERT_LE(d.x, 0);
    ASSERT_GE(d.x, -99);

    d = {50, 95, 2, 1};  // 101 > 80 + 20
    rain.SetStepInputs(10, 50, 90, 100, 10, 6);
    rain.StepAndDraw();
    ASSERT_LE(d.y, 0);
    ASSERT_GE(d.y, -99);
    ASSERT_NEAR(d.x, 50, 1e-9);

    d = {-20, 99, 2, 1};  // exactly at the limits: stays
    rain.SetStepInputs(10, 0, 90, 100, 10, 6);
    rain.StepAndDraw();
    ASSERT_EQ(d.x, -20);
    ASSERT_EQ(d.y, 99);
  }
}

// The pixels of column 5 from row 10 down after drawing one vertical drop.
std::vector<uint32_t> VerticalStreak(int32_t size, int32_t length, int32_t streak, int32_t opacity) {
  Bitmap32 layer(10, 30, kBlack);
  TRain rain;
  rain.SetLayer(&layer);
  rain.SetCount(1);
  rain.Init();
  rain.Drops()[0] = {5, 10, size, length};
  rain.SetStepInputs(10, 0, 90, 100, streak, opacity);
  rain.StepAndDraw();
  std::vector<uint32_t> column;
  for (int32_t y = 9; y < 30; ++y) column.push_back(layer.Pixel(5, y));
  for (int32_t y = 0; y < 30; ++y) {
    EXPECT_EQ(layer.Pixel(4, y), kBlack);
    EXPECT_EQ(layer.Pixel(6, y), kBlack);
  }
  while (column.size() > 1 && column.back() == kBlack) column.pop_back();
  column.push_back(kBlack);
  return column;
}

TEST(Rain, StreakHasADimTailAndABrightHeadWithoutItsEndPoint) {
  using Column = std::vector<uint32_t>;
  // Size 4, default opacity 6: grey 255, tail 130 * 0.6 = 78, head 235 * 0.6 = 141;
  // ye = 10 + 1 * 4 * 1.0 = 14 (not drawn), ym = 10 + Round(4 * 6 / 8) = 13.
  EXPECT_EQ(VerticalStreak(4, 1, 10, 6), (Column{kBlack, Grey(78), Grey(78), Grey(78), Grey(141), kBlack}));
  // Size 2 at opacity 10: grey 218, tail alpha 90 -> Round(76.9) = 77, head 195 -> Round(166.7) = 167;
  // ye = 10 + 2 * 2 * 2.0 = 18, ym = 10 + Round(8 * 6 / 8) = 16.
  EXPECT_EQ(VerticalStreak(2, 2, 20, 10), (Column{kBlack, Grey(77), Grey(77), Grey(77), Grey(77), Grey(77),
                                                  Grey(77), Grey(167), Grey(167), kBlack}));
  // Size 3, opacity 10: grey 227, tail 110 -> 98, head 215 -> 191; ye = 10 + 3 * 0.5 -> Round(11.5) = 12,
  // ym = 10 + Round(2 * 6 / 8) = Round(11.5) = 12: the tail is the whole streak, the head is empty.
  EXPECT_EQ(VerticalStreak(3, 1, 5, 10), (Column{kBlack, Grey(98), Grey(98), kBlack}));
}

TEST(Rain, SlantedStreakAndClipping) {
  // a = 45: the streak runs down and to the right; it starts above the layer.
  Bitmap32 layer(12, 12, kBlack);
  TRain rain;
  rain.SetLayer(&layer);
  rain.SetCount(1);
  rain.Init();
  rain.Drops()[0] = {2, -2, 4, 2};  // ye = -2 + 8 = 6, xe = Round(0.7071 * 8 + 2) = 8
  rain.SetStepInputs(10, 0, 45, 100, 10, 10);
  rain.StepAndDraw();
  int32_t drawn = 0;
  for (int32_t y = 0; y < 12; ++y) {
    for (int32_t x = 0; x < 12; ++x) drawn += layer.Pixel(x, y) != kBlack;
  }
  // The walk from (2, -2) to (8, 6) is 8 pixels along y; rows -2 and -1 are outside.
  EXPECT_EQ(drawn, 6);
  EXPECT_EQ(layer.Pixel(8, 6), kBlack);
  EXPECT_NE(layer.Pixel(7, 5), kBlack);
}

}  // namespace
}  // namespace kv
