#include <gtest/gtest.h>

#include "saver/effects/effect.h"

namespace kv {
namespace {

TEST(ComputeExtents, LongerSideFollowsProgressShorterKeepsProportion) {
  struct Case {
    int32_t W, H, P, X, Y;
  };
  const Case cases[] = {
      {800, 600, 50, 400, 300}, {600, 800, 50, 300, 400}, {641, 481, 33, 212, 159},  // 211.53, then 159.08
      {481, 641, 33, 159, 212}, {10, 5, 25, 3, 2},  // 2.5 and 1.5 round away from zero
      {5, 10, 25, 2, 3},        {333, 333, 1, 3, 3},      {1, 1000, 99, 1, 990},
      {7, 5, 0, 0, 0},          {7, 5, 100, 7, 5},        {5, 7, 100, 5, 7},
  };
  for (const Case& c : cases) {
    const EffectExtents e = ComputeExtents(c.W, c.H, c.P);
    EXPECT_EQ(e.X, c.X) << c.W << "x" << c.H << " P " << c.P;
    EXPECT_EQ(e.Y, c.Y) << c.W << "x" << c.H << " P " << c.P;
  }
}

TEST(ComputeExtents, EndsAreExactForEverySize) {
  for (int32_t w = 1; w <= 40; ++w) {
    for (int32_t h = 1; h <= 40; ++h) {
      const EffectExtents start = ComputeExtents(w, h, 0);
      const EffectExtents end = ComputeExtents(w, h, 100);
      ASSERT_TRUE(start.X == 0 && start.Y == 0) << w << "x" << h;
      ASSERT_TRUE(end.X == w && end.Y == h) << w << "x" << h;
    }
  }
}

TEST(ComputeExtents, EmptyPictureHasNoExtent) {
  for (const auto& [w, h] : {std::pair{0, 0}, std::pair{0, 5}, std::pair{5, 0}, std::pair{-3, 4}}) {
    const EffectExtents e = ComputeExtents(w, h, 50);
    EXPECT_EQ(e.X, 0);
    EXPECT_EQ(e.Y, 0);
  }
}

}  // namespace
}  // namespace kv
