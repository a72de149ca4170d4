#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "image/bitmap32.h"
#include "scene/area_colors.h"
#include "scene/sound_record.h"
#include "scene/wave_param.h"
#include "scene/weather_param.h"

namespace kv {

// One scene in memory. Borrowers (engine, sound player, controls) take the
// pictures and records again after every load.
class TProject {
 public:
  TProject() = default;

  // Reads the whole scene file; false on any error (no message). After a
  // failure the pictures are 0 x 0 and the water and weather records zero;
  // texts, SceneFileName, SpeedPercent and Sounds keep their old values.
  bool LoadFromFile(const std::string& fileName);
  // Reads title, note and preview only; on error shows
  // "File: <name>\r\n<message>" through Messages() and returns false.
  bool LoadPreview(const std::string& fileName);

  void SetSpeed(int32_t percent) { SpeedPercent = percent; }
  // Used sound slots, 0 to 8.
  int32_t SoundCount() const { return UsedSoundSlots(Sounds); }
  // Area i + 1, i = 0 to 3.
  TWaveParam& WaveArea(int32_t i) { return WaveAreas.at(static_cast<size_t>(i)); }
  const TWaveParam& WaveArea(int32_t i) const { return WaveAreas.at(static_cast<size_t>(i)); }

  // The message of the error that ended the last failed load ("" after success).
  const std::string& LastError() const { return last_error_; }

  std::string SceneFileName;
  Bitmap32 Background;      // opaque 0xFFRRGGBB pixels
  Bitmap32 PreviewPicture;  // opaque 0xFFRRGGBB pixels
  Bitmap32 AreaMask;        // background size; each pixel 0 or one of AreaColors
  std::array<TWaveParam, 4> WaveAreas{};
  TWeatherParam Weather;
  std::string Title;  // Windows-1252
  std::string Note;   // Windows-1252
  int32_t SpeedPercent = 100;
  TSoundSlots Sounds{};

 private:
  void ResetPictures();

  std::string legacy_sound_;  // transient: empty after every load
  std::string last_error_;
};

}  // namespace kv
