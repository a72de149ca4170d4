#pragma once

#include <string>

#include "project/kvc_project.h"
#include "saver/platform_interfaces.h"

namespace kv {

// Runs the show for a project on a platform backend and returns when its
// window has closed. An empty file list shows "No image found in Images
// List." and returns at once. Otherwise every entry is flagged "TRUE", the
// preferences file beside `programPath` is laid over the project
// (ApplyPreferencesToProject), and the show window runs modally.
// Used by the show mode, the xscreensaver window mode and the configuration
// window's one-file preview; the caller removes the workspace afterwards.
void RunShow(TKVCProject& project, ShowBackend& backend, const std::string& programPath);

}  // namespace kv
