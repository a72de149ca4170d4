// Reads, edits and re-reads an ini text built from arbitrary bytes.
#include <cstdint>
#include <string>
#include <string_view>

#include "base/ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  kv::IniFile ini = kv::IniFile::FromText(text);
  for (const char* section : {"FileList", "Setting", "Files", "Default"}) {
    for (const auto& key : ini.ReadSection(section)) {
      ini.ReadInteger(section, key, 0);
      ini.ReadBool(section, key, false);
      ini.ReadString(section, key, "");
    }
  }
  ini.WriteInteger("Setting", "Index", 7);
  ini.EraseSection("Files");
  ini.WriteString("Files", "3", "");
  const kv::IniFile again = kv::IniFile::FromText(ini.Text());
  if (again.ReadInteger("Setting", "Index", 0) != 7 || again.ReadSection("Files").empty()) __builtin_trap();
  return 0;
}
