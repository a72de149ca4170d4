#include "project/playlist.h"

namespace kv {

std::vector<std::string> BuildPlaylist(const TKVCProject& project) {
  std::vector<std::string> names;
  const auto& list = project.FileList;
  for (size_t i = 0; i < list.Names.size() && i < list.Flags.size(); ++i) {
    if (list.Flags[i] == "TRUE") names.push_back(list.Names[i]);
  }
  return names;
}

}  // namespace kv
