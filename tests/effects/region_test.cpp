#include "saver/effects/region.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "base/random.h"

namespace kv {
namespace {

int64_t Area(const Region& r) {
  int64_t area = 0;
  for (const auto& band : r.Bands()) {
    for (const auto& s : r.BandSpans(band)) area += int64_t{s.right - s.left} * (band.bottom - band.top);
  }
  return area;
}

TEST(RegionTest, RectExcludesRightAndBottomEdges) {
  const Region r = Region::FromRect({2, 3, 5, 7});
  EXPECT_TRUE(r.Contains(2, 3));
  EXPECT_TRUE(r.Contains(4, 6));
  EXPECT_FALSE(r.Contains(5, 3));
  EXPECT_FALSE(r.Contains(2, 7));
  EXPECT_FALSE(r.Contains(1, 3));
  EXPECT_EQ(Area(r), 12);
  EXPECT_EQ(r.Top(), 3);
  EXPECT_EQ(r.Bottom(), 7);
}

TEST(RegionTest, EmptyAndInvertedRectsCoverNothing) {
  EXPECT_TRUE(Region::FromRect({5, 0, 5, 10}).Empty());
  EXPECT_TRUE(Region::FromRect({6, 0, 5, 10}).Empty());
  EXPECT_TRUE(Region::FromRect({0, 9, 5, 1}).Empty());
  EXPECT_TRUE(Region::FromRects({{3, 3, 1, 1}, {0, 0, 0, 4}}).Empty());
  EXPECT_TRUE(Region().RowSpans(0).empty());
}

TEST(RegionTest, RowSpansAreSortedAndMerged) {
  const Region r = Region::FromRects({{10, 0, 20, 5}, {0, 2, 5, 4}, {5, 3, 12, 4}, {30, 0, 40, 1}});
  auto row3 = r.RowSpans(3);
  ASSERT_EQ(row3.size(), 1u);
  EXPECT_EQ(row3[0].left, 0);
  EXPECT_EQ(row3[0].right, 20);
  auto row2 = r.RowSpans(2);
  ASSERT_EQ(row2.size(), 2u);
  EXPECT_EQ(row2[0].right, 5);
  EXPECT_EQ(row2[1].left, 10);
  EXPECT_EQ(r.RowSpans(0).size(), 2u);
  EXPECT_TRUE(r.RowSpans(5).empty());
  EXPECT_TRUE(r.RowSpans(-1).empty());
}

// Set operations and rectangle lists against a per-pixel model.
TEST(RegionTest, SetOperationsMatchPixelModel) {
  ScopedRandSeed seed(7);
  constexpr int kSize = 24;
  for (int round = 0; round < 60; ++round) {
    std::vector<Rect> ra, rb;
    for (int i = 0; i < 1 + Random(6); ++i) {
      ra.push_back({Random(kSize) - 2, Random(kSize) - 2, Random(kSize) + 1, Random(kSize) + 1});
      rb.push_back({Random(kSize) - 2, Random(kSize) - 2, Random(kSize) + 1, Random(kSize) + 1});
    }
    const Region a = Region::FromRects(ra);
    const Region b = Region::FromRects(rb);
    const Region u = a.Union(b), n = a.Intersect(b), x = a.Xor(b);
    for (int y = -3; y < kSize + 3; ++y) {
      for (int xx = -3; xx < kSize + 3; ++xx) {
        bool in_a = false, in_b = false;
        for (const Rect& r : ra) in_a |= xx >= r.left && xx < r.right && y >= r.top && y < r.bottom;
        for (const Rect& r : rb) in_b |= xx >= r.left && xx < r.right && y >= r.top && y < r.bottom;
        ASSERT_EQ(a.Contains(xx, y), in_a) << round << " " << xx << "," << y;
        ASSERT_EQ(u.Contains(xx, y), in_a || in_b);
        ASSERT_EQ(n.Contains(xx, y), in_a && in_b);
        ASSERT_EQ(x.Contains(xx, y), in_a != in_b);
      }
    }
    // Bands stay coalesced: the same set built two ways is the same region.
    EXPECT_EQ(u, b.Union(a));
    EXPECT_EQ(x.Xor(b), a);
  }
}

TEST(RegionTest, AxisAlignedPolygonEqualsRect) {
  EXPECT_EQ(Region::Polygon({{1, 2}, {9, 2}, {9, 7}, {1, 7}}), Region::FromRect({1, 2, 9, 7}));
  EXPECT_EQ(Region::Polygon({{1, 7}, {9, 7}, {9, 2}, {1, 2}}), Region::FromRect({1, 2, 9, 7}));
  EXPECT_TRUE(Region::Polygon({{0, 0}, {5, 5}}).Empty());
  EXPECT_TRUE(Region::Polygon({{0, 0}, {5, 0}, {9, 0}}).Empty());
}

TEST(RegionTest, PolygonUsesWindingRule) {
  // A pentagram drawn in one stroke: its centre has winding number 2, which
  // the alternate rule would leave empty.
  std::vector<Point> star;
  for (int i = 0; i < 5; ++i) {
    const double a = -M_PI / 2 + i * 4 * M_PI / 5;
    star.push_back({static_cast<int32_t>(std::lround(50 + 40 * std::cos(a))),
                    static_cast<int32_t>(std::lround(50 + 40 * std::sin(a)))});
  }
  const Region r = Region::Polygon(star);
  EXPECT_TRUE(r.Contains(50, 50));
  EXPECT_TRUE(r.Contains(50, 15));   // the upper point
  EXPECT_FALSE(r.Contains(12, 88));  // between the lower points and the corner
  // Two overlapping squares in one outline with the same orientation.
  const Region twice = Region::Polygon({{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}, {5, 5}, {15, 5}, {15, 15},
                                        {5, 15}, {5, 5}});
  EXPECT_TRUE(twice.Contains(7, 7));
}

TEST(RegionTest, TriangleCoversHalfItsBox) {
  const Region r = Region::Polygon({{0, 0}, {100, 0}, {0, 100}});
  EXPECT_NEAR(static_cast<double>(Area(r)), 5000.0, 100.0);
  EXPECT_TRUE(r.Contains(0, 0));
  EXPECT_TRUE(r.Contains(98, 0));
  EXPECT_FALSE(r.Contains(60, 60));
  EXPECT_FALSE(r.Contains(100, 0));
}

TEST(RegionTest, EllipseIsInscribedAndSymmetric) {
  const Region e = Region::Ellipse({10, 20, 70, 60});
  EXPECT_NEAR(static_cast<double>(Area(e)), M_PI * 30 * 20, 60.0);
  EXPECT_TRUE(e.Contains(40, 40));
  EXPECT_TRUE(e.Contains(10, 40));
  EXPECT_TRUE(e.Contains(69, 40));
  EXPECT_TRUE(e.Contains(40, 20));
  EXPECT_TRUE(e.Contains(40, 59));
  EXPECT_FALSE(e.Contains(70, 40));
  EXPECT_FALSE(e.Contains(11, 21));
  for (int y = 20; y < 60; ++y) {
    for (int x = 10; x < 70; ++x) {
      ASSERT_EQ(e.Contains(x, y), e.Contains(79 - x, y)) << x << "," << y;
      ASSERT_EQ(e.Contains(x, y), e.Contains(x, 79 - y)) << x << "," << y;
    }
  }
  EXPECT_EQ(Region::Ellipse({70, 60, 10, 20}), e);
}

TEST(RegionTest, RoundRectCornersLimitedToBox) {
  const Rect box{0, 0, 40, 30};
  EXPECT_EQ(Region::RoundRect(box, 400, 300), Region::Ellipse(box));
  EXPECT_EQ(Region::RoundRect(box, 0, 0), Region::FromRect(box));
  const Region r = Region::RoundRect(box, 10, 10);
  EXPECT_FALSE(r.Contains(0, 0));
  EXPECT_FALSE(r.Contains(39, 29));
  EXPECT_TRUE(r.Contains(5, 0));
  EXPECT_TRUE(r.Contains(0, 5));
  EXPECT_TRUE(r.Contains(35, 15));
  EXPECT_EQ(r.RowSpans(15)[0].right, 40);
  // Huge boxes, as the curved reveals use, stay cheap and bounded.
  const Region big = Region::RoundRect({-3840, 0, 500, 1081}, 3840, 3840);
  EXPECT_TRUE(big.Contains(0, 540));
  EXPECT_FALSE(big.Contains(499, 0));
}

}  // namespace
}  // namespace kv
