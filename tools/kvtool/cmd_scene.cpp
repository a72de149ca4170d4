// kvtool scene build / scene info: make scene files from a manifest and show
// what the player reads from them.
#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "base/error.h"
#include "base/message_box.h"
#include "base/text.h"
#include "scene/area_colors.h"
#include "scene/project.h"
#include "scene/scene_manifest.h"
#include "scene/scene_writer.h"
#include "tools/kvtool/command_registry.h"
#include "tools/kvtool/json_writer.h"

namespace kv::tool {
namespace {

int RunBuild(const std::vector<std::string>& args) {
  std::string manifest, out;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "-o" && i + 1 < args.size()) {
      out = args[++i];
    } else if (!args[i].empty() && args[i][0] == '-') {
      throw UsageError{"unknown option " + args[i]};
    } else if (manifest.empty()) {
      manifest = args[i];
    } else {
      throw UsageError{"unexpected argument " + args[i]};
    }
  }
  if (manifest.empty() || out.empty()) throw UsageError{"MANIFEST.ini and -o OUT.KVP are required"};
  WriteSceneFile(LoadSceneManifest(manifest), out);
  return 0;
}

void PictureSize(JsonWriter& json, const char* key, const Bitmap32& picture) {
  json.Key(key).BeginObject().Field("width", picture.Width()).Field("height", picture.Height()).EndObject();
}

// Keeps LoadPreview's error box off stderr; the command prints the error text.
class QuietBox : public MessageBox {
 public:
  void Show(const std::string&) override {}
};

int RunInfo(const std::vector<std::string>& args) {
  std::string file;
  bool headerOnly = false;
  for (const std::string& a : args) {
    if (a == "--header") {
      headerOnly = true;
    } else if (!a.empty() && a[0] == '-') {
      throw UsageError{"unknown option " + a};
    } else if (file.empty()) {
      file = a;
    } else {
      throw UsageError{"unexpected argument " + a};
    }
  }
  if (file.empty()) throw UsageError{"FILE.KVP is required"};

  TProject scene;
  bool loaded = false;
  if (headerOnly) {
    QuietBox quiet;
    SetMessages(&quiet);
    loaded = scene.LoadPreview(file);
    SetMessages(nullptr);
  } else {
    loaded = scene.LoadFromFile(file);
  }
  if (!loaded) {
    WriteToStderr(scene.LastError());
    return 1;
  }

  JsonWriter json;
  json.BeginObject();
  json.Field("title", Cp1252ToUtf8(scene.Title));
  json.Field("note", Cp1252ToUtf8(scene.Note));
  if (!headerOnly) PictureSize(json, "background", scene.Background);
  PictureSize(json, "preview", scene.PreviewPicture);
  if (!headerOnly) {
    json.Key("areas").BeginArray();
    for (const TWaveParam& a : scene.WaveAreas) {
      json.BeginObject()
          .Field("amplitude", a.Amplitude)
          .Field("waveCount", a.WaveCount)
          .Field("speed", a.Speed)
          .Field("direction", a.Direction)
          .Field("horizontal", a.Horizontal != 0)
          .Field("vertical", a.Vertical != 0)
          .Field("perspective", a.Perspective != 0)
          .Field("period", a.Period)
          .Field("columnJitter", a.ColumnJitter)
          .Field("reflection", a.Reflection != 0)
          .EndObject();
    }
    json.EndArray();

    std::array<int64_t, 5> counts{};
    for (int32_t y = 0; y < scene.AreaMask.Height(); ++y) {
      const uint32_t* row = scene.AreaMask.Row(y);
      for (int32_t x = 0; x < scene.AreaMask.Width(); ++x) ++counts[static_cast<size_t>(AreaIndexOf(row[x]))];
    }
    json.Key("maskCounts").BeginObject();
    for (size_t i = 0; i < counts.size(); ++i) json.Field(std::to_string(i), counts[i]);
    json.EndObject();

    const TWeatherParam& w = scene.Weather;
    json.Key("weather")
        .BeginObject()
        .Field("kind", w.Kind)
        .Field("amount", w.Amount)
        .Field("speedIndex", w.SpeedIndex)
        .Field("angle", w.Angle)
        .Field("dropLength", w.DropLength)
        .Field("opacity", w.Opacity)
        .EndObject();

    json.Key("sounds").BeginArray();
    for (int32_t i = 0; i < scene.SoundCount(); ++i) {
      const TSoundRecord& s = scene.Sounds[static_cast<size_t>(i)];
      json.BeginObject()
          .Field("fileName", Cp1252ToUtf8(s.FileName))
          .Field("playMode", s.PlayMode)
          .Field("minInterval", s.MinInterval)
          .Field("maxInterval", s.MaxInterval)
          .EndObject();
    }
    json.EndArray();
    json.Field("soundCount", scene.SoundCount());
  }
  json.EndObject();
  std::fputs(json.Str().c_str(), stdout);
  return 0;
}

KV_TOOL_COMMAND("scene build", "scene build MANIFEST.ini -o OUT.KVP",
                "write a scene file from a manifest of pictures, areas, weather and sounds", RunBuild);
KV_TOOL_COMMAND("scene info", "scene info FILE.KVP [--header]",
                "print what the player loads from a scene file, as JSON", RunInfo);

}  // namespace
}  // namespace kv::tool
