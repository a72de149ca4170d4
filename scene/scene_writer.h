#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "scene/sound_record.h"
#include "scene/wave_param.h"
#include "scene/weather_param.h"

namespace kv {

// Everything a scene file holds, in file order. The writer lays it out byte
// for byte as the reader expects; nothing is validated, so tests can also
// write files the authoring tool never would.
struct SceneFileData {
  enum class Tail {
    None,       // the file ends after the weather record (older layout)
    SlotsOnly,  // the eight sound slots, no trailer text
    Full,       // sound slots and trailer text
  };

  std::string Signature = "KV060697";
  std::string Title;  // Windows-1252
  std::string Note;
  std::vector<uint8_t> PreviewJpeg;
  std::vector<TWaveParam> Areas;   // written count = Areas.size()
  std::vector<int32_t> MaskWords;  // width, height, runs (see EncodeAreaMask)
  std::vector<uint8_t> BackgroundJpeg;
  std::string LegacySound;
  TWeatherParam Weather;
  Tail TailLayout = Tail::Full;
  TSoundSlots Sounds{};
  std::string TrailerText;
};

std::vector<uint8_t> SceneFileBytes(const SceneFileData& data);
// Raises kv::Error when the file cannot be written.
void WriteSceneFile(const SceneFileData& data, const std::string& fileName);

}  // namespace kv
