#pragma once

#include <cstdint>
#include <string>

#include "project/kvc_project.h"

namespace kv {

// Unpacks the running program's payload (found through /proc/self/exe) into
// the project; returns the workspace folder. Throws kv::Error on failure.
std::string PrepareProject(TKVCProject& project);

// Each returns the process exit code.
int RunShowMode(TKVCProject& project);
int RunConfigMode(TKVCProject& project);
// The show inside a host's X11 window (the xscreensaver convention; 0 is the
// root window); unpacks and removes the workspace like the show mode.
int RunHostWindowMode(TKVCProject& project, uint64_t window);
// Leaves the workspace in place for the next show or configuration run.
int RunPreviewMode(TKVCProject& project, const std::string& handle_argument);
// No password services here: does nothing and creates no workspace.
int RunPasswordMode();

}  // namespace kv
