// kvtool render scene: frames of a scene's animation on a manual clock, as PNGs.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/error.h"
#include "image/png_codec.h"
#include "render/anim_engine.h"
#include "render/fit_scene.h"
#include "scene/project.h"
#include "tools/kvtool/command_registry.h"

namespace kv::tool {
namespace {

int64_t Whole(const std::string& name, const std::string& text, int64_t lo, int64_t hi) {
  size_t used = 0;
  long long value = 0;
  try {
    value = std::stoll(text, &used, 10);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used == 0 || used != text.size() || value < lo || value > hi) {
    throw UsageError{name + " must be a whole number from " + std::to_string(lo) + " to " + std::to_string(hi) +
                     ", not '" + text + "'"};
  }
  return value;
}

void FitSize(const std::string& text, int32_t& width, int32_t& height) {
  const size_t x = text.find('x');
  if (x == std::string::npos) throw UsageError{"--fit takes WIDTHxHEIGHT, not '" + text + "'"};
  width = static_cast<int32_t>(Whole("--fit width", text.substr(0, x), 1, 16384));
  height = static_cast<int32_t>(Whole("--fit height", text.substr(x + 1), 1, 16384));
}

std::string FrameName(int32_t k) {
  char name[32];
  std::snprintf(name, sizeof name, "frame_%04d.png", static_cast<int>(k));
  return name;
}

int RunRenderScene(const std::vector<std::string>& args) {
  std::string file;
  std::string out;
  int32_t frames = 10;
  uint32_t stepMs = 33;
  uint32_t clockStart = 1000;
  int32_t speed = 100;
  bool fit = false;
  int32_t fitWidth = 0;
  int32_t fitHeight = 0;
  bool proportional = false;
  bool weather = true;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw UsageError{a + " needs a value"};
      return args[++i];
    };
    if (a == "-o") {
      out = value();
    } else if (a == "--frames") {
      frames = static_cast<int32_t>(Whole(a, value(), 0, 9999));
    } else if (a == "--step-ms") {
      stepMs = static_cast<uint32_t>(Whole(a, value(), 0, std::numeric_limits<int32_t>::max()));
    } else if (a == "--clock-start") {
      clockStart = static_cast<uint32_t>(Whole(a, value(), 0, std::numeric_limits<uint32_t>::max()));
    } else if (a == "--speed") {
      speed = static_cast<int32_t>(Whole(a, value(), 1, 100000));
    } else if (a == "--fit") {
      fit = true;
      FitSize(value(), fitWidth, fitHeight);
    } else if (a == "--proportional") {
      proportional = true;
    } else if (a == "--no-weather") {
      weather = false;
    } else if (!a.empty() && a[0] == '-') {
      throw UsageError{"unknown option " + a};
    } else if (file.empty()) {
      file = a;
    } else {
      throw UsageError{"give one scene file"};
    }
  }
  if (file.empty()) throw UsageError{"give the scene file"};
  if (out.empty()) throw UsageError{"-o DIR is required"};

  TProject scene;
  if (!scene.LoadFromFile(file)) throw Error("Cannot load scene " + file + ": " + scene.LastError());
  scene.SetSpeed(speed);
  if (fit) FitScene(proportional, scene, fitWidth, fitHeight);

  std::error_code ec;
  std::filesystem::create_directories(out, ec);
  if (!std::filesystem::is_directory(out)) throw Error("Cannot create the folder " + out);
  const std::filesystem::path dir(out);

  ManualClock clock(clockStart);
  TAnimEngine engine(clock);
  engine.AttachScene(scene);
  engine.SetWeather(false);
  engine.Prepare();
  if (weather) engine.SetWeather(scene.Weather.Kind > 0);
  SavePng(engine.CurrentFrame(), (dir / FrameName(0)).string());
  for (int32_t k = 1; k <= frames; ++k) {
    clock.Advance(stepMs);
    engine.Step();
    SavePng(engine.CurrentFrame(), (dir / FrameName(k)).string());
  }
  std::printf("%d frames of %dx%d written to %s\n", static_cast<int>(frames + 1),
              static_cast<int>(engine.CurrentFrame().Width()), static_cast<int>(engine.CurrentFrame().Height()),
              out.c_str());
  return 0;
}

KV_TOOL_COMMAND("render scene",
                "render scene FILE.KVP -o DIR [--frames N] [--step-ms D] [--clock-start T] [--speed P] "
                "[--fit WxH] [--proportional] [--no-weather]",
                "frames of a scene's animation as PNGs (manual clock)", RunRenderScene);

}  // namespace
}  // namespace kv::tool
