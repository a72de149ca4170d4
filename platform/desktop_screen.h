#pragma once

#include <memory>
#include <vector>

#include "saver/platform_interfaces.h"

namespace kv {

class GlShowWindow;
class InputRouter;
class RasterShowWindow;

// The show's screen on a desktop: a borderless window over every screen,
// black at the start. The show draws on the primary screen; the others stay
// black; input over any of them counts. InitScaledSurface replaces the
// primary window by an OpenGL one (frames scaled by the GPU); when no GL
// context can be made the primary window keeps drawing itself.
class DesktopScreen final : public ShowScreen {
 public:
  explicit DesktopScreen(InputRouter& router);
  ~DesktopScreen() override;

  int32_t ScreenWidth() const override;
  int32_t ScreenHeight() const override;
  int32_t ScreenBitsPerPixel() const override;
  bool InitScaledSurface(int32_t width, int32_t height, int32_t bitsPerPixel) override;
  bool CanDraw() const override;
  int32_t SurfaceWidth() const override;
  int32_t SurfaceHeight() const override;
  void Present(int32_t x, int32_t y, const Bitmap32& frame) override;
  void ClearToBlack() override;
  void Capture(Bitmap32& target) override;
  void SetCursorVisible(bool visible) override;

  // Whether frames go to the OpenGL window.
  bool Scaled() const { return gl_ != nullptr; }

 private:
  InputRouter& router_;
  std::unique_ptr<RasterShowWindow> primary_;
  std::vector<std::unique_ptr<RasterShowWindow>> others_;
  std::unique_ptr<GlShowWindow> gl_;
  int32_t width_ = 0;
  int32_t height_ = 0;
  int32_t depth_ = 16;
  bool cursorVisible_ = true;
};

}  // namespace kv
