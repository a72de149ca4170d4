// Scans arbitrary bytes for a container and extracts up to four records into
// a private scratch folder.
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "package/pack_reader.h"

namespace {

const std::string& Scratch() {
  static const std::string folder = [] {
    std::string pattern = "/tmp/kv-fuzz-pack-XXXXXX";
    if (!::mkdtemp(pattern.data())) std::abort();
    return pattern + "/";
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::FILE* file = ::fmemopen(const_cast<uint8_t*>(data), size, "rb");
  if (!file) return 0;
  kv::FindPackStart(file);
  const std::string dir = Scratch();
  kv::ExtractPack(file, {dir + "1", "", dir + "2", dir + "3"});
  std::fclose(file);
  return 0;
}
