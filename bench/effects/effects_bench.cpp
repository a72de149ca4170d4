// One step of every transition effect at 1920 x 1080, P = 50, as a ratio to
// a memcpy of one frame measured in the same process; the table at the end
// is sorted by that ratio.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/random.h"
#include "saver/effects/effect.h"

namespace kv {
namespace {

constexpr int32_t kW = 1920;
constexpr int32_t kH = 1080;
constexpr int32_t kProgress = 50;

Bitmap32 Picture(uint32_t seed) {
  Bitmap32 b(kW, kH);
  ScopedRandSeed s(seed);
  for (int32_t y = 0; y < kH; ++y)
    for (int32_t x = 0; x < kW; ++x) b.SetPixel(x, y, 0xFF000000u | static_cast<uint32_t>(Random(1 << 24)));
  return b;
}

const Bitmap32& OldPicture() {
  static const Bitmap32 b = Picture(1);
  return b;
}
const Bitmap32& NewPicture() {
  static const Bitmap32 b = Picture(2);
  return b;
}

// Seconds for one memcpy of a frame, the best of many runs.
double MemcpySeconds() {
  static const double seconds = [] {
    Bitmap32 dst(kW, kH);
    const Bitmap32& src = OldPicture();
    double best = 1e9;
    for (int i = 0; i < 200; ++i) {
      const auto t0 = std::chrono::steady_clock::now();
      std::memcpy(dst.Bits(), src.Bits(), src.ByteSize());
      benchmark::DoNotOptimize(dst.Bits());
      benchmark::ClobberMemory();
      best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
    }
    return best;
  }();
  return seconds;
}

void BM_Memcpy(benchmark::State& state) {
  Bitmap32 dst(kW, kH);
  const Bitmap32& src = OldPicture();
  for (auto _ : state) {
    std::memcpy(dst.Bits(), src.Bits(), src.ByteSize());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);

void BM_Effect(benchmark::State& state) {
  const int32_t n = static_cast<int32_t>(state.range(0));
  const TEffectProc proc = Effects()[static_cast<size_t>(n)].Proc;
  const EffectExtents e = ComputeExtents(kW, kH, kProgress);
  Bitmap32 work = OldPicture();
  double total = 0;
  for (auto _ : state) {
    state.PauseTiming();
    std::memcpy(work.Bits(), OldPicture().Bits(), work.ByteSize());
    state.ResumeTiming();
    const auto t0 = std::chrono::steady_clock::now();
    proc(work, NewPicture(), kW, kH, e.X, e.Y, kProgress);
    benchmark::ClobberMemory();
    total += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  }
  state.counters["x_memcpy"] = total / static_cast<double>(state.iterations()) / MemcpySeconds();
  state.SetLabel(std::string(Effects()[static_cast<size_t>(n)].Name));
}
BENCHMARK(BM_Effect)->DenseRange(1, kEffectCount)->Unit(benchmark::kMillisecond);

// Collects the ratios while the console shows the usual lines.
class TableReporter : public benchmark::ConsoleReporter {
 public:
  struct Row {
    double ratio;
    int number;
    std::string name;
  };
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      auto it = run.counters.find("x_memcpy");
      if (it == run.counters.end()) continue;
      const std::string full = run.benchmark_name();
      const int number = std::atoi(full.substr(full.find('/') + 1).c_str());
      rows.push_back({it->second.value, number, run.report_label});
    }
  }
  std::vector<Row> rows;
};

bool Within(int number, double ratio) {
  auto in = [number](int lo, int hi) { return number >= lo && number <= hi; };
  // Fade, the block family and the push family.
  const bool tight = number == 1 || in(4, 16) || in(19, 33) || in(36, 56) || in(58, 60) || in(130, 137);
  return ratio <= (tight ? 2.0 : 4.0);
}

}  // namespace
}  // namespace kv

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  kv::TableReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  auto rows = reporter.rows;
  std::sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.ratio < b.ratio; });
  std::printf("\nmemcpy of one 1920x1080 frame: %.3f ms\n", kv::MemcpySeconds() * 1e3);
  std::printf("%-6s %-45s %10s %s\n", "No.", "Effect", "x memcpy", "target");
  int missed = 0;
  for (const auto& r : rows) {
    const bool ok = kv::Within(r.number, r.ratio);
    missed += !ok;
    std::printf("%-6d %-45s %10.2f %s\n", r.number, r.name.c_str(), r.ratio, ok ? "met" : "MISSED");
  }
  std::printf("%d of %zu effects miss their target\n", missed, rows.size());
  benchmark::Shutdown();
  return 0;
}
