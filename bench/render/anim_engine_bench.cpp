// TAnimEngine::Step on a 1920 x 1080 scene whose four areas cover half the
// picture, with and without 1000 flakes or drops. Counters: the ratio to a
// memcpy of one frame, the engine's peak heap bytes, allocations inside Step.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <malloc.h>
#include <new>
#include <vector>

#include "base/clock.h"
#include "render/anim_engine.h"
#include "scene/area_colors.h"

namespace {

std::atomic<int64_t> g_allocations{0};
std::atomic<int64_t> g_live{0};
std::atomic<int64_t> g_peak{0};

}  // namespace

// Counting allocator for this executable; sizes come from malloc_usable_size.
__attribute__((noinline)) void* operator new(std::size_t size) {
  void* p = std::malloc(size == 0 ? 1 : size);
  if (!p) throw std::bad_alloc();
  ++g_allocations;
  const int64_t live = g_live += static_cast<int64_t>(malloc_usable_size(p));
  int64_t peak = g_peak.load();
  while (live > peak && !g_peak.compare_exchange_weak(peak, live)) {
  }
  return p;
}
__attribute__((noinline)) void operator delete(void* p) noexcept {
  if (!p) return;
  g_live -= static_cast<int64_t>(malloc_usable_size(p));
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

namespace {

constexpr int32_t kW = 1920;
constexpr int32_t kH = 1080;

// Four areas in bands over the lower half: reflection, perspective and jitter
// on some of them.
void BuildScene(kv::TProject& scene, int32_t weatherKind) {
  scene.Background.SetSize(kW, kH);
  for (int32_t y = 0; y < kH; ++y) {
    uint32_t* row = scene.Background.Row(y);
    for (int32_t x = 0; x < kW; ++x) row[x] = 0xFF000000u | static_cast<uint32_t>((x * 7 + y * 13) & 0xFFFFFF);
  }
  scene.AreaMask.SetSize(kW, kH, 0);
  for (int32_t y = kH / 2; y < kH; ++y) {
    const size_t k = 1 + static_cast<size_t>((y - kH / 2) * 4 / (kH / 2));
    uint32_t* row = scene.AreaMask.Row(y);
    for (int32_t x = 0; x < kW; ++x) row[x] = kv::AreaColors[k];
  }
  for (int32_t k = 0; k < 4; ++k) {
    kv::TWaveParam& w = scene.WaveArea(k);
    w.Amplitude = 3 + k;
    w.WaveCount = 20 + 5 * k;
    w.Speed = 10 + k;
    w.Direction = k % 2;
    w.Horizontal = 1;
    w.Vertical = 1;
    w.Period = 360;
  }
  scene.WaveArea(0).Reflection = 1;
  scene.WaveArea(1).Perspective = 1;
  scene.WaveArea(2).ColumnJitter = 3;
  scene.WaveArea(3).Perspective = 1;
  scene.WaveArea(3).ColumnJitter = 2;
  scene.Weather = {weatherKind, 1000, 10, 70, 10, weatherKind == 1 ? 9 : 6};
}

double MemcpyFrameSeconds() {
  std::vector<uint32_t> a(static_cast<size_t>(kW) * kH, 1), b(a.size());
  benchmark::DoNotOptimize(a.data());
  double best = 1e9;
  for (int round = 0; round < 20; ++round) {
    const auto t0 = std::chrono::steady_clock::now();
    std::memcpy(b.data(), a.data(), a.size() * sizeof(uint32_t));
    benchmark::ClobberMemory();
    best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
  }
  return best;
}

void BM_Step(benchmark::State& state) {
  const int32_t weatherKind = static_cast<int32_t>(state.range(0));
  const double memcpySeconds = MemcpyFrameSeconds();
  kv::TProject scene;
  BuildScene(scene, weatherKind);
  kv::ManualClock clock(1000);
  const int64_t before = g_live.load();
  g_peak = before;
  kv::TAnimEngine engine(clock);
  engine.AttachScene(scene);
  engine.SetWeather(false);
  engine.Prepare();
  engine.SetWeather(weatherKind > 0);
  clock.Advance(33);
  engine.Step();
  int64_t allocationsInStep = 0;
  int64_t steps = 0;
  double seconds = 0;
  for (auto _ : state) {
    clock.Advance(33);
    const int64_t allocations = g_allocations.load();
    const auto t0 = std::chrono::steady_clock::now();
    engine.Step();
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    allocationsInStep += g_allocations.load() - allocations;
    benchmark::DoNotOptimize(engine.CurrentFrame().Bits());
    ++steps;
  }
  state.counters["ratio_to_memcpy"] = steps > 0 ? seconds / static_cast<double>(steps) / memcpySeconds : 0;
  state.counters["memcpy_us"] = memcpySeconds * 1e6;
  state.counters["allocs_in_step"] = static_cast<double>(allocationsInStep);
  state.counters["engine_peak_MB"] = static_cast<double>(g_peak.load() - before) / (1024.0 * 1024.0);
}
BENCHMARK(BM_Step)->Arg(0)->Arg(1)->Arg(2)->ArgName("weather")->Unit(benchmark::kMillisecond);

}  // namespace
