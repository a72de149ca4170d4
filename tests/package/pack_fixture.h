#pragma once

// Test fixtures written by code: an independent container writer, a private
// temporary folder and environment overrides.
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace kv::testing {

inline const std::string kMarker("\x4B\x56\x53\x43\x52\x1A\x50\x41\x59\x4C\x4F\x41\x44", 13);

inline std::string Le32(int32_t value) {
  const auto v = static_cast<uint32_t>(value);
  return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF), static_cast<char>((v >> 16) & 0xFF),
          static_cast<char>((v >> 24) & 0xFF)};
}

// Marker, count, then size and bytes of each record.
inline std::string Container(const std::vector<std::string>& records) {
  std::string out = kMarker + Le32(static_cast<int32_t>(records.size()));
  for (const auto& r : records) out += Le32(static_cast<int32_t>(r.size())) + r;
  return out;
}

// A program payload: settings pack of three ini texts, media lines (CR LF),
// media records and the form file.
inline std::string Payload(const std::vector<std::string>& inis, const std::vector<std::string>& media_lines,
                           const std::vector<std::string>& media, const std::string& form = "0\r\n") {
  std::string list;
  for (const auto& line : media_lines) list += line + "\r\n";
  return Container({Container(inis), list, Container(media), form});
}

inline void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::optional<std::string> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline bool Exists(const std::string& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0;
}

// Names in a folder, sorted; empty when it does not exist.
inline std::vector<std::string> Listing(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& e : std::filesystem::directory_iterator(folder, ec)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// A fresh folder under /tmp, removed with everything in it.
class TempDir {
 public:
  TempDir() {
    std::string pattern = "/tmp/kvtest-XXXXXX";
    if (::mkdtemp(pattern.data())) path_ = pattern + "/";
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  // Ends in "/".
  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + name; }

 private:
  std::string path_;
};

// Sets (or with no value unsets) an environment variable for a scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) {
      ::setenv(name, value->c_str(), 1);
    } else {
      ::unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      ::setenv(name_, old_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

}  // namespace kv::testing
