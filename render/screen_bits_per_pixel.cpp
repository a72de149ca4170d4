#include "render/screen_bits_per_pixel.h"

#include <exception>

namespace kv {

int32_t ScreenBitsPerPixel(const std::function<int32_t()>& query) {
  constexpr int32_t kFallback = 16;
  if (!query) return kFallback;
  try {
    const int32_t bits = query();
    return bits > 0 ? bits : kFallback;
  } catch (const std::exception&) {
    return kFallback;
  }
}

}  // namespace kv
