#pragma once

#include <string>

namespace kv {

class IniFile;

// Where the form definition file is.
class TUISetting {
 public:
  std::string UIFile;

  // Key "UIFile" of section "UI".
  void ReadFromIni(const std::string& path);
  void ReadFromIni(const IniFile& ini);
};

}  // namespace kv
