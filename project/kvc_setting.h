#pragma once

#include <cstdint>
#include <string>

namespace kv {

class IniFile;

// The author's playback defaults; each field keeps its value when the
// settings file lacks its key.
class TKVCSetting {
 public:
  TKVCSetting();

  std::string ProductName;
  std::string Publisher;
  std::string Website;
  bool Stretch = true;
  bool Proportional = false;
  bool Sound = true;
  bool Music = true;
  bool Random = true;
  int32_t Duration = 30;
  bool Transition = true;
  int32_t TransitionTime = 2000;
  std::string TransitionEffects;  // "1,2,...,169" by default
  int32_t Speed = 100;
  int32_t ShowImageMode = 0;
  bool DirectX = true;
  int32_t DirectXQuality = 1;
  std::string PreviewFile;
  std::string MusicFile;
  int32_t MusicMode = 0;

  // Sections "General", "Default" and "Advance"; the current values are the
  // defaults. Music is read from the key "Sound" too, so it ends equal to Sound.
  void ReadFromIni(const std::string& path);
  void ReadFromIni(const IniFile& ini);
};

}  // namespace kv
