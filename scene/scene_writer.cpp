#include "scene/scene_writer.h"

#include <cstdio>

#include "base/error.h"
#include "scene/little_endian.h"

namespace kv {
namespace {

void PutInt(std::vector<uint8_t>& out, int32_t value) {
  uint8_t bytes[4];
  StoreLe32(bytes, value);
  out.insert(out.end(), bytes, bytes + 4);
}

void PutBytes(std::vector<uint8_t>& out, const void* data, size_t size) {
  const auto* p = static_cast<const uint8_t*>(data);
  out.insert(out.end(), p, p + size);
}

void PutText(std::vector<uint8_t>& out, const std::string& text) {
  PutInt(out, static_cast<int32_t>(text.size()));
  PutBytes(out, text.data(), text.size());
}

void PutPicture(std::vector<uint8_t>& out, const std::vector<uint8_t>& jpeg) {
  PutInt(out, static_cast<int32_t>(jpeg.size()));
  PutBytes(out, jpeg.data(), jpeg.size());
}

}  // namespace

std::vector<uint8_t> SceneFileBytes(const SceneFileData& data) {
  std::vector<uint8_t> out;
  PutBytes(out, data.Signature.data(), data.Signature.size());
  PutText(out, data.Title);
  PutText(out, data.Note);
  PutPicture(out, data.PreviewJpeg);
  PutInt(out, static_cast<int32_t>(data.Areas.size()));
  for (const TWaveParam& area : data.Areas) {
    uint8_t record[TWaveParam::kRecordSize];
    area.ToBytes(record);
    PutBytes(out, record, sizeof(record));
  }
  PutInt(out, static_cast<int32_t>(data.MaskWords.size()));
  for (int32_t word : data.MaskWords) PutInt(out, word);
  PutPicture(out, data.BackgroundJpeg);
  PutText(out, data.LegacySound);
  uint8_t weather[TWeatherParam::kRecordSize];
  data.Weather.ToBytes(weather);
  PutBytes(out, weather, sizeof(weather));
  if (data.TailLayout != SceneFileData::Tail::None) {
    for (const TSoundRecord& slot : data.Sounds) {
      uint8_t record[TSoundRecord::kRecordSize];
      slot.ToBytes(record);
      PutBytes(out, record, sizeof(record));
    }
    if (data.TailLayout == SceneFileData::Tail::Full) PutText(out, data.TrailerText);
  }
  return out;
}

void WriteSceneFile(const SceneFileData& data, const std::string& fileName) {
  const std::vector<uint8_t> bytes = SceneFileBytes(data);
  std::FILE* file = std::fopen(fileName.c_str(), "wb");
  if (file == nullptr) throw Error("Cannot create file \"" + fileName + "\"");
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed) throw Error("Cannot write file \"" + fileName + "\"");
}

}  // namespace kv
