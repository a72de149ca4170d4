#pragma once

#include <string>
#include <vector>

namespace kv {

// The workspace files of a payload, in record order.
inline constexpr const char* kSettingsPackName = "KVC.res";
inline constexpr const char* kMediaListName = "KVFilenames.res";
inline constexpr const char* kMediaPackName = "KVFiles.res";
inline constexpr const char* kFormFileName = "KVGUI.wui";
// Never written by the unpacking; removed with the workspace.
inline constexpr const char* kFinalName = "KVFinal.res";

struct UnpackedPayload {
  std::vector<std::string> media_lines;  // lines of the media list
  std::vector<std::string> written;      // every file written, in order
  std::vector<std::string> failed;       // files that could not be created
};

// Writes the payload's four records into "folder" (ending in "/"), then the
// media pack's records under the name parts of the media list's lines. A line
// whose name part is empty, "." or ".." skips its record. Throws kv::Error,
// writing nothing, when the program file carries no payload.
UnpackedPayload ExtractPayload(const std::string& program, const std::string& folder);

// Whether the file holds a container at all.
bool HasPayload(const std::string& program);

}  // namespace kv
