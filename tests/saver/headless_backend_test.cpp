#include "saver/headless_backend.h"

#include <gtest/gtest.h>

#include "saver/kvfm_scr_svr.h"
#include "tests/saver/show_fixture.h"

namespace kv::test {
namespace {

using HeadlessBackendTest = ShowTest;

TEST_F(HeadlessBackendTest, ShowsTheRequestedFramesCentredOnBlackAndEnds) {
  AddPicture("a.bmp", 40, 20, 0xFF00FF00u);
  project.Setting.Stretch = false;
  HeadlessBackend headless(200, 100, 5, folder_.string() + "/", (folder_ / "Show.scr").string());
  TKVfmScrSvr w(project, headless);
  w.ShowModal();
  EXPECT_EQ(headless.FramesPresented(), 5);
  EXPECT_EQ(headless.Ticks().TickCount(), 5u * 33u);
  const Bitmap32& canvas = headless.Canvas();
  EXPECT_EQ(canvas.Pixel(80, 40), 0xFF00FF00u);  // (200 - 40) / 2, (100 - 20) / 2
  EXPECT_EQ(canvas.Pixel(79, 40), 0xFF000000u);
  EXPECT_EQ(canvas.Pixel(120, 40), 0xFF000000u);
}

}  // namespace
}  // namespace kv::test
