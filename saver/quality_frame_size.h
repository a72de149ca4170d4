#pragma once

#include <cstdint>
#include <optional>

namespace kv {

struct FrameSize {
  int32_t Width;
  int32_t Height;
};

// The frame size of the scaled full-screen surface by the DirectXQuality
// setting: 0 gives 1024 x 768, 1 gives 800 x 600, 2 gives 640 x 480; other
// values have none (the picture or scene then keeps its size).
constexpr std::optional<FrameSize> QualityFrameSize(int32_t quality) {
  switch (quality) {
    case 0:
      return FrameSize{1024, 768};
    case 1:
      return FrameSize{800, 600};
    case 2:
      return FrameSize{640, 480};
    default:
      return std::nullopt;
  }
}

}  // namespace kv
