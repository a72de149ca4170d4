// kvsaver: the screensaver runtime. A copy of it with a payload appended is a
// self-contained screensaver.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <memory>
#include <string>

#include "app/run_mode.h"
#include "app/run_modes.h"
#include "base/message_box.h"
#include "base/text.h"
#include "project/kvc_project.h"

namespace {

constexpr const char* kUsage =
    "Usage: kvsaver [MODE [WINDOW]]\n"
    "  /S          run the show full screen\n"
    "  /C          open the configuration window (also: no argument, /c:1234)\n"
    "  /P WINDOW   draw the preview into the X11 window WINDOW (decimal or 0x-hex)\n"
    "  /A WINDOW   change the password (does nothing on this platform)\n"
    "Modes may also be written with \"-\" or without a prefix.\n"
    "As an xscreensaver hack:\n"
    "  -window-id WINDOW   run the show inside the X11 window WINDOW\n"
    "  -root               run the show in the root window\n"
    "  (no argument)       with $XSCREENSAVER_WINDOW set: inside that window\n";

// The host window of the xscreensaver convention. `named` is set when the
// command line or the environment asks for one; `id` is then the window
// (0 is the root window), or no value when it is not a number.
struct HostWindow {
  bool named = false;
  std::optional<uint64_t> id;
};

HostWindow FindHostWindow(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "-root" || arg == "--root") return {true, 0};
    if (arg == "-window-id" || arg == "--window-id")
      return {true, i + 1 < argc ? kv::ParseWindowHandle(argv[i + 1]) : std::nullopt};
  }
  const char* id = std::getenv("XSCREENSAVER_WINDOW");
  if (argc == 1 && id && *id) return {true, kv::ParseWindowHandle(id)};
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  const std::string first = argc > 1 ? argv[1] : "";
  if (first == "--help") {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (const HostWindow host = FindHostWindow(argc, argv); host.named) {
    if (!host.id) {
      kv::WriteToStderr("kvsaver: the host window id is missing or not a number");
      return 1;
    }
    kv::TKVCProject project;
    return kv::RunHostWindowMode(project, *host.id);
  }

  const kv::RunMode mode = kv::ModeOf(kv::ModeText(first));
  const std::string handle = kv::UpperCase(argc > 2 ? argv[2] : "");

  auto project = std::make_unique<kv::TKVCProject>();
  if (mode == kv::RunMode::kPassword) return kv::RunPasswordMode();

  int code = 0;
  if (mode == kv::RunMode::kShow) code = kv::RunShowMode(*project);
  if (mode == kv::RunMode::kConfiguration) code = kv::RunConfigMode(*project);
  if (mode == kv::RunMode::kPreview) code = kv::RunPreviewMode(*project, handle);
  return code;
}
