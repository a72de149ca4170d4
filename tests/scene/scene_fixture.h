#pragma once

#include <filesystem>
#include <string>
#include <unistd.h>

#include "image/bitmap32.h"
#include "image/jpeg_codec.h"
#include "scene/scene_writer.h"

namespace kv::test {

// A small valid scene: 8 x 4 background, 4 x 2 preview, one full mask.
inline SceneFileData SmallScene() {
  SceneFileData d;
  d.Title = "Sea";
  d.Note = "note";
  d.PreviewJpeg = EncodeJpeg(Bitmap32(4, 2, 0xFF00FF00u));
  d.BackgroundJpeg = EncodeJpeg(Bitmap32(8, 4, 0xFF204060u));
  d.MaskWords = {8, 4, 8 * 10 + 1, 24 * 10 + 0};
  return d;
}

inline std::string WriteTemp(const SceneFileData& d, const std::string& name) {
  const std::string path =
      (std::filesystem::temp_directory_path() / ("kv_scene_" + std::to_string(::getpid()) + "_" + name)).string();
  WriteSceneFile(d, path);
  return path;
}

}  // namespace kv::test
