#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

// An ini file by the Windows profile-file rules: sections in brackets,
// key=value lines, section and key names matched without regard to case,
// the first match wins, integers in decimal (anything else counts as absent),
// booleans read as integer != 0 and written "1"/"0". Writes change only the
// line they touch; every other line of the file stays as it was.
class IniFile {
 public:
  IniFile() = default;

  // Reads the file; a missing file gives an empty ini whose Exists() is false.
  static IniFile Load(const std::string& path);
  static IniFile FromText(std::string_view text);

  bool Exists() const { return exists_; }
  const std::string& Path() const { return path_; }

  bool SectionExists(std::string_view section) const;
  // Key names of the section in file order.
  std::vector<std::string> ReadSection(std::string_view section) const;
  std::optional<std::string> Value(std::string_view section, std::string_view key) const;

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const;
  bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;

  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int32_t value);
  void WriteBool(std::string_view section, std::string_view key, bool value);
  void EraseSection(std::string_view section);

  std::string Text() const;

  // Replaces the file at Path() atomically (written beside it, then renamed).
  // Returns false, leaving the old file untouched, when that fails.
  bool Save() const;

 private:
  struct Range {
    size_t header;  // index of the "[section]" line
    size_t end;     // one past the section's last line
  };
  std::optional<Range> FindSection(std::string_view section) const;
  std::optional<size_t> FindKey(const Range& range, std::string_view key) const;

  std::string path_;
  bool exists_ = false;
  std::vector<std::string> lines_;
  std::string eol_ = "\n";
};

}  // namespace kv
