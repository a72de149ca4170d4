#include "scene/scene_manifest.h"

#include <cstdio>
#include <filesystem>

#include "base/error.h"
#include "base/ini_file.h"
#include "base/text.h"
#include "image/jpeg_codec.h"
#include "image/picture_loader.h"
#include "scene/area_mask.h"

namespace kv {
namespace {

namespace fs = std::filesystem;

std::string Resolve(const fs::path& base, const std::string& name) {
  const fs::path path(name);
  return (path.is_absolute() ? path : base / path).string();
}

std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) throw Error("Cannot open file \"" + path + "\"");
  std::vector<uint8_t> bytes;
  uint8_t buffer[65536];
  size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof(buffer), file)) > 0) {
    bytes.insert(bytes.end(), buffer, buffer + n);
    if (bytes.size() > 0x7FFFFFFF) {
      std::fclose(file);
      throw Error("File too large for a scene: " + path);
    }
  }
  std::fclose(file);
  return bytes;
}

bool IsJpegName(const std::string& path) {
  const std::string name = LowerCase(NamePart(path));
  for (const char* ext : {".jpg", ".jpeg", ".jpe", ".jfif"}) {
    const std::string e(ext);
    if (name.size() > e.size() && name.compare(name.size() - e.size(), e.size(), e) == 0) return true;
  }
  return false;
}

// The JPEG stream of a picture file and its size.
std::vector<uint8_t> PictureJpeg(const std::string& path, JpegSize& size) {
  if (IsJpegName(path)) {
    std::vector<uint8_t> bytes = ReadBytes(path);
    try {
      size = ReadJpegSize(bytes.data(), bytes.size());
    } catch (const Error& e) {
      throw Error(path + ": " + e.what());
    }
    return bytes;
  }
  const Bitmap32 picture = LoadPicture(path);
  size = {picture.Width(), picture.Height()};
  return EncodeJpeg(picture);
}

uint8_t Flag(const IniFile& ini, const std::string& section, const char* key) {
  return ini.ReadBool(section, key, false) ? 1 : 0;
}

}  // namespace

SceneFileData LoadSceneManifest(const std::string& manifestPath) {
  const IniFile ini = IniFile::Load(manifestPath);
  if (!ini.Exists()) throw Error("Cannot open file \"" + manifestPath + "\"");
  if (!ini.SectionExists("Scene")) throw Error(manifestPath + ": no [Scene] section");
  const fs::path base = fs::path(manifestPath).parent_path();

  SceneFileData data;
  data.Title = Utf8ToCp1252(ini.ReadString("Scene", "Title", ""));
  data.Note = Utf8ToCp1252(ini.ReadString("Scene", "Note", ""));
  data.LegacySound = Utf8ToCp1252(ini.ReadString("Scene", "LegacySound", ""));
  data.TrailerText = Utf8ToCp1252(ini.ReadString("Scene", "Trailer", ""));
  data.TailLayout = ini.ReadInteger("Scene", "Tail", 1) == 0 ? SceneFileData::Tail::None : SceneFileData::Tail::Full;

  const std::string background = ini.ReadString("Scene", "Background", "");
  if (background.empty()) throw Error(manifestPath + ": [Scene] has no Background");
  JpegSize size;
  data.BackgroundJpeg = PictureJpeg(Resolve(base, background), size);
  const std::string preview = ini.ReadString("Scene", "Preview", "");
  if (preview.empty()) {
    data.PreviewJpeg = data.BackgroundJpeg;
  } else {
    JpegSize previewSize;
    data.PreviewJpeg = PictureJpeg(Resolve(base, preview), previewSize);
  }

  const std::string maskName = ini.ReadString("Scene", "Mask", "");
  if (maskName.empty()) {
    data.MaskWords = {size.width, size.height};
  } else {
    const std::string maskPath = Resolve(base, maskName);
    const Bitmap32 mask = LoadPicture(maskPath);
    if (mask.Width() != size.width || mask.Height() != size.height) {
      throw Error(maskPath + ": the mask is " + std::to_string(mask.Width()) + " x " + std::to_string(mask.Height()) +
                  ", the background " + std::to_string(size.width) + " x " + std::to_string(size.height));
    }
    try {
      data.MaskWords = EncodeAreaMask(mask);
    } catch (const Error& e) {
      throw Error(maskPath + ": " + e.what());
    }
  }

  int32_t areaCount = 0;
  for (int32_t i = 1; i <= 4; ++i) {
    if (ini.SectionExists("Area" + std::to_string(i))) areaCount = i;
  }
  for (int32_t i = 1; i <= areaCount; ++i) {
    const std::string s = "Area" + std::to_string(i);
    TWaveParam area;
    area.Amplitude = ini.ReadInteger(s, "Amplitude", 0);
    area.WaveCount = ini.ReadInteger(s, "WaveCount", 0);
    area.Speed = ini.ReadInteger(s, "Speed", 0);
    area.Direction = ini.ReadInteger(s, "Direction", 0);
    area.Horizontal = Flag(ini, s, "Horizontal");
    area.Vertical = Flag(ini, s, "Vertical");
    area.Perspective = Flag(ini, s, "Perspective");
    area.Period = ini.ReadInteger(s, "Period", 0);
    area.ColumnJitter = ini.ReadInteger(s, "ColumnJitter", 0);
    area.Reserved = Flag(ini, s, "Reserved");
    area.Reflection = Flag(ini, s, "Reflection");
    data.Areas.push_back(area);
  }

  data.Weather.Kind = ini.ReadInteger("Weather", "Kind", 0);
  data.Weather.Amount = ini.ReadInteger("Weather", "Amount", 0);
  data.Weather.SpeedIndex = ini.ReadInteger("Weather", "SpeedIndex", 0);
  data.Weather.Angle = ini.ReadInteger("Weather", "Angle", 0);
  data.Weather.DropLength = ini.ReadInteger("Weather", "DropLength", 0);
  data.Weather.Opacity = ini.ReadInteger("Weather", "Opacity", 0);

  for (int32_t i = 1; i <= TSoundRecord::kSlotCount; ++i) {
    const std::string s = "Sound" + std::to_string(i);
    TSoundRecord& slot = data.Sounds[static_cast<size_t>(i - 1)];
    slot.FileName = Utf8ToCp1252(ini.ReadString(s, "FileName", ""));
    if (slot.FileName.size() > TSoundRecord::kMaxFileName) {
      throw Error(manifestPath + ": [" + s + "] FileName is longer than 255 bytes");
    }
    slot.PlayMode = ini.ReadInteger(s, "PlayMode", 0);
    slot.MinInterval = ini.ReadInteger(s, "MinInterval", 0);
    slot.MaxInterval = ini.ReadInteger(s, "MaxInterval", 0);
  }
  return data;
}

}  // namespace kv
