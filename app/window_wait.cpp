#include "app/window_wait.h"

#include <X11/Xlib.h>
#include <poll.h>

#include "base/message_box.h"

namespace kv {
namespace {

bool g_x_error = false;

int RecordError(Display*, XErrorEvent*) {
  g_x_error = true;
  return 0;
}

class DisplayConnection {
 public:
  DisplayConnection() : display_(XOpenDisplay(nullptr)), old_handler_(XSetErrorHandler(RecordError)) {}
  ~DisplayConnection() {
    if (display_) XCloseDisplay(display_);
    XSetErrorHandler(old_handler_);
  }
  DisplayConnection(const DisplayConnection&) = delete;
  DisplayConnection& operator=(const DisplayConnection&) = delete;
  Display* get() const { return display_; }

 private:
  Display* display_;
  XErrorHandler old_handler_;
};

}  // namespace

bool WaitForWindowVisible(uint64_t id) {
  DisplayConnection connection;
  Display* display = connection.get();
  if (!display) {
    WriteToStderr("Cannot open the X display");
    return false;
  }
  const auto window = static_cast<Window>(id);
  g_x_error = false;
  XSelectInput(display, window, StructureNotifyMask);
  XSync(display, False);
  for (;;) {
    XWindowAttributes attributes;
    const Status ok = XGetWindowAttributes(display, window, &attributes);
    XSync(display, False);
    if (!ok || g_x_error) return false;
    if (attributes.map_state == IsViewable) return true;
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == DestroyNotify && event.xdestroywindow.window == window) return false;
    }
    pollfd fd{ConnectionNumber(display), POLLIN, 0};
    ::poll(&fd, 1, 100);
  }
}

}  // namespace kv
