#pragma once

#include <memory>

#include "image/bitmap32.h"
#include "saver/platform_interfaces.h"

namespace kv {

class InputRouter;
class X11Drawable;

// The show's screen inside a window it does not own (the xscreensaver
// convention): frames are drawn straight into that window at its size.
// There is no scaled surface here, so the show draws as into a window. When
// the window goes away the host is asked to end the show.
class X11WindowScreen final : public ShowScreen {
 public:
  // Throws kv::Error when the window does not exist. Id 0 is the root window.
  X11WindowScreen(unsigned long id, InputRouter& router);
  ~X11WindowScreen() override;

  int32_t ScreenWidth() const override;
  int32_t ScreenHeight() const override;
  int32_t ScreenBitsPerPixel() const override;
  bool InitScaledSurface(int32_t width, int32_t height, int32_t bitsPerPixel) override;
  bool CanDraw() const override { return true; }
  int32_t SurfaceWidth() const override { return ScreenWidth(); }
  int32_t SurfaceHeight() const override { return ScreenHeight(); }
  void Present(int32_t x, int32_t y, const Bitmap32& frame) override;
  void ClearToBlack() override;
  void Capture(Bitmap32& target) override;
  void SetCursorVisible(bool visible) override;

 private:
  void Flush(int32_t left, int32_t top, int32_t right, int32_t bottom);

  std::unique_ptr<X11Drawable> window_;
  InputRouter& router_;
  Bitmap32 canvas_;  // what the window shows
  bool lost_ = false;
};

}  // namespace kv
