#include "package/pack_reader.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <memory>

#include "package/pack_marker.h"

namespace kv {
namespace {

constexpr size_t kBlock = 1001;

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// A little-endian 32-bit integer, or no value when fewer than 4 bytes remain.
bool ReadInt32(std::FILE* file, int32_t& value) {
  uint8_t b[4];
  if (std::fread(b, 1, 4, file) != 4) return false;
  value = static_cast<int32_t>(static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
                               static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24);
  return true;
}

bool WriteAll(int fd, const uint8_t* data, size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

PackStart FindPackStart(std::FILE* file) {
  PackStart start;
  const PackMarkerBytes marker = PackMarker();
  if (std::fseek(file, 0, SEEK_SET) != 0) return start;
  std::array<uint8_t, kBlock> block;
  int64_t position = 0;
  size_t match = 0;
  for (;;) {
    const size_t n = std::fread(block.data(), 1, block.size(), file);
    if (n == 0) return start;
    for (size_t i = 0; i < n; ++i) {
      ++position;
      if (block[i] != marker[match]) {
        match = 0;
      } else if (++match == marker.size()) {
        start.found = true;
        start.offset = position;
        if (fseeko(file, position, SEEK_SET) != 0 || !ReadInt32(file, start.count)) start.count = 0;
        return start;
      }
    }
  }
}

PackStart FindPackStart(const std::string& path) {
  FilePtr file(std::fopen(path.c_str(), "rb"));
  if (!file) return {};
  return FindPackStart(file.get());
}

ExtractResult ExtractPack(std::FILE* container, const std::vector<std::string>& names) {
  ExtractResult result;
  const PackStart start = FindPackStart(container);
  if (!start.found) return result;
  result.found = true;
  result.count = start.count;
  if (start.count <= 0) return result;
  // Just past the record count.
  if (fseeko(container, start.offset + 4, SEEK_SET) != 0) return result;
  const size_t records = std::min(static_cast<size_t>(start.count), names.size());
  std::array<uint8_t, kBlock> chunk;
  for (size_t i = 0; i < records; ++i) {
    int32_t size = 0;
    if (!ReadInt32(container, size) || size < 0) size = 0;
    int fd = -1;
    if (!names[i].empty()) {
      fd = ::open(names[i].c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0644);
      (fd < 0 ? result.failed : result.written).push_back(names[i]);
    }
    bool write_ok = true;
    int64_t left = size;
    while (left > 0) {
      const size_t want = static_cast<size_t>(std::min<int64_t>(left, kBlock));
      const size_t got = std::fread(chunk.data(), 1, want, container);
      if (got == 0) break;
      if (fd >= 0 && write_ok) write_ok = WriteAll(fd, chunk.data(), got);
      left -= static_cast<int64_t>(got);
    }
    if (fd >= 0) {
      if (::close(fd) != 0) write_ok = false;
      if (!write_ok) {
        result.written.pop_back();
        result.failed.push_back(names[i]);
      }
    }
  }
  return result;
}

ExtractResult ExtractPack(const std::string& container, const std::vector<std::string>& names) {
  FilePtr file(std::fopen(container.c_str(), "rb"));
  if (!file) return {};
  return ExtractPack(file.get(), names);
}

}  // namespace kv
