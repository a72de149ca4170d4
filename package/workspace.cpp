#include "package/workspace.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/error.h"
#include "base/text.h"
#include "package/payload.h"

namespace kv {
namespace {

std::string WithSlash(std::string path) {
  if (path.empty() || path.back() != '/') path += '/';
  return path;
}

// Refuses a folder that is a symlink, not a directory, or not the user's.
void CheckOwnFolder(const std::string& folder, const struct stat& st) {
  if (S_ISLNK(st.st_mode)) throw Error("Refusing to use " + folder + ": it is a symbolic link");
  if (!S_ISDIR(st.st_mode)) throw Error("Refusing to use " + folder + ": it is not a folder");
  if (st.st_uid != ::geteuid()) throw Error("Refusing to use " + folder + ": it belongs to another user");
}

// Checks an existing folder; false when it does not exist.
bool ExistingOwnFolder(const std::string& folder) {
  struct stat st;
  if (::lstat(folder.c_str(), &st) != 0) {
    if (errno == ENOENT) return false;
    throw Error("Cannot examine " + folder + ": " + std::strerror(errno));
  }
  CheckOwnFolder(folder, st);
  return true;
}

void CreateOwnFolder(const std::string& folder) {
  if (ExistingOwnFolder(folder)) return;
  if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
    throw Error("Cannot create " + folder + ": " + std::strerror(errno));
  // Lost a race with another creator: whatever is there must pass the checks.
  if (!ExistingOwnFolder(folder)) throw Error("Cannot create " + folder);
}

}  // namespace

std::string UserTempFolder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime && *runtime) {
    const std::string folder = WithSlash(runtime);
    std::string bare = folder.size() > 1 ? folder.substr(0, folder.size() - 1) : folder;
    if (!ExistingOwnFolder(bare)) throw Error("The temporary folder " + folder + " does not exist");
    return folder;
  }
  const char* tmp = std::getenv("TMPDIR");
  const std::string parent = WithSlash(tmp && *tmp ? tmp : "/tmp");
  const std::string folder = parent + "kvsaver-" + std::to_string(::geteuid());
  CreateOwnFolder(folder);
  return folder + "/";
}

std::string ProgramBaseName(const std::string& program_path) {
  const std::string name = NamePart(program_path);
  return name.substr(0, name.find('.'));
}

std::string WorkspacePath(const std::string& program_path) {
  const std::string base = ProgramBaseName(program_path);
  if (base.empty()) throw Error("No workspace for the program \"" + program_path + "\": its name has no base part");
  return UserTempFolder() + base + "/";
}

std::string WorkspaceFolder(const std::string& program_path) {
  const std::string folder = WorkspacePath(program_path);
  CreateOwnFolder(folder.substr(0, folder.size() - 1));
  return folder;
}

std::optional<std::string> MediaTargetName(const std::string& line) {
  std::string name = NamePart(line);
  if (name.empty() || name == "." || name == "..") return std::nullopt;
  return name;
}

void RemoveWorkspace(const std::string& workspace_folder) {
  const std::string folder = WithSlash(workspace_folder);
  struct stat st;
  if (::lstat(workspace_folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return;
  if (const auto list = ReadSmallFile(folder + kMediaListName)) {
    for (const auto& line : SplitLines(*list)) {
      if (const auto name = MediaTargetName(line)) std::remove((folder + *name).c_str());
    }
  }
  for (const char* name : {kSettingsPackName, kMediaPackName, kFinalName, kMediaListName, kFormFileName})
    std::remove((folder + name).c_str());
  ::rmdir(folder.c_str());
}

}  // namespace kv
