#pragma once

#include <optional>
#include <string>

namespace kv {

// The path of the entry "name" in "folder" (which ends in "/"): the exact name
// when it exists, else the first entry whose name equals it without regard to
// ASCII letter case (the smallest such name). No value when there is neither.
std::optional<std::string> FindFileNoCase(const std::string& folder, const std::string& name);

}  // namespace kv
