#include "saver/music_playlist.h"

#include "base/random.h"

namespace kv {

std::vector<std::string> BuildMusicFiles(std::string_view musicFile, const std::string& workspaceFolder) {
  std::vector<std::string> files;
  size_t start = 0;
  while (start <= musicFile.size()) {
    size_t end = musicFile.find(';', start);
    if (end == std::string_view::npos) end = musicFile.size();
    const std::string_view piece = musicFile.substr(start, end - start);
    if (!piece.empty()) {
      if (piece.find_first_of("\\/") == std::string_view::npos) {
        files.push_back(workspaceFolder + std::string(piece));
      } else {
        files.emplace_back(piece);
      }
    }
    start = end + 1;
  }
  return files;
}

void NextTrack(int32_t& index, int32_t count, int32_t musicMode) {
  if (musicMode != 0) {
    index = index + 1 >= count ? 0 : index + 1;
    return;
  }
  if (count < 2) {
    index = 0;
    return;
  }
  int32_t next = Random(count);
  while (next == index) next = Random(count);
  index = next;
}

}  // namespace kv
