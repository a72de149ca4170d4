#pragma once

#include <cstdint>
#include <vector>

#include "image/bitmap32.h"

namespace kv {

struct Point {
  int32_t x;
  int32_t y;
};

struct Rect {
  int32_t left;
  int32_t top;
  int32_t right;
  int32_t bottom;
};

// A set of pixels stored as sorted, non-overlapping spans per row. A rectangle
// covers left <= x < right, top <= y < bottom; empty and inverted rectangles
// cover nothing.
class Region {
 public:
  struct Span {
    int32_t left;   // first pixel
    int32_t right;  // one past the last pixel
  };

  Region() = default;

  static Region FromRect(const Rect& r);
  static Region FromRects(const std::vector<Rect>& rects);
  // Filled polygon under the winding (non-zero) rule.
  static Region Polygon(const std::vector<Point>& points);
  // Ellipse inscribed in the box.
  static Region Ellipse(const Rect& box);
  // The box with corners rounded by an ew x eh ellipse (limited to the box).
  static Region RoundRect(const Rect& box, int32_t ew, int32_t eh);

  Region Union(const Region& other) const;
  Region Intersect(const Region& other) const;
  Region Xor(const Region& other) const;

  bool Empty() const;
  bool Contains(int32_t x, int32_t y) const;
  // The spans of row y (sorted, disjoint), empty for rows outside the region.
  const std::vector<Span>& RowSpans(int32_t y) const;
  int32_t Top() const { return top_; }
  int32_t Bottom() const { return top_ + static_cast<int32_t>(rows_.size()); }

 private:
  int32_t top_ = 0;
  std::vector<std::vector<Span>> rows_;  // rows_[i] is row top_ + i
};

}  // namespace kv
