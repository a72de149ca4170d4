#pragma once

#include <string>

#include "platform/desktop/command_runner.h"
#include "render/desktop_wallpaper.h"

namespace kv {

// Sets the wallpaper through the running desktop's own tools: gsettings for
// GNOME (also Unity, Budgie) and Cinnamon, plasma-apply-wallpaperimage or
// qdbus for KDE Plasma, xfconf-query for XFCE. The desktop is named by
// XDG_CURRENT_DESKTOP (else DESKTOP_SESSION); a tiled setting becomes
// centred, other placement settings stay.
class DesktopWallpaperSetter : public DesktopWallpaper {
 public:
  // `desktop` as XDG_CURRENT_DESKTOP spells it (colon-separated names).
  DesktopWallpaperSetter(CommandRunner& runner, std::string desktop);
  // The desktop of the environment.
  static std::string CurrentDesktop();

  bool Apply(const std::string& picturePath, std::string& reason) override;

 private:
  bool ApplyGSettings(const std::string& schema, const std::string& path, std::string& reason);
  bool ApplyKde(const std::string& path, std::string& reason);
  bool ApplyXfce(const std::string& path, std::string& reason);
  int Run(const std::vector<std::string>& argv, std::string& output);

  CommandRunner& runner_;
  std::string desktop_;
};

// The file: URI of an absolute path, with reserved bytes percent-encoded.
std::string FileUri(const std::string& path);

}  // namespace kv
