#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>

#include "saver/effects/region.h"

namespace kv {

// Collects rectangles in one growable block (500 more at a time) and turns
// them into a region in a single call.
class TComplexRegion {
 public:
  static constexpr int32_t kGrowth = 500;
  // Bounds after Clear: the first rectangle added sets all four sides.
  static constexpr Rect kEmptyBounds{2147483647, 2147483647, -2147483647, -2147483647};

  TComplexRegion() = default;
  TComplexRegion(const TComplexRegion&) = delete;
  TComplexRegion& operator=(const TComplexRegion&) = delete;

  // Releases the block and resets Capacity, Count and Bounds.
  void Clear();
  // Appends one rectangle unchanged (empty and inverted ones included) and
  // widens Bounds.
  void AddRect(int32_t left, int32_t top, int32_t right, int32_t bottom);
  // The region of the stored rectangles, or none when nothing was ever added
  // since construction or the last Clear.
  std::optional<Region> CreateRegion() const;

  int32_t Capacity() const { return capacity_; }
  int32_t Count() const { return count_; }
  const Rect& Bounds() const { return bounds_; }
  std::span<const Rect> Rects() const { return {rects_.get(), static_cast<size_t>(count_)}; }

 private:
  std::unique_ptr<Rect[]> rects_;
  int32_t capacity_ = 0;
  int32_t count_ = 0;
  Rect bounds_ = kEmptyBounds;
};

}  // namespace kv
