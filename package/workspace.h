#pragma once

#include <optional>
#include <string>

namespace kv {

// The user's temporary directory, ending in "/": $XDG_RUNTIME_DIR when set,
// else a private folder "kvsaver-<uid>" (mode 0700, created when missing)
// inside $TMPDIR or /tmp. Throws kv::Error, writing nothing, when the folder
// is a symlink, not a directory or not owned by the user.
std::string UserTempFolder();

// The program's base name: the file name of its path cut before its first ".".
std::string ProgramBaseName(const std::string& program_path);

// The workspace folder of a program (given as its LongPath), ending in "/":
// UserTempFolder() + base name + "/". WorkspacePath only computes it;
// WorkspaceFolder also creates it (one level) when missing. Both throw
// kv::Error when the base name is empty or the folder is refused as above.
std::string WorkspacePath(const std::string& program_path);
std::string WorkspaceFolder(const std::string& program_path);

// The file name a media list line unpacks to: its part after the last "\" or
// "/". No value when that is empty, "." or "..".
std::optional<std::string> MediaTargetName(const std::string& line);

// Deletes the media files named by "KVFilenames.res", then "KVC.res",
// "KVFiles.res", "KVFinal.res", "KVFilenames.res" and "KVGUI.wui", then the
// folder itself. Missing files and a folder that cannot be removed are
// passed over silently.
void RemoveWorkspace(const std::string& workspace_folder);

}  // namespace kv
