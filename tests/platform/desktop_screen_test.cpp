#include "platform/desktop_screen.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "platform/input_router.h"
#include "tests/platform/qt_test_app.h"
#include "tests/platform/x11_pixels.h"

namespace kv {
namespace {

// Lets the X server map the windows and Qt handle the exposes.
void Settle(int ms = 400) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

Bitmap32 Quadrants(int32_t w, int32_t h) {
  Bitmap32 b(w, h);
  for (int32_t y = 0; y < h; ++y) {
    for (int32_t x = 0; x < w; ++x) {
      b.SetPixel(x, y, x < w / 2 ? (y < h / 2 ? 0xFFFF0000u : 0xFF00FF00u) : (y < h / 2 ? 0xFF0000FFu : 0xFFFFFF00u));
    }
  }
  return b;
}

TEST(DesktopScreen, WindowDrawingPutsTheFrameAtItsPositionOnBlack) {
  test::TestApp();
  InputRouter router;
  DesktopScreen screen(router);
  ASSERT_EQ(screen.ScreenWidth(), 1280);
  ASSERT_EQ(screen.ScreenHeight(), 720);
  EXPECT_EQ(screen.ScreenBitsPerPixel(), 24);
  Settle();
  screen.Present(100, 50, Quadrants(200, 100));
  Settle(200);
  EXPECT_EQ(test::ScreenPixel(99, 60), 0x000000u);
  EXPECT_EQ(test::ScreenPixel(100, 50), 0xFF0000u);
  EXPECT_EQ(test::ScreenPixel(299, 149), 0xFFFF00u);
  EXPECT_EQ(test::ScreenPixel(250, 60), 0x0000FFu);
  EXPECT_EQ(test::ScreenPixel(300, 150), 0x000000u);

  // A frame partly off screen is clipped; the capture shows what is on screen.
  screen.Present(-100, -50, Quadrants(200, 100));
  Bitmap32 captured(300, 200, 0xFF123456u);
  screen.Capture(captured);
  EXPECT_EQ(captured.Pixel(0, 0), 0xFFFFFF00u);  // the frame's bottom-right quadrant
  EXPECT_EQ(captured.Pixel(99, 49), 0xFFFFFF00u);
  EXPECT_EQ(captured.Pixel(100, 0), 0xFF000000u);
  EXPECT_EQ(captured.Pixel(150, 60), 0xFFFF0000u);  // left over from the first frame
  screen.ClearToBlack();
  screen.Capture(captured);
  EXPECT_EQ(captured.Pixel(150, 60), 0xFF000000u);
  Settle(200);
  EXPECT_EQ(test::ScreenPixel(150, 60), 0x000000u);
}

TEST(DesktopScreen, ScaledSurfaceStretchesTheFrameOverTheScreen) {
  test::TestApp();
  InputRouter router;
  DesktopScreen screen(router);
  Settle();
  ASSERT_TRUE(screen.InitScaledSurface(1280, 720, 24)) << "no OpenGL context under this X server";
  EXPECT_TRUE(screen.CanDraw());
  Settle();
  screen.Present(0, 0, Quadrants(64, 48));
  EXPECT_EQ(screen.SurfaceWidth(), 64);
  EXPECT_EQ(screen.SurfaceHeight(), 48);
  Settle(300);
  screen.Present(0, 0, Quadrants(64, 48));
  Settle(300);
  EXPECT_EQ(test::ScreenPixel(200, 100), 0xFF0000u);
  EXPECT_EQ(test::ScreenPixel(1000, 100), 0x0000FFu);
  EXPECT_EQ(test::ScreenPixel(200, 600), 0x00FF00u);
  EXPECT_EQ(test::ScreenPixel(1000, 600), 0xFFFF00u);
  Bitmap32 captured(64, 48);
  screen.Capture(captured);
  EXPECT_EQ(captured, Quadrants(64, 48));
}

}  // namespace
}  // namespace kv
