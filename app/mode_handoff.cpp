#include "app/mode_handoff.h"

#include <cstdlib>
#include <memory>

#include "app/window_wait.h"
#include "base/message_box.h"
#include "platform/qt_application.h"
#include "platform/qt_show_backend.h"
#include "platform/x11_drawable.h"

namespace kv {

namespace {

// The application object for the show; none without a display to show on
// (the caller then reports that and ends).
std::unique_ptr<QtApplication> StartApplication() {
  const char* display = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  if ((display == nullptr || *display == 0) && (wayland == nullptr || *wayland == 0)) {
    Messages().Show("No display to show on.");
    return nullptr;
  }
  static int argc = 1;
  static char name[] = "kvsaver";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QtApplication>(argc, argv);
}

}  // namespace

int HandOverShow(TKVCProject& project, const ModeContext& context) {
  const auto application = StartApplication();
  if (!application) return 1;
  return RunShowOnDesktop(project, context.workspace, context.program);
}

int HandOverShowInWindow(TKVCProject& project, const ModeContext& context, uint64_t window) {
  const auto application = StartApplication();
  if (!application) return 1;
  return RunShowInX11Window(project, static_cast<unsigned long>(window), context.workspace, context.program);
}

int HandOverConfiguration(TKVCProject&, const ModeContext&) {
  Messages().Show("The configuration window is not built yet.");
  return 0;
}

int HandOverPreview(TKVCProject& project, uint64_t window) {
  if (!WaitForWindowVisible(window)) return 0;
  return DrawPreviewIntoX11Window(project.Setting.PreviewFile, static_cast<unsigned long>(window)) ? 0 : 1;
}

}  // namespace kv
