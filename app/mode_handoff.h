#pragma once

#include <cstdint>

#include "project/kvc_project.h"

namespace kv {

// Where the run modes hand over to the show, the configuration window and
// the preview drawing.
void HandOverShow(TKVCProject& project);
void HandOverConfiguration(TKVCProject& project);
// Waits for the preview window (an X11 window id) and draws into it.
void HandOverPreview(TKVCProject& project, uint64_t window);

}  // namespace kv
