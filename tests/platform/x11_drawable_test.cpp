#include "platform/x11_drawable.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "base/error.h"
#include "image/bmp_codec.h"
#include "platform/input_router.h"
#include "platform/x11_window_screen.h"
#include "tests/platform/x11_pixels.h"  // last: Xlib defines macros

namespace kv {
namespace {

// A mapped window of another client, as a screensaver host would make it.
class HostWindow {
 public:
  HostWindow(int x, int y, int w, int h) : display_(XOpenDisplay(nullptr)) {
    window_ = XCreateSimpleWindow(display_, DefaultRootWindow(display_), x, y, w, h, 0, 0, 0x808080);
    XMapWindow(display_, window_);
    XSync(display_, False);
    usleep(100000);
  }
  ~HostWindow() {
    XDestroyWindow(display_, window_);
    XCloseDisplay(display_);
  }
  unsigned long Id() const { return window_; }

 private:
  Display* display_;
  Window window_;
};

TEST(StretchNearest, RepeatsAndDropsWholePixels) {
  Bitmap32 source(2, 2);
  source.SetPixel(0, 0, 0xFF000001u);
  source.SetPixel(1, 0, 0xFF000002u);
  source.SetPixel(0, 1, 0xFF000003u);
  source.SetPixel(1, 1, 0xFF000004u);
  Bitmap32 big(4, 3);
  StretchNearest(source, big);
  const uint32_t expected[3][4] = {{1, 1, 2, 2}, {3, 3, 4, 4}, {3, 3, 4, 4}};
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) EXPECT_EQ(big.Pixel(x, y), 0xFF000000u | expected[y][x]) << x << "," << y;
  }
  Bitmap32 small(1, 1);
  StretchNearest(source, small);
  EXPECT_EQ(small.Pixel(0, 0), 0xFF000004u);
}

TEST(DrawPreviewIntoX11Window, StretchesThePictureOverTheWindow) {
  const std::string path = testing::TempDir() + "preview_test.bmp";
  Bitmap32 picture(4, 2);
  for (int x = 0; x < 4; ++x) {
    picture.SetPixel(x, 0, x < 2 ? 0xFFFF0000u : 0xFF00FF00u);
    picture.SetPixel(x, 1, x < 2 ? 0xFF0000FFu : 0xFFFFFFFFu);
  }
  SaveBmp(picture, path);
  HostWindow host(50, 40, 152, 112);
  ASSERT_TRUE(DrawPreviewIntoX11Window(path, host.Id()));
  EXPECT_EQ(test::ScreenPixel(0, 0, host.Id()), 0xFF0000u);
  EXPECT_EQ(test::ScreenPixel(151, 0, host.Id()), 0x00FF00u);
  EXPECT_EQ(test::ScreenPixel(0, 111, host.Id()), 0x0000FFu);
  EXPECT_EQ(test::ScreenPixel(151, 111, host.Id()), 0xFFFFFFu);
  EXPECT_EQ(test::ScreenPixel(75, 55), 0xFF0000u);  // on the screen too
  std::remove(path.c_str());
}

TEST(DrawPreviewIntoX11Window, FailsCleanlyForAMissingWindowOrPicture) {
  const std::string path = testing::TempDir() + "preview_missing_window.bmp";
  SaveBmp(Bitmap32(2, 2, 0xFFFFFFFFu), path);
  EXPECT_FALSE(DrawPreviewIntoX11Window(path, 0x7FFFFFF));
  HostWindow host(0, 0, 20, 20);
  EXPECT_FALSE(DrawPreviewIntoX11Window(testing::TempDir() + "no_such_picture.jpg", host.Id()));
  std::remove(path.c_str());
}

TEST(X11WindowScreen, DrawsIntoTheHostWindowAtItsSize) {
  HostWindow host(300, 200, 320, 240);
  InputRouter router;
  X11WindowScreen screen(host.Id(), router);
  EXPECT_EQ(screen.ScreenWidth(), 320);
  EXPECT_EQ(screen.ScreenHeight(), 240);
  EXPECT_FALSE(screen.InitScaledSurface(320, 240, 24));
  EXPECT_EQ(test::ScreenPixel(10, 10, host.Id()), 0x000000u);  // black at the start
  screen.Present(300, 220, Bitmap32(100, 100, 0xFF20A040u));
  EXPECT_EQ(test::ScreenPixel(305, 225, host.Id()), 0x20A040u);
  EXPECT_EQ(test::ScreenPixel(299, 225, host.Id()), 0x000000u);
  Bitmap32 captured(320, 240);
  screen.Capture(captured);
  EXPECT_EQ(captured.Pixel(319, 239), 0xFF20A040u);
  EXPECT_EQ(captured.Pixel(0, 0), 0xFF000000u);
}

TEST(X11WindowScreen, RefusesAWindowThatDoesNotExist) {
  InputRouter router;
  EXPECT_THROW({ X11WindowScreen screen(0x7FFFFFF, router); }, Error);
}

}  // namespace
}  // namespace kv
