#pragma once

#include <string>

namespace kv {

// The canonical absolute path of an existing file (symlinks, "." and ".."
// resolved). Empty when the name holds "*" or "?", names no file, or names a
// folder.
std::string LongPath(const std::string& path);

}  // namespace kv
