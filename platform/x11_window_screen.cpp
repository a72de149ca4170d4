#include "platform/x11_window_screen.h"

#include <algorithm>
#include <cstring>

#include "platform/frame_copy.h"
#include "platform/input_router.h"
#include "platform/x11_drawable.h"

namespace kv {

X11WindowScreen::X11WindowScreen(unsigned long id, InputRouter& router)
    : window_(std::make_unique<X11Drawable>(id)), router_(router) {
  canvas_.SetSize(window_->Width(), window_->Height(), 0xFF000000u);
  ClearToBlack();
}

X11WindowScreen::~X11WindowScreen() = default;

int32_t X11WindowScreen::ScreenWidth() const { return canvas_.Width(); }
int32_t X11WindowScreen::ScreenHeight() const { return canvas_.Height(); }
int32_t X11WindowScreen::ScreenBitsPerPixel() const { return window_->Depth() > 0 ? window_->Depth() : 16; }

bool X11WindowScreen::InitScaledSurface(int32_t, int32_t, int32_t) { return false; }

void X11WindowScreen::Present(int32_t x, int32_t y, const Bitmap32& frame) {
  const CopiedArea a = CopyAt(frame, x, y, canvas_);
  if (a.Empty()) return;
  Flush(a.left, a.top, a.right, a.bottom);
}

void X11WindowScreen::ClearToBlack() {
  canvas_.Fill(0xFF000000u);
  Flush(0, 0, canvas_.Width(), canvas_.Height());
}

void X11WindowScreen::Capture(Bitmap32& target) { CopyTopLeft(canvas_, target); }

void X11WindowScreen::SetCursorVisible(bool) {}

void X11WindowScreen::Flush(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  if (lost_) return;
  window_->Put(canvas_, left, top, right - left, bottom - top, left, top);
  // A round trip per frame also keeps us from queueing frames faster than
  // the server draws them.
  if (!window_->Sync()) {
    lost_ = true;
    router_.HostClose();
  }
}

}  // namespace kv
