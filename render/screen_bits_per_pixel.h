#pragma once

#include <cstdint>
#include <functional>

namespace kv {

// The display's bits per pixel as `query` reports it; 16 when the query
// raises an error or reports no usable depth.
int32_t ScreenBitsPerPixel(const std::function<int32_t()>& query);

}  // namespace kv
