#include "saver/disk_files.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "package/case_lookup.h"
#include "project/common_folder.h"

namespace kv {
namespace {

bool IsRegularFile(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

// Names may use "\" or "/"; the folder is what precedes the last of either.
size_t LastSeparator(const std::string& path) { return path.find_last_of("\\/"); }

}  // namespace

DiskFiles::DiskFiles(std::string workspaceFolder, const std::string& programPath)
    : workspace_(std::move(workspaceFolder)) {
  const size_t sep = LastSeparator(programPath);
  program_folder_ = sep == std::string::npos ? std::string("./") : programPath.substr(0, sep + 1);
}

std::optional<std::string> DiskFiles::Find(const std::string& path) const {
  if (path.empty()) return std::nullopt;
  if (IsRegularFile(path)) return path;
  const size_t sep = LastSeparator(path);
  const std::string folder = sep == std::string::npos ? std::string("./") : path.substr(0, sep + 1);
  const std::string name = sep == std::string::npos ? path : path.substr(sep + 1);
  if (name.empty()) return std::nullopt;
  const std::optional<std::string> found = FindFileNoCase(folder, name);
  if (found && IsRegularFile(*found)) return found;
  return std::nullopt;
}

std::optional<std::string> DiskFiles::CommonFolder() const { return kv::CommonFolder(); }

}  // namespace kv
