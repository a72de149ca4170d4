#pragma once

#include <cstdint>
#include <span>
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

// A set of pixels stored as horizontal bands of rows that share the same
// sorted, non-overlapping spans. A rectangle covers left <= x < right,
// top <= y < bottom; empty and inverted rectangles cover nothing. Curved
// shapes sample each pixel at its centre.
class Region {
 public:
  struct Span {
    int32_t left;   // first pixel
    int32_t right;  // one past the last pixel
  };

  // Rows top <= y < bottom all have the spans spans_[first .. first + count).
  struct Band {
    int32_t top;
    int32_t bottom;
    uint32_t first;
    uint32_t count;
  };

  Region() = default;

  static Region FromRect(const Rect& r);
  static Region FromRects(const std::vector<Rect>& rects);
  static Region FromRects(std::span<const Rect> rects);
  // Filled polygon under the winding (non-zero) rule.
  static Region Polygon(const std::vector<Point>& points);
  // Ellipse inscribed in the box (an inverted box is put right first).
  static Region Ellipse(const Rect& box);
  // The box with corners rounded by an ew x eh ellipse (limited to the box).
  static Region RoundRect(const Rect& box, int32_t ew, int32_t eh);

  Region Union(const Region& other) const;
  Region Intersect(const Region& other) const;
  Region Xor(const Region& other) const;

  bool Empty() const { return bands_.empty(); }
  bool Contains(int32_t x, int32_t y) const;
  // The spans of row y (sorted, disjoint), empty for rows outside the region.
  std::span<const Span> RowSpans(int32_t y) const;
  // First row and one past the last row that hold pixels (0, 0 when empty).
  int32_t Top() const { return bands_.empty() ? 0 : bands_.front().top; }
  int32_t Bottom() const { return bands_.empty() ? 0 : bands_.back().bottom; }

  const std::vector<Band>& Bands() const { return bands_; }
  std::span<const Span> BandSpans(const Band& band) const {
    return std::span<const Span>(spans_).subspan(band.first, band.count);
  }

  bool operator==(const Region& other) const;

  // Appends rows top .. bottom-1 with the given spans below everything added
  // so far; rows equal to the last band extend it. Used by the builders.
  void AppendBand(int32_t top, int32_t bottom, std::span<const Span> spans);

 private:
  std::vector<Band> bands_;
  std::vector<Span> spans_;
};

}  // namespace kv
