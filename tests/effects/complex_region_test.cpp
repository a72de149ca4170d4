#include "saver/effects/complex_region.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

TEST(ComplexRegionTest, EmptyBuilderYieldsNoRegion) {
  TComplexRegion b;
  EXPECT_FALSE(b.CreateRegion().has_value());
  EXPECT_EQ(b.Capacity(), 0);
  EXPECT_EQ(b.Count(), 0);
  EXPECT_EQ(b.Bounds().left, 2147483647);
  EXPECT_EQ(b.Bounds().top, 2147483647);
  EXPECT_EQ(b.Bounds().right, -2147483647);
  EXPECT_EQ(b.Bounds().bottom, -2147483647);
}

TEST(ComplexRegionTest, OneRectSetsBoundsAndRegion) {
  TComplexRegion b;
  b.AddRect(3, 4, 10, 12);
  EXPECT_EQ(b.Bounds().left, 3);
  EXPECT_EQ(b.Bounds().top, 4);
  EXPECT_EQ(b.Bounds().right, 10);
  EXPECT_EQ(b.Bounds().bottom, 12);
  auto r = b.CreateRegion();
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(*r, Region::FromRect({3, 4, 10, 12}));
  // The builder is unchanged by CreateRegion.
  EXPECT_EQ(b.Count(), 1);
  EXPECT_EQ(*b.CreateRegion(), *r);
}

TEST(ComplexRegionTest, GrowsByFiveHundred) {
  TComplexRegion b;
  b.AddRect(0, 0, 1, 1);
  EXPECT_EQ(b.Capacity(), 500);
  for (int i = 1; i < 500; ++i) b.AddRect(i, 0, i + 1, 1);
  EXPECT_EQ(b.Capacity(), 500);
  b.AddRect(500, 0, 501, 1);
  EXPECT_EQ(b.Count(), 501);
  EXPECT_EQ(b.Capacity(), 1000);
  // Content survives the growth.
  EXPECT_EQ(b.Rects()[0].right, 1);
  EXPECT_EQ(b.Rects()[499].left, 499);
  EXPECT_EQ(*b.CreateRegion(), Region::FromRect({0, 0, 501, 1}));
  b.Clear();
  EXPECT_EQ(b.Capacity(), 0);
  EXPECT_EQ(b.Count(), 0);
  EXPECT_EQ(b.Bounds().left, 2147483647);
  EXPECT_FALSE(b.CreateRegion().has_value());
}

TEST(ComplexRegionTest, EmptyAndInvertedRectsAreStoredButCoverNothing) {
  TComplexRegion b;
  b.AddRect(10, 10, 5, 5);
  b.AddRect(0, 0, 0, 0);
  EXPECT_EQ(b.Count(), 2);
  EXPECT_EQ(b.Rects()[0].left, 10);
  EXPECT_EQ(b.Bounds().left, 0);
  EXPECT_EQ(b.Bounds().right, 5);
  auto r = b.CreateRegion();
  ASSERT_TRUE(r.has_value());
  EXPECT_TRUE(r->Empty());
}

}  // namespace
}  // namespace kv
