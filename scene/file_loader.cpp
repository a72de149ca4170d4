#include "scene/file_loader.h"

#include <algorithm>
#include <string>

#include "base/error.h"
#include "image/jpeg_codec.h"
#include "scene/little_endian.h"
#include "scene/area_mask.h"
#include "scene/my_stream.h"

namespace kv {
namespace {

std::string ReadText(TMyStream& stream) {
  const int32_t n = stream.ReadInteger();
  if (n < 0) throw Error("Damaged scene file: negative text length");
  std::string text;
  if (n > stream.Remaining()) throw Error("Read beyond end of file");
  text.resize(static_cast<size_t>(n));
  stream.ReadBuffer(text.data(), n);
  return text;
}

void ReadPicture(TMyStream& stream, std::vector<uint8_t>& picture) {
  const int32_t n = stream.ReadInteger();
  if (n < 0) throw Error("Damaged scene file: negative picture length");
  stream.ReadToStream(picture, n);
}

}  // namespace

void TFileLoader::Clear() { *this = TFileLoader(); }

void TFileLoader::ReadHead(TMyStream& stream) {
  if (stream.ReadSignature() != kSignature) throw Error("Incorrect Project File!");
  title_ = ReadText(stream);
  note_ = ReadText(stream);
  ReadPicture(stream, preview_);
}

void TFileLoader::ReadHeader(const std::string& fileName) {
  Clear();
  TMyStream stream(fileName);
  ReadHead(stream);
}

void TFileLoader::Read(const std::string& fileName) {
  Clear();
  TMyStream stream(fileName);
  ReadHead(stream);

  const int32_t k = stream.ReadInteger();
  if (k < 0 || k > kMaxAreas) {
    throw Error("Damaged scene file: " + std::to_string(k) + " water areas (0 to 4 allowed)");
  }
  for (int32_t i = 0; i < k; ++i) {
    uint8_t record[TWaveParam::kRecordSize];
    stream.ReadBuffer(record, sizeof(record));
    areas_[static_cast<size_t>(i)] = TWaveParam::FromBytes(record);
  }

  const int32_t m = stream.ReadInteger();
  if (m < 2) throw Error("Damaged scene file: " + std::to_string(m) + " area mask words (at least 2)");
  if (m > stream.Remaining() / 4) throw Error("Read beyond end of file");
  std::vector<uint8_t> words(static_cast<size_t>(m) * 4);
  stream.ReadBuffer(words.data(), static_cast<int64_t>(words.size()));
  mask_.resize(static_cast<size_t>(m));
  for (size_t i = 0; i < mask_.size(); ++i) {
    mask_[i] = LoadLe32(words.data() + i * 4);
  }

  ReadPicture(stream, background_);
  legacy_sound_ = ReadText(stream);
  stream.ReadBuffer(weather_.data(), static_cast<int64_t>(weather_.size()));

  // The tail is optional; whatever of it is there is taken, a short or
  // damaged tail ends the read quietly.
  try {
    if (stream.Remaining() > 0) {
      has_sound_slots_ = true;
      for (int32_t slot = 0; slot < TSoundRecord::kSlotCount; ++slot) {
        uint8_t* target = sounds_.data() + static_cast<size_t>(slot) * TSoundRecord::kRecordSize;
        const int64_t available = std::min<int64_t>(stream.Remaining(), TSoundRecord::kRecordSize);
        stream.ReadBuffer(target, available);
        if (available < TSoundRecord::kRecordSize) throw Error("Read beyond end of file");
      }
    }
    trailer_text_ = ReadText(stream);
  } catch (const Error&) {
    trailer_text_.clear();
  }
}

void TFileLoader::GetPreview(Bitmap32& bitmap) const { DecodeJpeg(preview_, bitmap); }

void TFileLoader::GetBackground(Bitmap32& bitmap) const { DecodeJpeg(background_, bitmap); }

void TFileLoader::GetMask(Bitmap32& bitmap) const { DecodeAreaMask(mask_, bitmap); }

void TFileLoader::GetWaterAreas(std::array<TWaveParam, 4>& areas) const { areas = areas_; }

void TFileLoader::GetWeather(TWeatherParam& weather) const { weather = TWeatherParam::FromBytes(weather_.data()); }

void TFileLoader::GetSounds(TSoundSlots& slots) const {
  for (size_t i = 0; i < slots.size(); ++i) {
    slots[i] = TSoundRecord::FromBytes(sounds_.data() + i * TSoundRecord::kRecordSize);
  }
}

}  // namespace kv
