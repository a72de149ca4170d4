#pragma once

#include <string>
#include <vector>

#include "project/kvc_project.h"

namespace kv {

// The names of the file list flagged exactly "TRUE", in list order.
std::vector<std::string> BuildPlaylist(const TKVCProject& project);

}  // namespace kv
