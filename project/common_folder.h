#pragma once

#include <optional>
#include <string>

namespace kv {

// The product family's shared media folder, ending in "/":
// $KVSAVER_COMMON_DIR when set, else /usr/share/kvsaver/common/. No value
// when that folder does not exist; callers then skip it.
std::optional<std::string> CommonFolder();

}  // namespace kv
