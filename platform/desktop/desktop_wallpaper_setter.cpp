#include "platform/desktop/desktop_wallpaper_setter.h"

#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "base/text.h"

namespace kv {
namespace {

std::vector<std::string> DesktopNames(const std::string& desktop) {
  std::vector<std::string> names;
  std::string current;
  for (char c : desktop + ":") {
    if (c == ':') {
      if (!current.empty()) names.push_back(UpperCase(current));
      current.clear();
    } else {
      current += c;
    }
  }
  return names;
}

std::string Describe(const std::vector<std::string>& argv, int status) {
  std::string text = argv.empty() ? std::string() : argv[0];
  if (status == 127) return text + " is not installed";
  if (status < 0) return text + " did not finish";
  return text + " failed (exit status " + std::to_string(status) + ")";
}

// A JavaScript string literal for the Plasma shell script.
std::string ScriptString(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof(escaped), "\\u%04x", c);
      out += escaped;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

std::string TrimmedOutput(const std::string& output) { return std::string(Trim(output)); }

}  // namespace

std::string FileUri(const std::string& path) {
  static const char* kHex = "0123456789ABCDEF";
  std::string uri = "file://";
  for (unsigned char c : path) {
    const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '/' ||
                       c == '-' || c == '_' || c == '.' || c == '~';
    if (plain) {
      uri += static_cast<char>(c);
    } else {
      uri += '%';
      uri += kHex[c >> 4];
      uri += kHex[c & 15];
    }
  }
  return uri;
}

DesktopWallpaperSetter::DesktopWallpaperSetter(CommandRunner& runner, std::string desktop)
    : runner_(runner), desktop_(std::move(desktop)) {}

std::string DesktopWallpaperSetter::CurrentDesktop() {
  for (const char* name : {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return value;
  }
  return {};
}

int DesktopWallpaperSetter::Run(const std::vector<std::string>& argv, std::string& output) {
  return runner_.Run(argv, output);
}

bool DesktopWallpaperSetter::Apply(const std::string& picturePath, std::string& reason) {
  if (picturePath.empty() || picturePath[0] != '/') {
    reason = "The wallpaper needs an absolute file path: " + picturePath;
    return false;
  }
  for (const std::string& name : DesktopNames(desktop_)) {
    if (name == "GNOME" || name == "UNITY" || name == "BUDGIE" || name == "GNOME-CLASSIC" ||
        name == "UBUNTU" || name == "POP") {
      return ApplyGSettings("org.gnome.desktop.background", picturePath, reason);
    }
    if (name == "X-CINNAMON" || name == "CINNAMON") {
      return ApplyGSettings("org.cinnamon.desktop.background", picturePath, reason);
    }
    if (name == "KDE" || name == "PLASMA") return ApplyKde(picturePath, reason);
    if (name == "XFCE" || name == "XFCE4") return ApplyXfce(picturePath, reason);
  }
  reason = desktop_.empty() ? "No desktop session was found (XDG_CURRENT_DESKTOP is not set); the wallpaper "
                              "was not changed"
                            : "The desktop \"" + desktop_ + "\" is not supported; the wallpaper was not changed";
  return false;
}

bool DesktopWallpaperSetter::ApplyGSettings(const std::string& schema, const std::string& path,
                                            std::string& reason) {
  std::string output;
  const std::string uri = FileUri(path);
  const std::vector<std::string> set = {"gsettings", "set", schema, "picture-uri", uri};
  const int status = Run(set, output);
  if (status != 0) {
    reason = Describe(set, status) + "; the wallpaper was not changed";
    return false;
  }
  // Newer GNOME keeps a second picture for the dark style; older ones lack the key.
  Run({"gsettings", "set", schema, "picture-uri-dark", uri}, output);
  if (Run({"gsettings", "get", schema, "picture-options"}, output) == 0 &&
      TrimmedOutput(output) == "'wallpaper'") {
    Run({"gsettings", "set", schema, "picture-options", "centered"}, output);
  }
  return true;
}

bool DesktopWallpaperSetter::ApplyKde(const std::string& path, std::string& reason) {
  std::string output;
  const std::vector<std::string> apply = {"plasma-apply-wallpaperimage", path};
  int status = Run(apply, output);
  if (status == 0) return true;
  const std::string script =
      "for (const d of desktops()) { d.wallpaperPlugin = \"org.kde.image\"; "
      "d.currentConfigGroup = [\"Wallpaper\", \"org.kde.image\", \"General\"]; "
      "d.writeConfig(\"Image\", " +
      ScriptString(FileUri(path)) + "); d.writeConfig(\"FillMode\", 6); }";
  for (const char* qdbus : {"qdbus", "qdbus6", "qdbus-qt5"}) {
    const std::vector<std::string> call = {qdbus, "org.kde.plasmashell", "/PlasmaShell",
                                           "org.kde.PlasmaShell.evaluateScript", script};
    const int callStatus = Run(call, output);
    if (callStatus == 0) return true;
    if (callStatus != 127) {
      reason = Describe(call, callStatus) + "; the wallpaper was not changed";
      return false;
    }
  }
  reason = Describe(apply, status) + " and no qdbus was found; the wallpaper was not changed";
  return false;
}

bool DesktopWallpaperSetter::ApplyXfce(const std::string& path, std::string& reason) {
  std::string output;
  const std::vector<std::string> list = {"xfconf-query", "-c", "xfce4-desktop", "-l"};
  const int status = Run(list, output);
  if (status != 0) {
    reason = Describe(list, status) + "; the wallpaper was not changed";
    return false;
  }
  const std::string kImage = "/last-image";
  bool any = false;
  for (const std::string& line : SplitLines(output)) {
    const std::string property(Trim(line));
    if (property.size() <= kImage.size() || property.compare(property.size() - kImage.size(), kImage.size(), kImage) != 0) {
      continue;
    }
    std::string ignored;
    if (Run({"xfconf-query", "-c", "xfce4-desktop", "-p", property, "-s", path}, ignored) != 0) continue;
    any = true;
    const std::string style = property.substr(0, property.size() - kImage.size()) + "/image-style";
    std::string current;
    if (Run({"xfconf-query", "-c", "xfce4-desktop", "-p", style}, current) == 0 && TrimmedOutput(current) == "2") {
      Run({"xfconf-query", "-c", "xfce4-desktop", "-p", style, "-s", "1"}, ignored);  // tiled -> centred
    }
  }
  if (!any) {
    reason = "XFCE has no desktop background to set (no last-image property); the wallpaper was not changed";
    return false;
  }
  return true;
}

}  // namespace kv
