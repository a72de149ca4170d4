#include "scene/project.h"

#include <exception>

#include "base/error.h"
#include "base/message_box.h"
#include "base/text.h"
#include "image/jpeg_codec.h"
#include "scene/area_mask.h"
#include "scene/file_loader.h"

namespace kv {

void TProject::ResetPictures() {
  Background = Bitmap32();
  PreviewPicture = Bitmap32();
  AreaMask = Bitmap32();
  WaveAreas = {};
  Weather = TWeatherParam();
}

bool TProject::LoadFromFile(const std::string& fileName) {
  ResetPictures();
  try {
    TFileLoader loader;
    loader.Read(fileName);
    // Decode into locals so that a failure leaves the scene empty.
    CheckAreaMask(loader.MaskWords());
    Bitmap32 background;
    loader.GetBackground(background);
    const std::vector<int32_t>& words = loader.MaskWords();
    if (words[0] != background.Width() || words[1] != background.Height()) {
      throw Error("Damaged scene file: the area mask is " + std::to_string(words[0]) + " x " +
                  std::to_string(words[1]) + ", the background " + std::to_string(background.Width()) + " x " +
                  std::to_string(background.Height()));
    }
    Bitmap32 mask;
    loader.GetMask(mask);
    Bitmap32 preview;
    loader.GetPreview(preview);
    std::array<TWaveParam, 4> areas;
    loader.GetWaterAreas(areas);
    TWeatherParam weather;
    loader.GetWeather(weather);

    AreaMask = std::move(mask);
    Background = std::move(background);
    PreviewPicture = std::move(preview);
    WaveAreas = areas;
    Weather = weather;
    loader.GetSounds(Sounds);
    SceneFileName = fileName;
    Title = loader.Title();
    Note = loader.Note();
    legacy_sound_ = loader.LegacySound();
  } catch (const std::exception& e) {
    ResetPictures();
    last_error_ = e.what();
    return false;
  }

  if (Weather.Opacity == 0 && Weather.Kind == 1) Weather.Opacity = 9;
  if (Weather.Opacity == 0 && Weather.Kind == 2) Weather.Opacity = 6;

  const int32_t used = SoundCount();
  if (!legacy_sound_.empty() && UpperCase(legacy_sound_) != "<NO SOUND>" && used < TSoundRecord::kSlotCount) {
    TSoundRecord& slot = Sounds[static_cast<size_t>(used)];
    slot.FileName = legacy_sound_.substr(0, TSoundRecord::kMaxFileName);
    slot.PlayMode = 0;
  }
  legacy_sound_.clear();
  last_error_.clear();
  return true;
}

bool TProject::LoadPreview(const std::string& fileName) {
  ResetPictures();
  try {
    TFileLoader loader;
    loader.ReadHeader(fileName);
    Bitmap32 preview;
    loader.GetPreview(preview);
    PreviewPicture = std::move(preview);
    SceneFileName = fileName;
    Title = loader.Title();
    Note = loader.Note();
  } catch (const std::exception& e) {
    ResetPictures();
    last_error_ = e.what();
    Messages().Show("File: " + fileName + "\r\n" + last_error_);
    return false;
  }
  last_error_.clear();
  return true;
}

}  // namespace kv
