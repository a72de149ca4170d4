#include "package/long_path.h"

#include <sys/stat.h>

#include <climits>
#include <cstdlib>

namespace kv {

std::string LongPath(const std::string& path) {
  if (path.empty() || path.find_first_of("*?") != std::string::npos) return {};
  struct stat st;
  if (::stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return {};
  char resolved[PATH_MAX];
  if (!::realpath(path.c_str(), resolved)) return {};
  return resolved;
}

}  // namespace kv
