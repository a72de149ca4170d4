#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace kv {

inline constexpr size_t kPackMarkerSize = 13;
using PackMarkerBytes = std::array<uint8_t, kPackMarkerSize>;

// The 13-byte marker in front of every container. It is kept with each byte
// minus one, so this program's own image never holds the marker itself.
PackMarkerBytes PackMarker();

}  // namespace kv
