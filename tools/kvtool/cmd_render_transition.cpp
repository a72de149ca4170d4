// kvtool render transition: one step of a transition effect, as a PNG.
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "base/error.h"
#include "base/random.h"
#include "base/text.h"
#include "image/picture_loader.h"
#include "image/png_codec.h"
#include "saver/effects/effect.h"
#include "tools/kvtool/command_registry.h"

namespace kv::tool {
namespace {

int32_t IntOption(const std::string& name, const std::string& text, int64_t lo, int64_t hi) {
  const auto value = ParseInt32(text);
  if (!value || *value < lo || *value > hi) {
    throw UsageError{name + " must be a whole number from " + std::to_string(lo) + " to " + std::to_string(hi) +
                     ", not '" + text + "'"};
  }
  return *value;
}

uint32_t SeedOption(const std::string& text) {
  size_t used = 0;
  unsigned long long value = 0;
  try {
    value = std::stoull(text, &used, 10);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used == 0 || used != text.size() || text[0] == '-' || value > std::numeric_limits<uint32_t>::max()) {
    throw UsageError{"--seed must be a whole number from 0 to 4294967295, not '" + text + "'"};
  }
  return static_cast<uint32_t>(value);
}

int RunRenderTransition(const std::vector<std::string>& args) {
  std::vector<std::string> files;
  std::string out;
  int32_t effect = 0;
  int32_t progress = -1;
  uint32_t seed = 1;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw UsageError{a + " needs a value"};
      return args[++i];
    };
    if (a == "--effect") {
      effect = IntOption("--effect", value(), 1, kEffectCount);
    } else if (a == "--progress") {
      progress = IntOption("--progress", value(), 0, 100);
    } else if (a == "--seed") {
      seed = SeedOption(value());
    } else if (a == "-o") {
      out = value();
    } else if (!a.empty() && a[0] == '-') {
      throw UsageError{"unknown option " + a};
    } else {
      files.push_back(a);
    }
  }
  if (files.size() != 2) throw UsageError{"give the old and the new picture"};
  if (effect == 0) throw UsageError{"--effect is required"};
  if (progress < 0) throw UsageError{"--progress is required"};
  if (out.empty()) throw UsageError{"-o OUT.png is required"};

  Bitmap32 work = LoadPicture(files[0]);
  const Bitmap32 image = LoadPicture(files[1]);
  if (work.Width() != image.Width() || work.Height() != image.Height()) {
    throw Error("The pictures differ in size: " + std::to_string(work.Width()) + "x" +
                std::to_string(work.Height()) + " and " + std::to_string(image.Width()) + "x" +
                std::to_string(image.Height()));
  }
  const int32_t W = work.Width();
  const int32_t H = work.Height();
  const EffectExtents e = ComputeExtents(W, H, progress);
  SetRandSeed(seed);
  Effects()[static_cast<size_t>(effect)].Proc(work, image, W, H, e.X, e.Y, progress);
  SavePng(work, out);
  return 0;
}

}  // namespace

KV_TOOL_COMMAND("render transition", "render transition OLD NEW --effect N --progress P [--seed S] -o OUT.png",
                "one step of transition effect N at progress P (0..100), drawn over OLD, as a PNG",
                RunRenderTransition);

}  // namespace kv::tool
