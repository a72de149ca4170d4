#include <gtest/gtest.h>

#include "tests/saver/show_fixture.h"

namespace kv::test {
namespace {

std::vector<int32_t> g_progress;
std::vector<int32_t> g_effect_ids;

template <int32_t Id>
void RecordingEffect(Bitmap32& work, const Bitmap32& image, int32_t, int32_t, int32_t, int32_t, int32_t p) {
  g_progress.push_back(p);
  g_effect_ids.push_back(Id);
  if (p == 100) work = image;
}

TKVfmScrSvr::EffectTable RecordingTable() {
  TKVfmScrSvr::EffectTable table{};
  table[1] = {"one", &RecordingEffect<1>};
  table[130] = {"onethirty", &RecordingEffect<130>};
  return table;
}

class TransitionTest : public ShowTest {
 protected:
  void SetUp() override {
    ShowTest::SetUp();
    g_progress.clear();
    g_effect_ids.clear();
    AddPicture("a.bmp", 16, 8, 0xFF112233u);
    AddPicture("b.bmp", 16, 8, 0xFF445566u);
    project.Setting.Transition = true;
    project.Setting.ShowImageMode = 1;
    project.Setting.TransitionEffects = "1";
  }
  TKVfmScrSvr& ShowWithTable() {
    TKVfmScrSvr& w = Show();
    w.UseEffectTable(table_);
    return w;
  }
  void NextSlide(TKVfmScrSvr& w) {
    backend.clock.Set(w.SlideStart() + static_cast<uint32_t>(project.Setting.Duration) * 1000u);
    w.IdleFrame();
  }
  TKVfmScrSvr::EffectTable table_ = RecordingTable();
};

TEST_F(TransitionTest, StepCountFromTheFirstStepAndProgressSequence) {
  project.Setting.TransitionTime = 2000;
  TKVfmScrSvr& w = ShowWithTable();
  // The first step (P = 0) takes 30 ms; the others no time.
  backend.screen.on_present = [&] {
    if (g_progress.size() == 1) backend.clock.Advance(30);
  };
  NextSlide(w);
  EXPECT_EQ(w.TransitionSteps(), 64);  // 2000 / 31
  ASSERT_EQ(g_progress.size(), 65u);
  EXPECT_EQ(g_progress[0], 0);
  EXPECT_EQ((std::vector<int32_t>(g_progress.begin() + 1, g_progress.begin() + 9)),
            (std::vector<int32_t>{2, 3, 5, 6, 8, 9, 11, 12}));  // 12.5 -> 12
  EXPECT_EQ(g_progress.back(), 100);
  EXPECT_EQ(Name(w.CurrentFile()), "b.bmp");
}

TEST_F(TransitionTest, TooShortTimeShowsOnlyTheFirstStep) {
  for (int32_t time : {0, -5, 10}) {
    g_progress.clear();
    project.Setting.TransitionTime = time;
    TKVfmScrSvr& w = ShowWithTable();
    backend.screen.on_present = [&] { backend.clock.Advance(20); };
    NextSlide(w);
    EXPECT_EQ(w.TransitionSteps(), 0) << time;
    EXPECT_EQ(g_progress, std::vector<int32_t>{0}) << time;
  }
}

TEST_F(TransitionTest, AllowedListPicksTheEffect) {
  for (const auto& [text, id] : {std::pair<const char*, int32_t>{"", 1}, {"130", 130}}) {
    g_effect_ids.clear();
    project.Setting.TransitionEffects = text;
    project.Setting.TransitionTime = 100;
    TKVfmScrSvr& w = ShowWithTable();
    NextSlide(w);
    NextSlide(w);
    ASSERT_FALSE(g_effect_ids.empty());
    for (int32_t used : g_effect_ids) EXPECT_EQ(used, id) << text;
  }
}

TEST_F(TransitionTest, BadEntryEndsTheTransitionAndTheNewSlideStays) {
  project.Setting.TransitionEffects = "x";
  project.Setting.Duration = 10;
  TKVfmScrSvr& w = ShowWithTable();
  NextSlide(w);
  EXPECT_TRUE(g_progress.empty());
  EXPECT_EQ(backend.screen.captures, 1);  // the old picture was captured first
  EXPECT_EQ(Name(w.CurrentFile()), "b.bmp");
  backend.clock.Advance(40);
  w.IdleFrame();
  EXPECT_EQ(Name(w.CurrentFile()), "b.bmp");
}

TEST_F(TransitionTest, SmallPictureSitsCentredOnBlackInTheNewFrame) {
  project.Setting.Stretch = false;
  project.Setting.TransitionTime = 0;
  TKVfmScrSvr& w = ShowWithTable();
  NextSlide(w);
  const Bitmap32& frame = w.NewFrame();
  ASSERT_EQ(frame.Width(), 1024);
  ASSERT_EQ(frame.Height(), 768);
  EXPECT_EQ(frame.Pixel(0, 0), 0xFF000000u);
  EXPECT_EQ(frame.Pixel(504, 380), 0xFF445566u);  // (1024 - 16) / 2, (768 - 8) / 2
  EXPECT_EQ(frame.Pixel(503, 380), 0xFF000000u);
}

TEST_F(TransitionTest, InputDuringATransitionDoesNotCutItShort) {
  project.Setting.TransitionTime = 1000;
  TKVfmScrSvr& w = ShowWithTable();
  backend.pump.SetInput(&w);
  backend.pump.on_process = [](ShowInput& in) { in.KeyPress('q'); };
  backend.screen.on_present = [&] {
    if (g_progress.size() == 1) backend.clock.Advance(99);
  };
  NextSlide(w);
  EXPECT_TRUE(w.CloseRequested());
  EXPECT_EQ(g_progress.size(), 11u);
  EXPECT_EQ(g_progress.back(), 100);
}

TEST_F(TransitionTest, ScaledSurfaceTransitionsAtTheSurfaceSize) {
  project.Setting.DirectX = true;
  project.Setting.DirectXQuality = 1;
  project.Setting.TransitionTime = 0;
  backend.screen.scaled_available = true;
  TKVfmScrSvr& w = ShowWithTable();
  w.IdleFrame();  // the first frame gives the surface its size
  NextSlide(w);
  EXPECT_EQ(g_progress, std::vector<int32_t>{0});
  EXPECT_EQ(w.WorkFrame().Width(), 800);
  EXPECT_EQ(w.WorkFrame().Height(), 600);
  EXPECT_EQ(w.NewFrame().Pixel(0, 0), 0xFF445566u);  // stretched over the whole frame
}

}  // namespace
}  // namespace kv::test
