#pragma once

#include <string>

#include "image/bitmap32.h"
#include "render/desktop_wallpaper.h"

namespace kv {

struct WallpaperResult {
  bool changed = false;  // the desktop now shows the picture
  std::string reason;    // why not, when it does not
};

// Saves the picture as a 32-bit Windows bitmap file under fileName
// (replacing any file; kv::Error when it cannot be written), then asks the
// desktop to show that file as its wallpaper, not tiled. When no desktop
// setting applies the file stays saved and the result says so.
WallpaperResult SetAsWallpaper(const Bitmap32& picture, const std::string& fileName, DesktopWallpaper& desktop);

}  // namespace kv
