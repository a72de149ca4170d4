#include "base/rounding.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

TEST(Rounding, HalfToEven) {
  const struct {
    double in;
    int32_t out;
  } cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
               {2.4999, 2}, {2.5001, 3}, {-7.6, -8}, {1e12, 2147483647}};
  for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c.in), c.out) << c.in;
}

TEST(Rounding, MulDivHalfAwayFromZero) {
  const struct {
    int32_t a, b, c, out;
  } cases[] = {{5, 1, 2, 3},   {-5, 1, 2, -3},  {5, -1, 2, -3}, {-5, -1, 2, 3},
               {7, 1, 2, 4},   {4, 1, 3, 1},    {5, 1, 3, 2},   {1920, 50, 100, 960},
               {65536, 65536, 65536, 65536},    {1, 1, 0, -1},  {0x40000000, 4, 1, -1}};
  for (const auto& c : cases) EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.out) << c.a << "*" << c.b << "/" << c.c;
}

TEST(Rounding, TruncatingDivisionAndRemainder) {
  EXPECT_EQ(TruncDiv(-7, 2), -3);
  EXPECT_EQ(TruncMod(-7, 2), -1);
  EXPECT_EQ(TruncMod(7, -2), 1);
  EXPECT_EQ(Trunc(-2.9), -2);
  EXPECT_EQ(Trunc(2.9), 2);
}

}  // namespace
}  // namespace kv
