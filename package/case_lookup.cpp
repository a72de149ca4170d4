#include "package/case_lookup.h"

#include <dirent.h>
#include <sys/stat.h>

#include <memory>

#include "base/text.h"

namespace kv {

std::optional<std::string> FindFileNoCase(const std::string& folder, const std::string& name) {
  if (name.empty() || name.find('/') != std::string::npos) return std::nullopt;
  struct stat st;
  if (::lstat((folder + name).c_str(), &st) == 0) return folder + name;
  std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.empty() ? "." : folder.c_str()), ::closedir);
  if (!dir) return std::nullopt;
  // The smallest matching name, so the choice does not depend on directory order.
  std::optional<std::string> best;
  while (const dirent* entry = ::readdir(dir.get())) {
    if (SameText(entry->d_name, name) && (!best || entry->d_name < *best)) best = entry->d_name;
  }
  if (!best) return std::nullopt;
  return folder + *best;
}

}  // namespace kv
