#include "project/common_folder.h"

#include <sys/stat.h>

#include <cstdlib>

namespace kv {

std::optional<std::string> CommonFolder() {
  const char* env = std::getenv("KVSAVER_COMMON_DIR");
  std::string folder = env && *env ? env : "/usr/share/kvsaver/common/";
  struct stat st;
  if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return std::nullopt;
  if (folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace kv
