#include "platform/disk_show_files.h"

#include <sys/stat.h>

#include "package/case_lookup.h"

namespace kv {
namespace {

bool IsRegularFile(const std::string& path) {
  struct stat info = {};
  return !path.empty() && stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

std::string FolderOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

DiskShowFiles::DiskShowFiles(std::string workspaceFolder, std::optional<std::string> commonFolder,
                             std::string programFolder)
    : workspace_(std::move(workspaceFolder)), common_(std::move(commonFolder)), program_(std::move(programFolder)) {}

std::optional<std::string> DiskShowFiles::Find(const std::string& path) const {
  if (IsRegularFile(path)) return path;
  const std::string folder = FolderOf(path);
  const std::string name = path.substr(folder.size());
  if (name.empty()) return std::nullopt;
  const std::optional<std::string> found = FindFileNoCase(folder.empty() ? std::string("./") : folder, name);
  if (!found || !IsRegularFile(*found)) return std::nullopt;
  return found;
}

}  // namespace kv
