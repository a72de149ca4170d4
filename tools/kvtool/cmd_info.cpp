// kvtool info: the project definition of a screensaver as JSON.
#include <stdlib.h>

#include <cstdio>
#include <filesystem>

#include "base/error.h"
#include "base/text.h"
#include "package/payload.h"
#include "package/workspace.h"
#include "project/kvc_project.h"
#include "project/playlist.h"
#include "project/preferences.h"
#include "tools/kvtool/command_registry.h"
#include "tools/kvtool/json_writer.h"

namespace kv::tool {
namespace {

// A private folder in the user's temporary directory, removed with its files.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = UserTempFolder() + "kvtool-info-XXXXXX";
    if (!::mkdtemp(pattern.data())) throw Error("kvtool info: cannot create a temporary folder");
    path_ = pattern + "/";
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

std::string Text(const std::string& bytes) { return Cp1252ToUtf8(bytes); }

void WriteSettings(JsonWriter& json, const TKVCSetting& s) {
  json.Key("settings").BeginObject();
  json.Field("ProductName", Text(s.ProductName))
      .Field("Publisher", Text(s.Publisher))
      .Field("Website", Text(s.Website))
      .Field("Stretch", s.Stretch)
      .Field("Proportional", s.Proportional)
      .Field("Sound", s.Sound)
      .Field("Music", s.Music)
      .Field("Random", s.Random)
      .Field("Duration", s.Duration)
      .Field("Transition", s.Transition)
      .Field("TransitionTime", s.TransitionTime)
      .Field("TransitionEffects", Text(s.TransitionEffects))
      .Field("Speed", s.Speed)
      .Field("ShowImageMode", s.ShowImageMode)
      .Field("DirectX", s.DirectX)
      .Field("DirectXQuality", s.DirectXQuality)
      .Field("PreviewFile", Text(s.PreviewFile))
      .Field("MusicFile", Text(s.MusicFile))
      .Field("MusicMode", s.MusicMode);
  json.EndObject();
}

int RunInfo(const std::vector<std::string>& args) {
  std::string file;
  bool show = false;
  for (const auto& arg : args) {
    if (arg == "--show") {
      show = true;
    } else if (!arg.empty() && arg[0] == '-') {
      throw UsageError{"unknown option " + arg};
    } else if (file.empty()) {
      file = arg;
    } else {
      throw UsageError{"unexpected argument " + arg};
    }
  }
  if (file.empty()) throw UsageError{"FILE.scr is required"};
  if (!HasPayload(file)) throw Error("kvtool info: no screensaver payload found in " + file);

  TKVCProject project;
  std::vector<std::string> media;
  {
    const ScratchFolder scratch;
    media = ExtractPayload(file, scratch.path()).media_lines;
    project.LoadFromPack(scratch.path() + kSettingsPackName);
  }
  if (show) {
    for (auto& flag : project.FileList.Flags) flag = "TRUE";
    ApplyPreferencesToProject(project, file);
  }

  JsonWriter json;
  json.BeginObject();
  WriteSettings(json, project.Setting);
  json.Key("fileList").BeginArray();
  const auto& list = project.FileList;
  for (size_t i = 0; i < list.Names.size(); ++i) {
    json.BeginObject().Field("name", Text(list.Names[i])).Field("flag", list.Flags[i]).EndObject();
  }
  json.EndArray();
  json.Key("ui").BeginObject().Field("uiFile", Text(project.UI.UIFile)).EndObject();
  json.Key("media").BeginArray();
  for (const auto& line : media) json.String(Text(line));
  json.EndArray();
  if (show) {
    json.Key("playlist").BeginArray();
    for (const auto& name : BuildPlaylist(project)) json.String(Text(name));
    json.EndArray();
  }
  json.EndObject();
  std::fputs(json.Str().c_str(), stdout);
  return 0;
}

}  // namespace

KV_TOOL_COMMAND("info", "info FILE.scr [--show]",
                "the project definition of a screensaver as JSON (--show: as the show plays it)", RunInfo);

}  // namespace kv::tool
