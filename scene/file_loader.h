#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "image/bitmap32.h"
#include "scene/sound_record.h"
#include "scene/wave_param.h"
#include "scene/weather_param.h"

namespace kv {

class TMyStream;

// Reads one scene file (.KVP) into its members. Read takes the whole file,
// ReadHeader stops after the preview picture. Errors are kv::Error with the
// system's texts ("Incorrect Project File!", "Read beyond end of file",
// "JPEG error #N", "Scan line index out of range") or, for data the
// authoring tool never writes (negative lengths, more than 4 areas, ...), a
// "Damaged scene file: ..." text. The JPEG pictures are decoded on first use.
class TFileLoader {
 public:
  static constexpr const char* kSignature = "KV060697";
  static constexpr int32_t kMaxAreas = 4;

  void Read(const std::string& fileName);
  void ReadHeader(const std::string& fileName);

  // Decode the pictures into 32-bit bitmaps of the pictures' sizes.
  void GetPreview(Bitmap32& bitmap) const;
  void GetBackground(Bitmap32& bitmap) const;
  // Mask width x height, 0 everywhere, then the runs' colours (AreaColors).
  void GetMask(Bitmap32& bitmap) const;
  void GetWaterAreas(std::array<TWaveParam, 4>& areas) const;
  void GetWeather(TWeatherParam& weather) const;
  void GetSounds(TSoundSlots& slots) const;

  const std::string& Title() const { return title_; }
  const std::string& Note() const { return note_; }
  const std::string& LegacySound() const { return legacy_sound_; }
  const std::string& TrailerText() const { return trailer_text_; }

  const std::vector<int32_t>& MaskWords() const { return mask_; }
  const std::vector<uint8_t>& PreviewJpeg() const { return preview_; }
  const std::vector<uint8_t>& BackgroundJpeg() const { return background_; }
  // True when the file had the eight sound slots after the weather record.
  bool HasSoundSlots() const { return has_sound_slots_; }

 private:
  void Clear();
  void ReadHead(TMyStream& stream);

  std::vector<int32_t> mask_;
  std::vector<uint8_t> background_;
  std::vector<uint8_t> preview_;
  std::array<uint8_t, TWeatherParam::kRecordSize> weather_{};
  std::array<TWaveParam, 4> areas_{};
  std::array<uint8_t, TSoundRecord::kRecordSize * TSoundRecord::kSlotCount> sounds_{};
  bool has_sound_slots_ = false;
  std::string trailer_text_;
  std::string title_;
  std::string note_;
  std::string legacy_sound_;
};

}  // namespace kv
