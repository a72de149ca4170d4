#include "platform/x11_drawable.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <vector>

#include "base/error.h"
#include "base/message_box.h"
#include "image/picture_loader.h"

namespace kv {
namespace {

bool g_x_failed = false;

int RecordXError(Display*, XErrorEvent*) {
  g_x_failed = true;
  return 0;
}

int LowestBit(unsigned long mask) {
  int shift = 0;
  while (mask != 0 && (mask & 1) == 0) {
    mask >>= 1;
    ++shift;
  }
  return shift;
}

// Scales an 8-bit channel to a mask of any width.
unsigned long ToMask(uint32_t channel, unsigned long mask) {
  const int shift = LowestBit(mask);
  const unsigned long max = mask >> shift;
  return ((channel * max + 127) / 255) << shift;
}

}  // namespace

X11Drawable::X11Drawable(unsigned long id) {
  display_ = XOpenDisplay(nullptr);
  if (display_ == nullptr) throw Error("Cannot open the X display");
  previousHandler_ = reinterpret_cast<void*>(XSetErrorHandler(RecordXError));
  g_x_failed = false;
  window_ = id != 0 ? id : DefaultRootWindow(display_);
  XWindowAttributes attributes = {};
  const Status ok = XGetWindowAttributes(display_, window_, &attributes);
  XSync(display_, False);
  if (!ok || g_x_failed) {
    XSetErrorHandler(reinterpret_cast<XErrorHandler>(previousHandler_));
    XCloseDisplay(display_);
    throw Error("No X11 window " + std::to_string(id));
  }
  width_ = attributes.width;
  height_ = attributes.height;
  depth_ = attributes.depth;
  visual_ = attributes.visual;
  const Visual* visual = attributes.visual;
  gc_ = XCreateGC(display_, window_, 0, nullptr);
  int formats = 0;
  XPixmapFormatValues* list = XListPixmapFormats(display_, &formats);
  int bitsPerPixel = 0;
  for (int i = 0; i < formats; ++i) {
    if (list[i].depth == depth_) bitsPerPixel = list[i].bits_per_pixel;
  }
  if (list != nullptr) XFree(list);
  direct_ = bitsPerPixel == 32 && (depth_ == 24 || depth_ == 32) && visual->red_mask == 0xFF0000 &&
            visual->green_mask == 0xFF00 && visual->blue_mask == 0xFF && ImageByteOrder(display_) == LSBFirst;
}

X11Drawable::~X11Drawable() {
  XFreeGC(display_, gc_);
  XSync(display_, False);
  XSetErrorHandler(reinterpret_cast<XErrorHandler>(previousHandler_));
  XCloseDisplay(display_);
}

void X11Drawable::Put(const Bitmap32& bitmap, int32_t sx, int32_t sy, int32_t w, int32_t h, int32_t x, int32_t y) {
  if (w <= 0 || h <= 0 || bitmap.Empty()) return;
  Visual* visual = static_cast<Visual*>(visual_);
  if (direct_) {
    XImage* image = XCreateImage(display_, visual, depth_, ZPixmap, 0,
                                 reinterpret_cast<char*>(const_cast<uint32_t*>(bitmap.Bits())), bitmap.Width(),
                                 bitmap.Height(), 32, bitmap.Stride() * 4);
    if (image == nullptr) return;
    XPutImage(display_, window_, gc_, image, sx, sy, x, y, w, h);
    image->data = nullptr;
    XDestroyImage(image);
    return;
  }
  // Any other visual: convert the rectangle pixel by pixel.
  XImage* image = XCreateImage(display_, visual, depth_, ZPixmap, 0, nullptr, w, h, 32, 0);
  if (image == nullptr) return;
  std::vector<char> data(static_cast<size_t>(image->bytes_per_line) * h);
  image->data = data.data();
  for (int32_t row = 0; row < h; ++row) {
    const uint32_t* in = bitmap.Row(sy + row) + sx;
    for (int32_t col = 0; col < w; ++col) {
      const uint32_t c = in[col];
      XPutPixel(image, col, row,
                ToMask((c >> 16) & 0xFF, visual->red_mask) | ToMask((c >> 8) & 0xFF, visual->green_mask) |
                    ToMask(c & 0xFF, visual->blue_mask));
    }
  }
  XPutImage(display_, window_, gc_, image, 0, 0, x, y, w, h);
  image->data = nullptr;
  XDestroyImage(image);
}

bool X11Drawable::Sync() {
  XSync(display_, False);
  const bool ok = !g_x_failed;
  g_x_failed = false;
  return ok;
}

void StretchNearest(const Bitmap32& source, Bitmap32& target) {
  if (source.Empty() || target.Empty()) return;
  std::vector<int32_t> columns(static_cast<size_t>(target.Width()));
  for (int32_t x = 0; x < target.Width(); ++x) {
    columns[x] = static_cast<int32_t>((2 * static_cast<int64_t>(x) + 1) * source.Width() / (2 * target.Width()));
  }
  for (int32_t y = 0; y < target.Height(); ++y) {
    const int32_t sy = static_cast<int32_t>((2 * static_cast<int64_t>(y) + 1) * source.Height() / (2 * target.Height()));
    const uint32_t* in = source.Row(sy);
    uint32_t* out = target.Row(y);
    for (int32_t x = 0; x < target.Width(); ++x) out[x] = in[columns[x]] | 0xFF000000u;
  }
}

bool DrawPreviewIntoX11Window(const std::string& picture, unsigned long id) {
  try {
    const Bitmap32 loaded = LoadPicture(picture);
    X11Drawable window(id);
    Bitmap32 stretched(window.Width(), window.Height());
    StretchNearest(loaded, stretched);
    window.Put(stretched, 0, 0, stretched.Width(), stretched.Height(), 0, 0);
    if (!window.Sync()) throw Error("Cannot draw into X11 window " + std::to_string(id));
    return true;
  } catch (const Error& e) {
    WriteToStderr(e.what());
    return false;
  }
}

}  // namespace kv
