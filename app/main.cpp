// kvsaver: the screensaver runtime. A copy of it with a payload appended is a
// self-contained screensaver.
#include <cstdio>
#include <memory>
#include <string>

#include "app/run_mode.h"
#include "app/run_modes.h"
#include "base/text.h"
#include "project/kvc_project.h"

namespace {

constexpr const char* kUsage =
    "Usage: kvsaver [MODE [WINDOW]]\n"
    "  /S          run the show full screen\n"
    "  /C          open the configuration window (also: no argument, /c:1234)\n"
    "  /P WINDOW   draw the preview into the X11 window WINDOW (decimal or 0x-hex)\n"
    "  /A WINDOW   change the password (does nothing on this platform)\n"
    "Modes may also be written with \"-\" or without a prefix.\n";

}  // namespace

int main(int argc, char** argv) {
  const std::string first = argc > 1 ? argv[1] : "";
  if (first == "--help") {
    std::fputs(kUsage, stdout);
    return 0;
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
