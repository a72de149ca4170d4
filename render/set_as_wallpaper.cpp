#include "render/set_as_wallpaper.h"

#include <filesystem>
#include <system_error>

#include "image/bmp_codec.h"

namespace kv {

WallpaperResult SetAsWallpaper(const Bitmap32& picture, const std::string& fileName, DesktopWallpaper& desktop) {
  SaveBmp(picture, fileName);
  std::error_code error;
  std::filesystem::path path = std::filesystem::absolute(fileName, error);
  if (error) path = fileName;
  WallpaperResult result;
  result.changed = desktop.Apply(path.lexically_normal().string(), result.reason);
  if (result.changed) result.reason.clear();
  return result;
}

}  // namespace kv
