#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

// The music files of a show: `musicFile` cut at every ";", empty pieces
// dropped, pieces without a folder part ("\" or "/") put into `workspaceFolder`
// (which ends in a separator).
std::vector<std::string> BuildMusicFiles(std::string_view musicFile, const std::string& workspaceFolder);

// Moves a playlist position on: musicMode != 0 steps forward, wrapping to 0;
// musicMode 0 draws Random(count) until it differs from `index` (0 when the
// list has fewer than two entries).
void NextTrack(int32_t& index, int32_t count, int32_t musicMode);

}  // namespace kv
