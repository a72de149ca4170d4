#include "base/random.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "base/clock.h"

namespace kv {
namespace {

TEST(Random, FollowsTheLinearCongruentialRule) {
  SetRandSeed(0);
  // seed 1: high half of 1 * 100 is 0.
  EXPECT_EQ(Random(100), 0);
  EXPECT_EQ(RandSeed(), 1u);
  // seed 134775814: (134775814 * 100) >> 32 = 3.
  EXPECT_EQ(Random(100), 3);
  EXPECT_EQ(RandSeed(), 134775814u);
  SetRandSeed(0xFFFFFFFFu);
  // seed wraps: 0xFFFFFFFF * 134775813 + 1 mod 2^32.
  const uint32_t expected = 0xFFFFFFFFu * 134775813u + 1u;
  EXPECT_EQ(Random(0), 0);
  EXPECT_EQ(RandSeed(), expected);
}

TEST(Random, StaysInRange) {
  SetRandSeed(12345);
  for (int i = 0; i < 10000; ++i) {
    const int32_t v = Random(7);
    ASSERT_GE(v, 0);
    ASSERT_LT(v, 7);
  }
  SetRandSeed(0xFFFFFFFEu);
  EXPECT_EQ(Random(1), 0);
}

TEST(Random, ScopedSeedRestoresAlsoOnError) {
  SetRandSeed(777);
  try {
    ScopedRandSeed scoped(5);
    EXPECT_EQ(RandSeed(), 5u);
    Random(10);
    throw std::runtime_error("interrupted");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(RandSeed(), 777u);
}

TEST(Random, RandomizeTakesTheClock) {
  ManualClock clock(424242);
  Randomize(clock);
  EXPECT_EQ(RandSeed(), 424242u);
}

}  // namespace
}  // namespace kv
