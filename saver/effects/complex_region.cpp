#include "saver/effects/complex_region.h"

#include <algorithm>

#include "base/error.h"

namespace kv {

void TComplexRegion::Clear() {
  rects_.reset();
  capacity_ = 0;
  count_ = 0;
  bounds_ = kEmptyBounds;
}

void TComplexRegion::AddRect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  if (count_ == capacity_) {
    if (capacity_ > INT32_MAX - kGrowth) throw Error("Too many rectangles in a region");
    const int32_t grown = capacity_ + kGrowth;
    auto block = std::make_unique<Rect[]>(static_cast<size_t>(grown));
    std::copy(rects_.get(), rects_.get() + count_, block.get());
    rects_ = std::move(block);
    capacity_ = grown;
  }
  rects_[static_cast<size_t>(count_++)] = {left, top, right, bottom};
  bounds_.left = std::min(bounds_.left, left);
  bounds_.top = std::min(bounds_.top, top);
  bounds_.right = std::max(bounds_.right, right);
  bounds_.bottom = std::max(bounds_.bottom, bottom);
}

std::optional<Region> TComplexRegion::CreateRegion() const {
  if (!rects_) return std::nullopt;
  return Region::FromRects(Rects());
}

}  // namespace kv
