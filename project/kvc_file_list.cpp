#include "project/kvc_file_list.h"

#include "base/ini_file.h"

namespace kv {

void TKVCFileList::ReadFromIni(const std::string& path) { ReadFromIni(IniFile::Load(path)); }

void TKVCFileList::ReadFromIni(const IniFile& ini) {
  Names = ini.ReadSection("FileList");
  Flags.clear();
  Flags.reserve(Names.size());
  for (const auto& name : Names) Flags.push_back(ini.ReadBool("FileList", name, false) ? "TRUE" : "FALSE");
}

}  // namespace kv
