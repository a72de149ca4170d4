#pragma once

#include <string>

#include "scene/scene_writer.h"

namespace kv {

// Reads a scene manifest (an ini file) into the content of a scene file:
//   [Scene]    Title, Note (UTF-8), Background, Preview (pictures; JPEG files
//              are taken as they are, other formats are encoded to JPEG; no
//              Preview: the background serves), Mask (PNG or BMP of the
//              background's size, black or area colours; none: no areas
//              marked), LegacySound, Trailer, Tail (0: the older layout that
//              ends after the weather record)
//   [Area1..4] the water-area fields under their record names; the count of
//              areas written is the highest section number present
//   [Weather]  Kind, Amount, SpeedIndex, Angle, DropLength, Opacity
//   [Sound1..8] FileName, PlayMode, MinInterval, MaxInterval
// Relative file names are relative to the manifest. Raises kv::Error.
SceneFileData LoadSceneManifest(const std::string& manifestPath);

}  // namespace kv
