#include "base/ini_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "base/text.h"

namespace kv {
namespace {

// The section name of a "[name]" line, or no value for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
  const std::string_view t = Trim(line);
  if (t.empty() || t.front() != '[') return std::nullopt;
  const size_t close = t.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(t.substr(1, close - 1));
}

// The key of a "key=value" line, or no value for comments and other lines.
std::optional<std::string_view> KeyName(std::string_view line) {
  const std::string_view t = Trim(line);
  if (t.empty() || t.front() == ';') return std::nullopt;
  const size_t eq = t.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  return Trim(t.substr(0, eq));
}

std::string ValueOf(std::string_view line) {
  std::string_view v = Trim(line.substr(line.find('=') + 1));
  if (v.size() >= 2 && ((v.front() == '"' && v.back() == '"') || (v.front() == '\'' && v.back() == '\'')))
    v = v.substr(1, v.size() - 2);
  return std::string(v);
}

bool WriteAll(int fd, const std::string& data) {
  size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

IniFile IniFile::Load(const std::string& path) {
  IniFile ini;
  ini.path_ = path;
  if (auto text = ReadSmallFile(path)) {
    ini = FromText(*text);
    ini.path_ = path;
    ini.exists_ = true;
  }
  return ini;
}

IniFile IniFile::FromText(std::string_view text) {
  IniFile ini;
  ini.exists_ = true;
  if (text.find("\r\n") != std::string_view::npos) ini.eol_ = "\r\n";
  ini.lines_ = SplitLines(text);
  return ini;
}

std::optional<IniFile::Range> IniFile::FindSection(std::string_view section) const {
  for (size_t i = 0; i < lines_.size(); ++i) {
    const auto name = SectionName(lines_[i]);
    if (!name || !SameText(*name, section)) continue;
    size_t end = i + 1;
    while (end < lines_.size() && !SectionName(lines_[end])) ++end;
    return Range{i, end};
  }
  return std::nullopt;
}

std::optional<size_t> IniFile::FindKey(const Range& range, std::string_view key) const {
  for (size_t i = range.header + 1; i < range.end; ++i) {
    const auto name = KeyName(lines_[i]);
    if (name && SameText(*name, key)) return i;
  }
  return std::nullopt;
}

bool IniFile::SectionExists(std::string_view section) const { return FindSection(section).has_value(); }

std::vector<std::string> IniFile::ReadSection(std::string_view section) const {
  std::vector<std::string> keys;
  const auto range = FindSection(section);
  if (!range) return keys;
  for (size_t i = range->header + 1; i < range->end; ++i) {
    if (const auto name = KeyName(lines_[i])) keys.emplace_back(*name);
  }
  return keys;
}

std::optional<std::string> IniFile::Value(std::string_view section, std::string_view key) const {
  const auto range = FindSection(section);
  if (!range) return std::nullopt;
  const auto line = FindKey(*range, key);
  if (!line) return std::nullopt;
  return ValueOf(lines_[*line]);
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
  auto v = Value(section, key);
  return v ? *v : std::string(fallback);
}

int32_t IniFile::ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const {
  const auto v = Value(section, key);
  if (!v) return fallback;
  return ParseInt32(*v).value_or(fallback);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
  return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  std::string line = std::string(key) + "=" + std::string(value);
  auto range = FindSection(section);
  if (!range) {
    if (!lines_.empty() && !Trim(lines_.back()).empty()) lines_.emplace_back();
    lines_.push_back("[" + std::string(section) + "]");
    lines_.push_back(std::move(line));
    return;
  }
  if (const auto existing = FindKey(*range, key)) {
    // Keep the key as spelled in the file.
    const std::string& old = lines_[*existing];
    lines_[*existing] = std::string(Trim(old.substr(0, old.find('=')))) + "=" + std::string(value);
    return;
  }
  // After the section's last non-blank line.
  size_t at = range->end;
  while (at > range->header + 1 && Trim(lines_[at - 1]).empty()) --at;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
  WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void IniFile::EraseSection(std::string_view section) {
  while (const auto range = FindSection(section)) {
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(range->header),
                 lines_.begin() + static_cast<std::ptrdiff_t>(range->end));
  }
}

std::string IniFile::Text() const {
  std::string out;
  for (const auto& line : lines_) {
    out += line;
    out += eol_;
  }
  return out;
}

bool IniFile::Save() const {
  if (path_.empty()) return false;
  const std::string temp = path_ + ".tmp~";
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0644);
  if (fd < 0) return false;
  const bool written = WriteAll(fd, Text()) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || std::rename(temp.c_str(), path_.c_str()) != 0) {
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

}  // namespace kv
