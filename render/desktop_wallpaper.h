#pragma once

#include <string>

namespace kv {

// The desktop's own wallpaper setting (implemented in platform/desktop).
class DesktopWallpaper {
 public:
  virtual ~DesktopWallpaper() = default;

  // Makes the picture file (an absolute path) the wallpaper, not tiled.
  // Returns false, with the reason in `reason`, when no desktop setting
  // applies or the desktop refused it.
  virtual bool Apply(const std::string& picturePath, std::string& reason) = 0;
};

}  // namespace kv
