#include <gtest/gtest.h>

#include "tests/saver/show_fixture.h"

namespace kv::test {
namespace {

using InputRulesTest = ShowTest;

TEST_F(InputRulesTest, FirstFiveMovesIgnoredThenTwoPixelRule) {
  AddPicture("a.bmp");
  TKVfmScrSvr& w = Show();
  for (int i = 0; i < 5; ++i) w.FormMouseMove(100 * i, 300 * i);  // ignored, whatever the distance
  EXPECT_FALSE(w.CloseRequested());
  w.FormMouseMove(500, 500);  // only records the position
  EXPECT_FALSE(w.CloseRequested());
  for (int i = 1; i <= 50; ++i) w.FormMouseMove(500 + 2 * i, 500 - 2 * i);  // slow drift
  EXPECT_FALSE(w.CloseRequested());
  w.FormMouseMove(600 + 3, 400);
  EXPECT_TRUE(w.CloseRequested());
}

TEST_F(InputRulesTest, ThreePixelsInYAlsoEnds) {
  AddPicture("a.bmp");
  TKVfmScrSvr& w = Show();
  for (int i = 0; i < 6; ++i) w.FormMouseMove(10, 10);
  w.FormMouseMove(10, 7);
  EXPECT_TRUE(w.CloseRequested());
}

TEST_F(InputRulesTest, CloseQueryRestoresTheCountdown) {
  AddPicture("a.bmp");
  TKVfmScrSvr& w = Show();
  for (int i = 0; i < 6; ++i) w.FormMouseMove(10, 10);
  EXPECT_EQ(w.MouseCountdown(), 0);
  EXPECT_TRUE(w.FormCloseQuery());
  EXPECT_EQ(w.MouseCountdown(), 5);
  for (int i = 0; i < 5; ++i) w.FormMouseMove(900, 900);
  EXPECT_FALSE(w.CloseRequested());
  // The last recorded position is still (10, 10): the sixth move ends it.
  w.FormMouseMove(900, 900);
  EXPECT_TRUE(w.CloseRequested());
}

TEST_F(InputRulesTest, KeysAndButtons) {
  AddPicture("a.bmp");
  TKVfmScrSvr& w = Show();
  w.FormKeyDown(kVkF1);
  EXPECT_TRUE(w.F1Switch());
  w.FormKeyDown(kVkF1);
  EXPECT_FALSE(w.F1Switch());
  w.FormKeyDown(113);  // F2
  w.FormKeyDown(37);   // cursor left
  w.FormMouseUp();
  EXPECT_FALSE(w.CloseRequested());
  w.FormKeyPress('a');
  EXPECT_TRUE(w.CloseRequested());

  TKVfmScrSvr second(project, backend);
  second.FormShow();
  second.FormMouseDown();
  EXPECT_TRUE(second.CloseRequested());
}

TEST_F(InputRulesTest, ModalLoopRunsFramesUntilInputEndsIt) {
  AddPicture("a.bmp");
  AddPicture("b.bmp");
  int32_t frames = 0;
  backend.screen.on_present = [&] { ++frames; };
  backend.pump.on_process = [&](ShowInput& in) {
    if (frames == 3) in.KeyDown(kVkF1);  // does not end the show
    if (frames == 10) in.KeyPress(' ');
  };
  TKVfmScrSvr w(project, backend);
  w.ShowModal();
  EXPECT_EQ(frames, 10);
  EXPECT_TRUE(backend.screen.cursor_visible);
  EXPECT_FALSE(w.IdleInstalled());
  EXPECT_EQ(backend.pump.input, nullptr);
}

TEST_F(InputRulesTest, EmptyPlayListShowsTheMessageAndWaitsForInput) {
  AddPicture("a.bmp", 16, 8, 0xFF000000u, false);
  MessageRecorder messages;
  int32_t waits = 0;
  backend.pump.on_process = [&](ShowInput& in) {
    if (++waits == 4) in.MouseDown();
  };
  TKVfmScrSvr w(project, backend);
  w.ShowModal();
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(messages.texts[0], "Unable to run screensaver.\r\nPlease configure!");
  EXPECT_TRUE(backend.screen.presents.empty());
  EXPECT_TRUE(backend.screen.cursor_visible);
}

}  // namespace
}  // namespace kv::test
