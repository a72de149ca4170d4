#include "platform/desktop_screen.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include "base/error.h"
#include "platform/frame_copy.h"
#include "platform/gl_show_window.h"
#include "platform/input_router.h"
#include "platform/raster_show_window.h"

namespace kv {
namespace {

void ApplyCursor(QWindow& window, bool visible) {
  if (visible) {
    window.unsetCursor();
  } else {
    window.setCursor(QCursor(Qt::BlankCursor));
  }
}

}  // namespace

DesktopScreen::DesktopScreen(InputRouter& router) : router_(router) {
  QScreen* primary = QGuiApplication::primaryScreen();
  if (primary == nullptr) throw Error("No screen to show on");
  width_ = primary->geometry().width();
  height_ = primary->geometry().height();
  depth_ = primary->depth() > 0 ? primary->depth() : 16;
  for (QScreen* screen : QGuiApplication::screens()) {
    if (screen == primary) continue;
    others_.push_back(std::make_unique<RasterShowWindow>(router_, screen));
    others_.back()->showFullScreen();
  }
  primary_ = std::make_unique<RasterShowWindow>(router_, primary);
  primary_->showFullScreen();
  primary_->requestActivate();
}

DesktopScreen::~DesktopScreen() = default;

int32_t DesktopScreen::ScreenWidth() const { return width_; }
int32_t DesktopScreen::ScreenHeight() const { return height_; }
int32_t DesktopScreen::ScreenBitsPerPixel() const { return depth_; }

bool DesktopScreen::InitScaledSurface(int32_t, int32_t, int32_t) {
  if (gl_) return true;
  auto gl = std::make_unique<GlShowWindow>(router_, QGuiApplication::primaryScreen());
  if (!gl->Init()) return false;
  gl_ = std::move(gl);
  ApplyCursor(*gl_, cursorVisible_);
  gl_->showFullScreen();
  gl_->requestActivate();
  primary_.reset();
  return true;
}

bool DesktopScreen::CanDraw() const { return gl_ ? gl_->Initialized() : true; }

int32_t DesktopScreen::SurfaceWidth() const { return gl_ ? gl_->Surface().Width() : width_; }
int32_t DesktopScreen::SurfaceHeight() const { return gl_ ? gl_->Surface().Height() : height_; }

void DesktopScreen::Present(int32_t x, int32_t y, const Bitmap32& frame) {
  if (gl_) {
    gl_->Present(frame);
  } else {
    primary_->Present(x, y, frame);
  }
}

void DesktopScreen::ClearToBlack() {
  if (gl_) {
    Bitmap32 black(gl_->Surface().Width(), gl_->Surface().Height());
    gl_->Present(black);
  } else {
    primary_->ClearToBlack();
  }
}

void DesktopScreen::Capture(Bitmap32& target) {
  if (gl_) {
    CopyTopLeft(gl_->Surface(), target);
  } else {
    primary_->Capture(target);
  }
}

void DesktopScreen::SetCursorVisible(bool visible) {
  cursorVisible_ = visible;
  if (gl_) ApplyCursor(*gl_, visible);
  if (primary_) ApplyCursor(*primary_, visible);
  for (auto& window : others_) ApplyCursor(*window, visible);
}

}  // namespace kv
