#include "project/kvc_setting.h"

#include "base/ini_file.h"

namespace kv {

TKVCSetting::TKVCSetting() {
  for (int i = 1; i <= 169; ++i) {
    if (i > 1) TransitionEffects += ',';
    TransitionEffects += std::to_string(i);
  }
}

void TKVCSetting::ReadFromIni(const std::string& path) { ReadFromIni(IniFile::Load(path)); }

void TKVCSetting::ReadFromIni(const IniFile& ini) {
  ProductName = ini.ReadString("General", "ProductName", ProductName);
  Publisher = ini.ReadString("General", "Publisher", Publisher);
  Website = ini.ReadString("General", "Website", Website);
  Stretch = ini.ReadBool("Default", "Stretch", Stretch);
  Proportional = ini.ReadBool("Default", "Proportional", Proportional);
  Sound = ini.ReadBool("Default", "Sound", Sound);
  Music = ini.ReadBool("Default", "Sound", Sound);
  Random = ini.ReadBool("Default", "Random", Random);
  Duration = ini.ReadInteger("Default", "Duration", Duration);
  Transition = ini.ReadBool("Default", "Transition", Transition);
  TransitionTime = ini.ReadInteger("Default", "TransitionTime", TransitionTime);
  TransitionEffects = ini.ReadString("Default", "TransitionEffects", TransitionEffects);
  Speed = ini.ReadInteger("Default", "Speed", Speed);
  ShowImageMode = ini.ReadInteger("Default", "ShowImageMode", ShowImageMode);
  DirectX = ini.ReadBool("Default", "DirectX", DirectX);
  DirectXQuality = ini.ReadInteger("Default", "DirectXQuality", DirectXQuality);
  MusicFile = ini.ReadString("Advance", "MusicFile", MusicFile);
  MusicMode = ini.ReadInteger("Advance", "MusicMode", MusicMode);
  PreviewFile = ini.ReadString("Advance", "PreviewFile", PreviewFile);
}

}  // namespace kv
