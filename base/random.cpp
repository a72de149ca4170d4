#include "base/random.h"

#include "base/clock.h"

namespace kv {
namespace {
uint32_t g_seed = 0;

uint32_t NextSeed() {
  g_seed = g_seed * 134775813u + 1u;
  return g_seed;
}
}  // namespace

uint32_t RandSeed() { return g_seed; }
void SetRandSeed(uint32_t seed) { g_seed = seed; }

int32_t Random(int32_t n) {
  const uint64_t seed = NextSeed();
  const int64_t product = static_cast<int64_t>(seed) * static_cast<int64_t>(n);
  return static_cast<int32_t>(product >> 32);
}

double RandomReal() { return static_cast<double>(NextSeed()) / 4294967296.0; }

void Randomize(Clock& clock) { g_seed = clock.TickCount(); }

ScopedRandSeed::ScopedRandSeed(uint32_t seed) : saved_(g_seed) { g_seed = seed; }
ScopedRandSeed::~ScopedRandSeed() { g_seed = saved_; }

}  // namespace kv
