#include "project/preferences.h"

#include <cstdlib>

#include "base/ini_file.h"
#include "base/message_box.h"
#include "base/speed_scale.h"
#include "base/text.h"
#include "package/long_path.h"

namespace kv {
namespace {

constexpr const char* kSetting = "Setting";
constexpr const char* kFiles = "Files";

bool ValidSpeedIndex(int32_t index) { return index >= 0 && index < static_cast<int32_t>(SpeedScale.size()); }

// The index of the SpeedScale value nearest to the percentage (the lower on a tie).
int32_t NearestSpeedIndex(int32_t percent) {
  int32_t best = 0;
  for (int32_t i = 1; i < static_cast<int32_t>(SpeedScale.size()); ++i) {
    if (std::abs(int64_t{SpeedScale[i]} - percent) < std::abs(int64_t{SpeedScale[best]} - percent)) best = i;
  }
  return best;
}

bool Save(const IniFile& ini) {
  if (ini.Save()) return true;
  Messages().Show("Unable to write to " + ini.Path());
  return false;
}

// The preferences file when the configuration window may use it.
std::string ApplyingPath(const ProgramStart& start) {
  if (!PreferencesApply(start.program, start.first_argument)) return {};
  return PreferencesPath(start.program);
}

}  // namespace

std::string PreferencesPath(const std::string& program) {
  const std::string path = LongPath(program);
  if (path.empty()) return {};
  const size_t name_start = path.rfind('/') + 1;  // 0 when there is no "/"
  if (path.size() - name_start >= 2) {
    const size_t dot = path.rfind('.', path.size() - 2);
    if (dot != std::string::npos && dot >= name_start) return path.substr(0, dot) + ".ini";
  }
  return path + ".ini";
}

bool PreferencesApply(const std::string& program, const std::string& first_argument) {
  const std::string name = NamePart(program);
  const bool scr = name.size() >= 4 && SameText(std::string_view(name).substr(name.size() - 4), ".SCR");
  return scr || SameText(first_argument, "/C");
}

ReadPreferencesResult ReadPreferences(const TKVCProject& project, const ProgramStart& start) {
  const TKVCSetting& s = project.Setting;
  ReadPreferencesResult result;
  UserPreferences& v = result.values;
  v.ImageSize = !s.Stretch ? 0 : s.Proportional ? 2 : 1;
  v.ImageMode = s.ShowImageMode;
  const int32_t speed = SpeedScaleIndex(s.Speed);
  v.Speed = speed >= 0 ? speed : NearestSpeedIndex(s.Speed);
  v.Sound = s.Sound;
  v.Music = s.Music;
  v.Transition = s.Transition;
  v.Duration = s.Duration;
  v.DirectX = s.DirectX;
  v.DirectXQuality = s.DirectXQuality;

  result.apply = PreferencesApply(start.program, start.first_argument);
  if (!result.apply) return result;
  const IniFile ini = IniFile::Load(PreferencesPath(start.program));
  if (!ini.Exists()) return result;
  v.ImageSize = ini.ReadInteger(kSetting, "ImageSize", v.ImageSize);
  v.ImageMode = ini.ReadInteger(kSetting, "ImageMode", v.ImageMode);
  const int32_t file_speed = ini.ReadInteger(kSetting, "Speed", v.Speed);
  if (ValidSpeedIndex(file_speed)) v.Speed = file_speed;
  v.Sound = ini.ReadBool(kSetting, "Sound", v.Sound);
  v.Music = ini.ReadBool(kSetting, "Music", v.Music);
  v.Transition = ini.ReadBool(kSetting, "Transition", v.Transition);
  v.Duration = ini.ReadInteger(kSetting, "Duration", v.Duration);
  v.DirectX = ini.ReadBool(kSetting, "DirectX", v.DirectX);
  v.DirectXQuality = ini.ReadInteger(kSetting, "DirectXQuality", v.DirectXQuality);
  return result;
}

void CopyPreferencesToProject(const UserPreferences& values, TKVCProject& project) {
  TKVCSetting& s = project.Setting;
  s.ShowImageMode = values.ImageMode;
  s.Duration = values.Duration;
  s.Sound = values.Sound;
  s.Music = values.Music;
  s.Transition = values.Transition;
  if (ValidSpeedIndex(values.Speed)) s.Speed = SpeedScale[static_cast<size_t>(values.Speed)];
  s.Stretch = values.ImageSize > 0;
  s.Proportional = values.ImageSize == 2;
}

bool WritePreferences(const UserPreferences& values, const ProgramStart& start) {
  const std::string path = ApplyingPath(start);
  if (path.empty()) return true;
  IniFile ini = IniFile::Load(path);
  ini.WriteInteger(kSetting, "ImageSize", values.ImageSize);
  ini.WriteInteger(kSetting, "ImageMode", values.ImageMode);
  ini.WriteInteger(kSetting, "Speed", values.Speed);
  ini.WriteBool(kSetting, "Sound", values.Sound);
  ini.WriteBool(kSetting, "Music", values.Music);
  ini.WriteBool(kSetting, "Transition", values.Transition);
  ini.WriteInteger(kSetting, "Duration", values.Duration);
  ini.WriteBool(kSetting, "DirectX", values.DirectX);
  ini.WriteInteger(kSetting, "DirectXQuality", values.DirectXQuality);
  return Save(ini);
}

int32_t ReadSelectedIndex(const ProgramStart& start) {
  const std::string path = ApplyingPath(start);
  if (path.empty()) return 0;
  return IniFile::Load(path).ReadInteger(kSetting, "Index", 0);
}

bool WriteSelectedIndex(int32_t index, const ProgramStart& start) {
  const std::string path = ApplyingPath(start);
  if (path.empty()) return true;
  IniFile ini = IniFile::Load(path);
  ini.WriteInteger(kSetting, "Index", index);
  return Save(ini);
}

std::vector<std::string> ReadUncheckedPictures(const ProgramStart& start) {
  const std::string path = ApplyingPath(start);
  if (path.empty()) return {};
  return IniFile::Load(path).ReadSection(kFiles);
}

bool WriteUncheckedPictures(const std::vector<int32_t>& positions, const ProgramStart& start) {
  const std::string path = ApplyingPath(start);
  if (path.empty()) return true;
  IniFile ini = IniFile::Load(path);
  ini.EraseSection(kFiles);
  for (const int32_t position : positions) ini.WriteString(kFiles, std::to_string(position), "");
  return Save(ini);
}

void ApplyPreferencesToProject(TKVCProject& project, const std::string& program) {
  const std::string path = PreferencesPath(program);
  if (path.empty()) return;
  const IniFile ini = IniFile::Load(path);
  if (!ini.Exists()) return;
  TKVCSetting& s = project.Setting;
  const int32_t image_size = ini.ReadInteger(kSetting, "ImageSize", -1);
  const int32_t image_mode = ini.ReadInteger(kSetting, "ImageMode", s.ShowImageMode);
  const int32_t speed = ini.ReadInteger(kSetting, "Speed", -1);
  const bool sound = ini.ReadBool(kSetting, "Sound", s.Sound);
  const bool music = ini.ReadBool(kSetting, "Music", s.Music);
  const bool transition = ini.ReadBool(kSetting, "Transition", s.Transition);
  const int32_t duration = ini.ReadInteger(kSetting, "Duration", s.Duration);
  int32_t index = ini.ReadInteger(kSetting, "Index", 0);
  const bool direct_x = ini.ReadBool(kSetting, "DirectX", true);
  const int32_t quality = ini.ReadInteger(kSetting, "DirectXQuality", 1);
  const std::vector<std::string> unchecked = ini.ReadSection(kFiles);

  auto& flags = project.FileList.Flags;
  const auto count = static_cast<int32_t>(flags.size());
  if (index < 0 || index >= count) index = 0;
  if (image_mode == 3 && index < count && flags[static_cast<size_t>(index)] == "TRUE") {
    for (int32_t i = 0; i < count; ++i) flags[static_cast<size_t>(i)] = i == index ? "TRUE" : "FALSE";
  } else if (image_mode == 2) {
    for (const auto& key : unchecked) {
      const auto position = ParseInt32(key);
      if (position && *position >= 0 && *position < count) flags[static_cast<size_t>(*position)] = "FALSE";
    }
  }

  s.ShowImageMode = image_mode;
  s.Duration = duration;
  s.Sound = sound;
  s.Music = music;
  s.Transition = transition;
  s.DirectX = direct_x;
  s.DirectXQuality = quality;
  if (ValidSpeedIndex(speed)) s.Speed = SpeedScale[static_cast<size_t>(speed)];
  if (image_size != -1) {
    s.Stretch = image_size > 0;
    s.Proportional = image_size == 2;
  }
}

}  // namespace kv
