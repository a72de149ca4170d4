#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "project/kvc_project.h"

namespace kv {

// How the program was started, as the preferences operations need it: its
// own path (argument 0, or the path of its file) and its first argument.
struct ProgramStart {
  std::string program;
  std::string first_argument;
};

// The user's nine "Setting" values (section "Setting" of the preferences file).
struct UserPreferences {
  int32_t ImageSize = 0;  // 0 unscaled, 1 stretched, 2 stretched keeping proportions
  int32_t ImageMode = 0;
  int32_t Speed = 10;     // index into SpeedScale
  bool Sound = true;
  bool Music = true;
  bool Transition = true;
  int32_t Duration = 30;
  bool DirectX = true;
  int32_t DirectXQuality = 1;
};

// The preferences file: LongPath of the program with its extension (after
// the last "." of the file name that is not its final character) replaced by
// ".ini"; a name without such a dot gets ".ini" appended. Empty when the
// program file does not exist.
std::string PreferencesPath(const std::string& program);

// Whether the configuration window may use the preferences file: the
// program's extension is ".SCR" or the first argument is "/C" (both without
// regard to case).
bool PreferencesApply(const std::string& program, const std::string& first_argument);

struct ReadPreferencesResult {
  UserPreferences values;
  bool apply = false;
};

// The project's current settings, overridden by the file's values when the
// preferences apply and the file exists.
ReadPreferencesResult ReadPreferences(const TKVCProject& project, const ProgramStart& start);

// Copies what the configuration window read into the project settings (all
// but DirectX and DirectXQuality).
void CopyPreferencesToProject(const UserPreferences& values, TKVCProject& project);

// The writes do nothing (and succeed) unless the preferences apply. A failed
// write shows "Unable to write to <path>" and returns false; the file is then
// left as it was.
bool WritePreferences(const UserPreferences& values, const ProgramStart& start);
int32_t ReadSelectedIndex(const ProgramStart& start);
bool WriteSelectedIndex(int32_t index, const ProgramStart& start);
// Key names of section "Files" in file order.
std::vector<std::string> ReadUncheckedPictures(const ProgramStart& start);
bool WriteUncheckedPictures(const std::vector<int32_t>& positions, const ProgramStart& start);

// What the show does with the preferences file beside the program (used
// whenever it exists): narrows the flags for image modes 2 and 3 and copies
// the values into the project settings.
void ApplyPreferencesToProject(TKVCProject& project, const std::string& program);

}  // namespace kv
