#pragma once

#include <cstdint>
#include <string>

#include "image/bitmap32.h"

typedef struct _XDisplay Display;
typedef struct _XGC* GC;

namespace kv {

// A window of another client (or the root window) that we draw into with
// plain X requests, on a display connection of our own. Id 0 names the
// root window. Errors about the window (it was destroyed, say) are recorded,
// never fatal.
class X11Drawable {
 public:
  // Throws kv::Error when the display cannot be opened or the window does
  // not exist.
  explicit X11Drawable(unsigned long id);
  ~X11Drawable();
  X11Drawable(const X11Drawable&) = delete;
  X11Drawable& operator=(const X11Drawable&) = delete;

  unsigned long Id() const { return window_; }
  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  int32_t Depth() const { return depth_; }

  // Puts `bitmap`'s rectangle (sx, sy, w, h) at (x, y) of the window; X
  // clips what falls outside.
  void Put(const Bitmap32& bitmap, int32_t sx, int32_t sy, int32_t w, int32_t h, int32_t x, int32_t y);
  // Waits until the server has handled every request; false when one of
  // them failed (the window is gone).
  bool Sync();

 private:
  Display* display_ = nullptr;
  unsigned long window_ = 0;
  GC gc_ = nullptr;
  void* visual_ = nullptr;  // the window's Visual*
  int32_t width_ = 0;
  int32_t height_ = 0;
  int32_t depth_ = 0;
  bool direct_ = false;  // the visual takes Bitmap32 words as they are
  void* previousHandler_ = nullptr;
};

// Draws the picture file stretched over the whole of X11 window `id` (pixels
// repeated or dropped, no smoothing) and waits until the server has drawn
// it. Returns false, with the reason on stderr, when the picture cannot be
// loaded or the window cannot be drawn into.
bool DrawPreviewIntoX11Window(const std::string& picture, unsigned long id);

// Stretches `source` onto the whole of `target` by dropping or repeating
// pixels (nearest sample at each target pixel's centre).
void StretchNearest(const Bitmap32& source, Bitmap32& target);

}  // namespace kv
