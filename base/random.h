#pragma once

#include <cstdint>

namespace kv {

class Clock;

// The program-wide 32-bit linear congruential generator:
// seed = seed * 134775813 + 1 (mod 2^32); Random(n) = high 32 bits of seed * n.
uint32_t RandSeed();
void SetRandSeed(uint32_t seed);

// A uniformly drawn integer in 0 .. n-1; Random(0) is 0. Negative n gives a
// value in n+1 .. 0, as the 64-bit product's high half does.
int32_t Random(int32_t n);

// A uniformly drawn real in [0, 1).
double RandomReal();

// Seeds the generator from the clock's current millisecond count.
void Randomize(Clock& clock);

// Saves the program-wide seed, sets another, and restores the saved one when
// it goes out of scope (also when an exception passes through).
class ScopedRandSeed {
 public:
  explicit ScopedRandSeed(uint32_t seed);
  ~ScopedRandSeed();
  ScopedRandSeed(const ScopedRandSeed&) = delete;
  ScopedRandSeed& operator=(const ScopedRandSeed&) = delete;

 private:
  uint32_t saved_;
};

}  // namespace kv
