#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <vector>

#include "render/fit_scene.h"
#include "render/smooth_resize.h"
#include "render/stretch_to_fit.h"
#include "scene/area_colors.h"

namespace kv {
namespace {

TProject Scene1024() {
  TProject p;
  p.Background.SetSize(1024, 768);
  for (int y = 0; y < 768; ++y)
    for (int x = 0; x < 1024; ++x) p.Background.SetPixel(x, y, 0xFF000000u | uint32_t(x * 977 + y * 131));
  p.AreaMask.SetSize(1024, 768, 0);
  for (int y = 400; y < 768; ++y)
    for (int x = 0; x < 1024; ++x) p.AreaMask.SetPixel(x, y, AreaColors[static_cast<size_t>(1 + x / 256)]);
  return p;
}

void BM_FitScene1080p(benchmark::State& state) {
  const TProject original = Scene1024();
  // memcpy of the 1920 x 1080 output frame, timed in the same process.
  std::vector<uint32_t> a(1920 * 1080, 1), b(1920 * 1080);
  auto start = std::chrono::steady_clock::now();
  constexpr int kCopies = 50;
  for (int i = 0; i < kCopies; ++i) {
    std::memcpy(b.data(), a.data(), a.size() * 4);
    benchmark::DoNotOptimize(b.data());
  }
  const double copyNs =
      std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count() / kCopies;
  double totalNs = 0;
  for (auto _ : state) {
    state.PauseTiming();
    TProject p = original;
    state.ResumeTiming();
    const auto t0 = std::chrono::steady_clock::now();
    FitScene(false, p, 1920, 1080);
    totalNs += std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - t0).count();
    benchmark::DoNotOptimize(p.Background.Bits());
  }
  state.counters["ms"] = totalNs / static_cast<double>(state.iterations()) / 1e6;
  state.counters["ratio_to_memcpy"] = totalNs / static_cast<double>(state.iterations()) / copyNs;
}
BENCHMARK(BM_FitScene1080p)->Unit(benchmark::kMillisecond);

// The resize kernels alone, into frames already allocated and touched: what
// FitScene costs apart from the first touch of its new pictures' memory.
void BM_FitKernels1080p(benchmark::State& state) {
  const TProject scene = Scene1024();
  Bitmap32 background(1920, 1080), mask(1920, 1080, 0);
  std::vector<uint32_t> a(1920 * 1080, 1), b(1920 * 1080);
  double copyNs = 0;
  double totalNs = 0;
  for (auto _ : state) {
    auto t0 = std::chrono::steady_clock::now();
    std::memcpy(b.data(), a.data(), a.size() * 4);
    benchmark::DoNotOptimize(b.data());
    auto t1 = std::chrono::steady_clock::now();
    SmoothResize(scene.Background, background);
    StretchToFit(scene.AreaMask, mask);
    auto t2 = std::chrono::steady_clock::now();
    copyNs += std::chrono::duration<double, std::nano>(t1 - t0).count();
    totalNs += std::chrono::duration<double, std::nano>(t2 - t1).count();
    benchmark::DoNotOptimize(background.Bits());
  }
  state.counters["ms"] = totalNs / static_cast<double>(state.iterations()) / 1e6;
  state.counters["ratio_to_memcpy"] = totalNs / copyNs;
}
BENCHMARK(BM_FitKernels1080p)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kv

BENCHMARK_MAIN();
