#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdint>

namespace kv::test {

// Reads one pixel of a window (the root window for 0) as 0xRRGGBB.
inline uint32_t ScreenPixel(int x, int y, unsigned long window = 0) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return 0xDEADBEEF;
  const Window target = window != 0 ? window : DefaultRootWindow(display);
  XImage* image = XGetImage(display, target, x, y, 1, 1, AllPlanes, ZPixmap);
  uint32_t pixel = 0xDEADBEEF;
  if (image != nullptr) {
    pixel = static_cast<uint32_t>(XGetPixel(image, 0, 0)) & 0xFFFFFF;
    XDestroyImage(image);
  }
  XCloseDisplay(display);
  return pixel;
}

}  // namespace kv::test
