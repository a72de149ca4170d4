#pragma once

#include <string>
#include <vector>

namespace kv {

class IniFile;

// The scenes and pictures of the show in play order, each flagged "TRUE" or
// "FALSE" (compared exactly; only "TRUE" entries are played).
class TKVCFileList {
 public:
  std::vector<std::string> Names;
  std::vector<std::string> Flags;

  // Section "FileList": the keys in file order, each value read as a boolean
  // with default false.
  void ReadFromIni(const std::string& path);
  void ReadFromIni(const IniFile& ini);
};

}  // namespace kv
