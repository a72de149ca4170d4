#include "render/anim_engine.h"

#include <gtest/gtest.h>

#include "base/random.h"
#include "scene/area_colors.h"

namespace kv {
namespace {

// A 40 x 30 scene whose background pixels name their position; area 1 covers
// rows 10 to 29 and ripples sideways and up and down.
struct Scene {
  TProject project;
  ManualClock clock{5000};
  TAnimEngine engine{clock};

  Scene() {
    project.Background.SetSize(40, 30);
    for (int32_t y = 0; y < 30; ++y) {
      for (int32_t x = 0; x < 40; ++x) {
        project.Background.SetPixel(x, y, 0xFF000000u | (static_cast<uint32_t>(y) << 8) | static_cast<uint32_t>(x));
      }
    }
    project.AreaMask.SetSize(40, 30, 0);
    for (int32_t y = 10; y < 30; ++y) {
      for (int32_t x = 0; x < 40; ++x) project.AreaMask.SetPixel(x, y, AreaColors[1]);
    }
    TWaveParam& w = project.WaveArea(0);
    w.Amplitude = 3;
    w.WaveCount = 4;
    w.Speed = 20;
    w.Direction = 1;
    w.Horizontal = 1;
    w.Vertical = 1;
    w.Period = 360;
  }

