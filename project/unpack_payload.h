#pragma once

#include <string>

#include "project/kvc_project.h"

namespace kv {

// Unpacks the payload of the program file (given as its LongPath) into its
// workspace folder and fills the project: file list entries, PreviewFile and
// UIFile then point into the workspace. Returns the workspace folder. Throws
// kv::Error when the file has no payload or the workspace is refused; nothing
// is written then.
std::string UnpackPayload(TKVCProject& project, const std::string& program_long_path);

}  // namespace kv
