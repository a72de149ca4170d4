#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace kv {

// Where a container starts inside a file.
struct PackStart {
  bool found = false;
  int64_t offset = 0;  // just past the marker
  int32_t count = 0;   // record count read there (0 when the file ends first)
};

// Scans forward from the first byte in 1001-byte blocks for the first
// complete marker. A byte that breaks a partial match is not compared with
// the marker's first byte again.
PackStart FindPackStart(std::FILE* file);
PackStart FindPackStart(const std::string& path);

struct ExtractResult {
  bool found = false;                // the marker was found
  int32_t count = 0;                 // record count of the container
  std::vector<std::string> written;  // files created, in record order
  std::vector<std::string> failed;   // files that could not be created
};

// Writes record i to names[i] for i below the smaller of the record count and
// the number of names; existing files are overwritten. An empty name skips
// its record (its bytes are still consumed), as does a file that cannot be
// created. A record cut short by the end of the file gives a shorter file,
// and every later name up to the record count an empty one.
ExtractResult ExtractPack(std::FILE* container, const std::vector<std::string>& names);
ExtractResult ExtractPack(const std::string& container, const std::vector<std::string>& names);

}  // namespace kv
