#include "project/ui_setting.h"

#include "base/ini_file.h"

namespace kv {

void TUISetting::ReadFromIni(const std::string& path) { ReadFromIni(IniFile::Load(path)); }

void TUISetting::ReadFromIni(const IniFile& ini) { UIFile = ini.ReadString("UI", "UIFile", UIFile); }

}  // namespace kv
