#include <gtest/gtest.h>

#include "project/preferences.h"
#include "saver/run_show.h"
#include "tests/saver/show_fixture.h"

namespace kv::test {
namespace {

using SlideSequenceTest = ShowTest;

// The names of the slides shown over `passes` slide changes (Duration 0).
std::vector<std::string> ShownOrder(ShowTest& t, TKVfmScrSvr& w, int32_t passes) {
  std::vector<std::string> shown{t.Name(w.CurrentFile())};
  for (int32_t i = 0; i < passes; ++i) {
    t.backend.clock.Advance(40);
    w.IdleFrame();
    shown.push_back(t.Name(w.CurrentFile()));
  }
  return shown;
}

TEST_F(SlideSequenceTest, ListOrderWrapsAround) {
  for (const char* n : {"1.bmp", "2.bmp", "3.bmp"}) AddPicture(n);
  project.Setting.ShowImageMode = 1;
  project.Setting.Duration = 0;
  TKVfmScrSvr& w = Show();
  EXPECT_EQ(ShownOrder(*this, w, 6),
            (std::vector<std::string>{"1.bmp", "2.bmp", "3.bmp", "1.bmp", "2.bmp", "3.bmp", "1.bmp"}));
}

TEST_F(SlideSequenceTest, RandomOrderNeverRepeatsASlideAndTwoAlternate) {
  AddPicture("a.bmp");
  AddPicture("b.bmp");
  for (int32_t mode : {0, 2}) {
    project.Setting.ShowImageMode = mode;
    project.Setting.Duration = 0;
    TKVfmScrSvr& w = Show();
    const auto shown = ShownOrder(*this, w, 9);
    for (size_t i = 1; i < shown.size(); ++i) EXPECT_NE(shown[i], shown[i - 1]) << "mode " << mode;
  }
}

TEST_F(SlideSequenceTest, OneSlideIsNeverReloadedButItsClockRestarts) {
  AddPicture("only.bmp");
  project.Setting.Duration = 0;
  project.Setting.Transition = true;
  TKVfmScrSvr& w = Show();
  const size_t captures = backend.screen.captures;
  Passes(5);
  EXPECT_EQ(backend.screen.captures, captures);  // no transition ran
  EXPECT_EQ(backend.screen.clears, 0);
  EXPECT_EQ(w.SlideStart(), backend.clock.TickCount());
}

TEST_F(SlideSequenceTest, SlideStaysForDurationAndNotAtAllWithoutAutoAdvance) {
  AddPicture("a.bmp");
  AddPicture("b.bmp");
  project.Setting.ShowImageMode = 1;
  project.Setting.Duration = 2;
  TKVfmScrSvr& w = Show();
  backend.clock.Advance(1999);
  w.IdleFrame();
  EXPECT_EQ(Name(w.CurrentFile()), "a.bmp");
  backend.clock.Set(w.SlideStart() + 2000);
  w.IdleFrame();
  EXPECT_EQ(Name(w.CurrentFile()), "b.bmp");
  EXPECT_EQ(backend.screen.clears, 1);  // no transition: cleared to black

  project.Setting.Random = false;
  TKVfmScrSvr& still = Show();
  Passes(3, 5000);
  EXPECT_EQ(Name(still.CurrentFile()), "a.bmp");
}

TEST_F(SlideSequenceTest, SlideClockStartsAfterTheTransition) {
  AddPicture("a.bmp");
  AddPicture("b.bmp");
  project.Setting.ShowImageMode = 1;
  project.Setting.Duration = 3;
  project.Setting.Transition = true;
  project.Setting.TransitionTime = 500;
  TKVfmScrSvr& w = Show();
  // Every present of the transition takes 100 ms.
  backend.screen.on_present = [&] { backend.clock.Advance(100); };
  const uint32_t due = w.SlideStart() + 3000;
  backend.clock.Set(due);
  w.IdleFrame();
  ASSERT_EQ(Name(w.CurrentFile()), "b.bmp");
  const uint32_t afterTransition = w.SlideStart();
  EXPECT_GE(afterTransition, due + 500);
  backend.screen.on_present = nullptr;
  backend.clock.Set(afterTransition + 2999);
  w.IdleFrame();
  EXPECT_EQ(Name(w.CurrentFile()), "b.bmp");
  backend.clock.Set(afterTransition + 3000);
  w.IdleFrame();
  EXPECT_EQ(Name(w.CurrentFile()), "a.bmp");
}

TEST_F(SlideSequenceTest, BrokenPictureIsSkippedAtTheNextPass) {
  AddPicture("a.bmp");
  const std::string broken = (folder_ / "broken.bmp").string();
  std::filesystem::copy_file(__FILE__, broken);
  project.FileList.Names.push_back(broken);
  project.FileList.Flags.push_back("TRUE");
  AddPicture("c.bmp");
  project.Setting.ShowImageMode = 1;
  project.Setting.Duration = 5;
  TKVfmScrSvr& w = Show();
  const uint32_t start = w.SlideStart();
  backend.clock.Set(start + 5000);
  w.IdleFrame();  // the broken picture: nothing changes
  EXPECT_EQ(Name(w.CurrentFile()), "a.bmp");
  EXPECT_EQ(w.SlideStart(), start);
  w.IdleFrame();
  EXPECT_EQ(Name(w.CurrentFile()), "c.bmp");
}

TEST_F(SlideSequenceTest, PlacementAndPacing) {
  const struct {
    bool stretch, proportional;
    int32_t pw, ph;
    int32_t x, y, w, h;
  } cases[] = {
      {true, true, 800, 400, 0, 128, 1024, 512},
      {true, true, 300, 600, 320, 0, 384, 768},
      {true, false, 300, 600, 0, 0, 1024, 768},
      {false, false, 1601, 100, -288, 334, 1601, 100},
  };
  for (const auto& c : cases) {
    project.FileList = {};
    AddPicture("p.bmp", c.pw, c.ph);
    project.Setting.Stretch = c.stretch;
    project.Setting.Proportional = c.proportional;
    TKVfmScrSvr& w = Show();
    backend.screen.presents.clear();
    const uint32_t before = backend.clock.TickCount();
    w.IdleFrame();
    ASSERT_EQ(backend.screen.presents.size(), 1u);
    const auto& p = backend.screen.presents[0];
    EXPECT_EQ(p.x, c.x);
    EXPECT_EQ(p.y, c.y);
    EXPECT_EQ(p.width, c.w);
    EXPECT_EQ(p.height, c.h);
    EXPECT_EQ(backend.clock.TickCount() - before, 33u);  // slept out the frame
  }
}

TEST_F(SlideSequenceTest, ScaledSurfaceGetsTheQualityFrame) {
  AddPicture("p.bmp", 300, 600);
  project.Setting.DirectX = true;
  project.Setting.DirectXQuality = 2;
  backend.screen.scaled_available = true;
  TKVfmScrSvr& w = Show();
  ASSERT_TRUE(w.UseDirectX());
  w.IdleFrame();
  ASSERT_FALSE(backend.screen.presents.empty());
  EXPECT_EQ(backend.screen.presents.back().width, 640);
  EXPECT_EQ(backend.screen.presents.back().height, 480);
  backend.screen.can_draw = false;
  const size_t count = backend.screen.presents.size();
  w.IdleFrame();
  EXPECT_EQ(backend.screen.presents.size(), count);  // dropped

  backend.screen.scaled_available = false;  // the surface cannot start
  EXPECT_FALSE(Show().UseDirectX());
}

TEST_F(SlideSequenceTest, RunShowMessagesAndFlags) {
  MessageRecorder messages;
  RunShow(project, backend, (folder_ / "Show.scr").string());
  EXPECT_EQ(messages.texts, std::vector<std::string>{"No image found in Images List."});

  AddPicture("a.bmp", 16, 8, 0xFF000000u, false);
  backend.pump.on_process = [](ShowInput& in) { in.HostClose(); };
  RunShow(project, backend, (folder_ / "Show.scr").string());
  EXPECT_EQ(project.FileList.Flags, std::vector<std::string>{"TRUE"});
  EXPECT_EQ(messages.texts.size(), 1u);
  EXPECT_TRUE(backend.screen.cursor_visible);
  EXPECT_EQ(backend.pump.input, nullptr);
}

}  // namespace
}  // namespace kv::test
