#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

#include "base/error.h"
#include "image/bmp_codec.h"
#include "image/picture_loader.h"
#include "render/bitmap_format.h"
#include "render/blend_color.h"
#include "render/fit_scene.h"
#include "render/make_gray.h"
#include "render/screen_bits_per_pixel.h"
#include "render/set_as_wallpaper.h"
#include "render/smooth_resize.h"
#include "render/stretch_to_fit.h"
#include "scene/area_colors.h"

namespace kv {
namespace {

TProject SceneOfSize(int w, int h) {
  TProject p;
  p.Background.SetSize(w, h, 0xFF808080u);
  p.AreaMask.SetSize(w, h, 0);
  for (int y = h / 2; y < h; ++y)
    for (int x = 0; x < w; ++x) p.AreaMask.SetPixel(x, y, AreaColors[static_cast<size_t>(1 + (x * 4) / w)]);
  return p;
}

TEST(FitScene, ProportionalSizes) {
  struct Case {
    int bw, bh, tw, th, ew, eh;
  };
  for (const Case& c : std::vector<Case>{{1024, 768, 1280, 1024, 1280, 960},
                                         {1024, 768, 800, 600, 800, 600},
                                         {640, 480, 1280, 720, 960, 720}}) {
    TProject p = SceneOfSize(c.bw, c.bh);
    FitScene(true, p, c.tw, c.th);
    EXPECT_EQ(p.Background.Width(), c.ew);
    EXPECT_EQ(p.Background.Height(), c.eh);
    EXPECT_EQ(p.AreaMask.Width(), c.ew);
    EXPECT_EQ(p.AreaMask.Height(), c.eh);
  }
  TProject p = SceneOfSize(100, 50);
  FitScene(false, p, 30, 70);
  EXPECT_EQ(p.Background.Width(), 30);
  EXPECT_EQ(p.Background.Height(), 70);
}

TEST(FitScene, ScalesPixelParametersHalfToEven) {
  TProject p = SceneOfSize(1024, 768);
  p.WaveAreas[0].Amplitude = 5;
  p.WaveAreas[0].ColumnJitter = 3;
  p.WaveAreas[0].Period = 360;
  p.WaveAreas[1].Amplitude = 7;
  FitScene(false, p, 512, 384);
  EXPECT_EQ(p.WaveAreas[0].Amplitude, 2);
  EXPECT_EQ(p.WaveAreas[0].ColumnJitter, 2);
  EXPECT_EQ(p.WaveAreas[0].Period, 360);
  EXPECT_EQ(p.WaveAreas[1].Amplitude, 4);  // 3.5 -> 4
}

TEST(FitScene, MaskKeepsOnlyAreaColoursAndEmptySceneIsLeft) {
  TProject p = SceneOfSize(37, 23);
  FitScene(true, p, 101, 77);
  for (int y = 0; y < p.AreaMask.Height(); ++y)
    for (int x = 0; x < p.AreaMask.Width(); ++x) {
      const uint32_t v = p.AreaMask.Pixel(x, y);
      EXPECT_TRUE(v == 0 || AreaIndexOf(v) != 0) << x << "," << y;
    }
  TProject empty;
  FitScene(true, empty, 800, 600);
  EXPECT_TRUE(empty.Background.Empty());
}

TEST(SmoothResize, BilinearValues) {
  Bitmap32 src(2, 1);
  src.SetPixel(0, 0, 0xFF000000u);
  src.SetPixel(1, 0, 0xFFFFFFFFu);
  Bitmap32 dst(4, 1);
  SmoothResize(src, dst);
  // Centres at source x = -0.25, 0.25, 0.75, 1.25 (clamped).
  EXPECT_EQ(dst.Pixel(0, 0), 0xFF000000u);
  EXPECT_EQ(dst.Pixel(1, 0) & 0xFF, 64u);
  EXPECT_EQ(dst.Pixel(2, 0) & 0xFF, 191u);
  EXPECT_EQ(dst.Pixel(3, 0), 0xFFFFFFFFu);
  Bitmap32 same(2, 1);
  SmoothResize(src, same);
  EXPECT_EQ(same, src);
  Bitmap32 flat(7, 5, 0xFF123456u);
  Bitmap32 big(19, 13);
  SmoothResize(flat, big);
  EXPECT_EQ(big, Bitmap32(19, 13, 0xFF123456u));
}

TEST(StretchToFit, NearestCopiesExactValues) {
  Bitmap32 src(2, 2);
  src.SetPixel(0, 0, 0x00000001u);
  src.SetPixel(1, 0, 0x00000002u);
  src.SetPixel(0, 1, 0x00000003u);
  src.SetPixel(1, 1, 0x00000004u);
  Bitmap32 dst(4, 3);
  StretchToFit(src, dst);
  EXPECT_EQ(dst.Pixel(1, 0), 1u);
  EXPECT_EQ(dst.Pixel(2, 0), 2u);
  EXPECT_EQ(dst.Pixel(3, 2), 4u);
  EXPECT_EQ(dst.Pixel(0, 1), 3u);
}

TEST(PictureUtils, GrayBlendFormatDepth) {
  Bitmap32 red(1, 1, 0xFFFF0000u);
  MakeGray(red);
  EXPECT_EQ(red.Pixel(0, 0), 0xFF555555u);
  EXPECT_EQ(BlendColor(0xFFFFFF, 0x336699, 40), 0xFF336699u);
  EXPECT_EQ(BlendColor(0x000000, 0x336699, 0), 0xFF336699u);
  EXPECT_EQ(BlendColor(0x000000, 0xFFFFFF, 100), 0xFF000000u);
  EXPECT_EQ(BlendColor(0x000000, 0xFFFFFF, 20), 0xFFCCCCCCu);  // 255 - 51
  EXPECT_EQ(BlendColor(0x000000, 0x000000, 50), 0xFF000000u);  // clamped
  Bitmap32 b(2, 2, 0xFF0000FFu);
  SetBitmapFormat(b, 3, 1);
  EXPECT_EQ(b.Width(), 3);
  EXPECT_EQ(b.Pixel(1, 0), 0xFF0000FFu);
  EXPECT_EQ(b.Pixel(2, 0), 0xFF000000u);
  EXPECT_THROW(SetBitmapFormat(b, 3, 1, 24), Error);
  EXPECT_EQ(ScreenBitsPerPixel([] { return 24; }), 24);
  EXPECT_EQ(ScreenBitsPerPixel([]() -> int32_t { throw Error("no display"); }), 16);
}

class FakeDesktop : public DesktopWallpaper {
 public:
  bool Apply(const std::string& path, std::string& reason) override {
    applied = path;
    reason = "no desktop";
    return works;
  }
  bool works = false;
  std::string applied;
};

TEST(SetAsWallpaper, SavesBitmapThenAsksDesktop) {
  const std::string path =
      (std::filesystem::temp_directory_path() / ("kv_wall_" + std::to_string(::getpid()) + ".bmp")).string();
  Bitmap32 picture(3, 2, 0xFF112233u);
  FakeDesktop desktop;
  WallpaperResult r = SetAsWallpaper(picture, path, desktop);
  EXPECT_FALSE(r.changed);
  EXPECT_EQ(r.reason, "no desktop");
  EXPECT_EQ(LoadPicture(path), picture);
  EXPECT_EQ(desktop.applied, path);
  desktop.works = true;
  r = SetAsWallpaper(picture, path, desktop);
  EXPECT_TRUE(r.changed);
  EXPECT_EQ(r.reason, "");
  EXPECT_THROW(SetAsWallpaper(picture, "/nonexistent/dir/w.bmp", desktop), Error);
}

}  // namespace
}  // namespace kv
