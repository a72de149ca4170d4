#pragma once

#include <cstdint>
#include <string>

#include "project/kvc_project.h"

namespace kv {

// What a mode that unpacked the payload knows of its run.
struct ModeContext {
  std::string workspace;  // the workspace folder, ending in "/"
  std::string program;    // the program's own long path
};

// Where the run modes hand over to the show, the configuration window and
// the preview drawing. Each returns the process exit code.
int HandOverShow(TKVCProject& project, const ModeContext& context);
// The show inside a host's X11 window (0: the root window).
int HandOverShowInWindow(TKVCProject& project, const ModeContext& context, uint64_t window);
int HandOverConfiguration(TKVCProject& project, const ModeContext& context);
// Waits for the preview window (an X11 window id) and draws into it.
int HandOverPreview(TKVCProject& project, uint64_t window);

}  // namespace kv
