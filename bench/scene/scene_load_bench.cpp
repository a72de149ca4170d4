#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <unistd.h>

#include "image/jpeg_codec.h"
#include "scene/area_mask.h"
#include "scene/project.h"
#include "scene/scene_writer.h"

namespace kv {
namespace {

struct Fixture {
  SceneFileData data;
  std::string path;
  Fixture() {
    Bitmap32 bg(1024, 768);
    for (int y = 0; y < 768; ++y)
      for (int x = 0; x < 1024; ++x) bg.SetPixel(x, y, 0xFF000000u | uint32_t((x ^ y) * 2654435761u >> 8));
    Bitmap32 mask(1024, 768, 0);
    for (int y = 400; y < 768; ++y)
      for (int x = 0; x < 1024; ++x) mask.SetPixel(x, y, AreaColors[static_cast<size_t>(1 + x / 256)]);
    data.BackgroundJpeg = EncodeJpeg(bg, 85);
    data.PreviewJpeg = EncodeJpeg(Bitmap32(160, 120, 0xFF336699u), 85);
    data.MaskWords = EncodeAreaMask(mask);
    data.Areas.resize(4);
    path = (std::filesystem::temp_directory_path() / ("kv_bench_" + std::to_string(::getpid()) + ".kvp")).string();
    WriteSceneFile(data, path);
  }
  ~Fixture() { std::filesystem::remove(path); }
};

void BM_LoadScene1024(benchmark::State& state) {
  Fixture f;
  // The bare decode of the two JPEG streams, and a memcpy of the frame.
  Bitmap32 out;
  constexpr int kRuns = 20;
  auto t0 = std::chrono::steady_clock::now();
  for (int i = 0; i < kRuns; ++i) {
    DecodeJpeg(f.data.BackgroundJpeg, out);
    DecodeJpeg(f.data.PreviewJpeg, out);
  }
  const double decodeNs = std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - t0).count() / kRuns;
  std::vector<uint32_t> a(1024 * 768, 1), b(1024 * 768);
  t0 = std::chrono::steady_clock::now();
  for (int i = 0; i < kRuns; ++i) {
    std::memcpy(b.data(), a.data(), a.size() * 4);
    benchmark::DoNotOptimize(b.data());
  }
  const double copyNs = std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - t0).count() / kRuns;
  TProject p;
  double totalNs = 0;
  for (auto _ : state) {
    t0 = std::chrono::steady_clock::now();
    if (!p.LoadFromFile(f.path)) state.SkipWithError(p.LastError().c_str());
    totalNs += std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - t0).count();
  }
  const double perLoad = totalNs / static_cast<double>(state.iterations());
  state.counters["ratio_to_decode"] = perLoad / decodeNs;
  state.counters["ratio_to_memcpy"] = perLoad / copyNs;
}
BENCHMARK(BM_LoadScene1024)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kv

BENCHMARK_MAIN();