  // The screensaver window's calling order for one scene.
  void Load(bool weather) {
    engine.AttachScene(project);
    engine.SetWeather(false);
    engine.Prepare();
    engine.SetWeather(weather);
  }
  void StepAfter(uint32_t ms) {
    clock.Advance(ms);
    engine.Step();
  }
};

TEST(AnimEngine, FirstFrameIsTheBackgroundAndResetFrameRestoresIt) {
  Scene s;
  s.Load(false);
  EXPECT_EQ(s.engine.Width(), 40);
  EXPECT_EQ(s.engine.Height(), 30);
  EXPECT_EQ(s.engine.CurrentFrame(), s.project.Background);
  EXPECT_EQ(&s.engine.CurrentFrame(), &s.engine.Frame());

  s.StepAfter(33);
  EXPECT_NE(s.engine.CurrentFrame(), s.project.Background);
  s.StepAfter(33);
  s.engine.ResetFrame();
  EXPECT_EQ(s.engine.CurrentFrame(), s.project.Background);
  // The phases are kept: the next step continues the motion.
  EXPECT_EQ(s.engine.Phases()[0], 2 * 13);  // Round(20 * 33 / 50) = Round(13.2)
}

TEST(AnimEngine, SceneWithoutWaterOrWeatherStaysTheBackground) {
  Scene s;
  s.project.WaveAreas = {};
  s.project.AreaMask.Fill(0);
  s.Load(false);
  for (int i = 0; i < 5; ++i) {
    s.StepAfter(40);
    EXPECT_EQ(s.engine.CurrentFrame(), s.project.Background);
  }
}

TEST(AnimEngine, PhasesFollowTheClockAndTheSceneSpeed) {
  Scene s;
  s.project.SetSpeed(200);
  s.Load(false);
  EXPECT_EQ(s.engine.Phases()[0], 0);  // the step inside Prepare saw no time pass
  s.StepAfter(50);
  EXPECT_EQ(s.engine.Phases()[0], 40);
  s.StepAfter(100);
  EXPECT_EQ(s.engine.Phases()[0], 40 + 80);
  // The 32-bit tick counter wraps without a jump.
  s.clock.Set(0xFFFFFFF0u);
  s.engine.Step();
  s.clock.Set(0x00000012u);  // 34 ms later
  const int32_t before = s.engine.Phases()[0];
  s.engine.Step();
  EXPECT_EQ(s.engine.Phases()[0] - before, 27);  // Round(20 * 34 / 50 * 2) = Round(27.2)
}

TEST(AnimEngine, PrepareReseedsFromTheClockBeforeDrawingTheJitter) {
  Scene s;
  s.project.WaveArea(0).ColumnJitter = 3;
  s.project.WaveArea(2).ColumnJitter = 5;  // an area without pixels draws too
  SetRandSeed(1);
  s.Load(false);
  SetRandSeed(5000);
  std::vector<int32_t> first, third;
  for (int i = 0; i < 40; ++i) first.push_back(Random(3));
  for (int i = 0; i < 40; ++i) third.push_back(Random(5));
  EXPECT_EQ(s.engine.Jitter()[0], first);
  EXPECT_EQ(s.engine.Jitter()[1], std::vector<int32_t>(40, 0));
  EXPECT_EQ(s.engine.Jitter()[2], third);
  EXPECT_EQ(s.engine.CurrentFrame(), s.project.Background);
}

TEST(AnimEngine, WaterFrameMatchesOnePassOverTheBackground) {
  Scene s;
  s.Load(false);
  s.StepAfter(33);  // the pass runs with the phase of before the step (0)
  Bitmap32 expected = s.project.Background;
  TAreaMap map;
  BuildAreaMap(s.project.AreaMask, 40, 30, map);
  TColumnJitter jitter;
  BuildJitter({0, 0, 0, 0}, 40, jitter);
  const TWaveAreas areas{&s.project.WaveAreas[0], &s.project.WaveAreas[1], &s.project.WaveAreas[2],
                         &s.project.WaveAreas[3]};
  WaterPass(map, areas, {0, 0, 0, 0}, jitter, s.project.Background, expected);
  EXPECT_EQ(s.engine.Frame(), expected);
  // The frame is not cleared between steps: the next pass writes over it.
  s.StepAfter(33);
  WaterPass(map, areas, {13, 0, 0, 0}, jitter, s.project.Background, expected);
  EXPECT_EQ(s.engine.Frame(), expected);
}

TEST(AnimEngine, ReflectingAreaSamplesItsMirrorImage) {
  Scene s;
  TWaveParam& w = s.project.WaveArea(0);
  w.Horizontal = 0;
  w.Vertical = 0;
  w.Reflection = 1;
  s.Load(false);
  EXPECT_TRUE(s.engine.Reflecting());
  EXPECT_EQ(s.engine.CurrentFrame(), s.project.Background);
  s.StepAfter(33);
  // A standing reflecting area shows rows 9 down to 0 in its rows 10 to 19.
  for (int32_t y = 0; y < 30; ++y) {
    const int32_t from = y >= 10 && y < 20 ? 19 - y : y;
    EXPECT_EQ(s.engine.Frame().Pixel(7, y), s.project.Background.Pixel(7, from)) << y;
  }
  s.engine.ResetFrame();
  EXPECT_EQ(s.engine.Frame(), s.project.Background);
  s.StepAfter(33);
  EXPECT_EQ(s.engine.Frame().Pixel(7, 12), s.project.Background.Pixel(7, 7));
}

TEST(AnimEngine, WeatherLayerSwitchesOnAndOff) {
  Scene s;
  s.project.Weather = {1, 50, 10, 90, 10, 9};
  s.Load(true);
  ASSERT_NE(s.engine.Snow(), nullptr);
  EXPECT_EQ(s.engine.Rain(), nullptr);
  EXPECT_EQ(s.engine.Snow()->Count(), 50);
  EXPECT_NE(&s.engine.CurrentFrame(), &s.engine.Frame());
  EXPECT_EQ(s.engine.CurrentFrame(), s.project.Background);  // no particles before the first step

  s.StepAfter(33);
  const Bitmap32& layer = s.engine.CurrentFrame();
  ASSERT_EQ(layer.Width(), 40);
  // Every layer pixel is the frame's or a blend of white over it.
  int32_t changed = 0;
  for (int32_t y = 0; y < 30; ++y) {
    for (int32_t x = 0; x < 40; ++x) {
      const uint32_t f = s.engine.Frame().Pixel(x, y);
      const uint32_t l = layer.Pixel(x, y);
      if (f == l) continue;
      ++changed;
      for (int shift : {0, 8, 16}) EXPECT_GT((l >> shift) & 0xFFu, (f >> shift) & 0xFFu);
    }
  }
  EXPECT_GT(changed, 0);

  s.engine.SetWeather(false);
  EXPECT_EQ(&s.engine.CurrentFrame(), &s.engine.Frame());
  EXPECT_EQ(s.engine.Snow(), nullptr);
}

TEST(AnimEngine, WeatherKindsAndAmounts) {
  struct Case {
    int32_t kind;
    int32_t amount;
    bool snow, rain;
    int32_t count;
  };
  const Case cases[] = {
      {1, 2000, true, false, 1000}, {2, 300, false, true, 300}, {2, 0, false, true, 0},
      {3, 100, false, false, 0},    {0, 100, false, false, 0},
  };
  for (const Case& c : cases) {
    Scene s;
    s.project.Weather = {c.kind, c.amount, 10, 60, 10, 6};
    s.Load(true);
    EXPECT_EQ(s.engine.Snow() != nullptr, c.snow) << c.kind;
    EXPECT_EQ(s.engine.Rain() != nullptr, c.rain) << c.kind;
    if (c.snow) {
      EXPECT_EQ(s.engine.Snow()->Count(), c.count);
    }
    if (c.rain) {
      EXPECT_EQ(s.engine.Rain()->Count(), c.count);
    }
    s.StepAfter(33);
    // Without particles the layer is an exact copy of the frame.
    if (c.count == 0) {
      EXPECT_EQ(s.engine.CurrentFrame(), s.engine.Frame()) << c.kind;
    }
    EXPECT_NE(&s.engine.CurrentFrame(), &s.engine.Frame());
  }
}

TEST(AnimEngine, RainTakesItsDirectionFromTheAngle) {
  Scene s;
  s.project.WaveAreas = {};
  s.project.Weather = {2, 20, 10, 60, 10, 6};  // Angle 60: a = 120, drifting left by half the fall
  s.Load(true);
  std::vector<TRain::TDrop> before = s.engine.Rain()->Drops();
  s.StepAfter(50);
  const auto& after = s.engine.Rain()->Drops();
  for (size_t i = 0; i < after.size(); ++i) {
    const double fall = after[i].y - before[i].y;
    if (fall <= 0) continue;  // wrapped
    EXPECT_DOUBLE_EQ(fall, before[i].size * 3.0);
    if (after[i].x > before[i].x) continue;  // wrapped
    EXPECT_NEAR(after[i].x - before[i].x, -fall / 2, 1e-9);
  }
}

TEST(AnimEngine, FailedSceneAndMisuseDoNothing) {
  ManualClock clock;
  TAnimEngine engine(clock);
  engine.Prepare();  // no scene attached
  engine.Step();
  engine.ResetFrame();
  engine.SetWeather(true);
  engine.Step();
  EXPECT_TRUE(engine.CurrentFrame().Empty());

  TProject empty;  // a scene whose load failed: 0 x 0 pictures, zero records
  engine.AttachScene(empty);
  engine.SetWeather(false);
  engine.Prepare();
  engine.SetWeather(true);
  engine.Step();
  EXPECT_TRUE(engine.CurrentFrame().Empty());

  // The scene reloaded with another size but not prepared again: no pass runs.
  Scene s;
  s.Load(true);
  s.project.Background.SetSize(10, 10);
  s.StepAfter(33);
  s.engine.ResetFrame();
  EXPECT_EQ(s.engine.Frame().Width(), 40);
}

}  // namespace
}  // namespace kv
