#include "package/pack_marker.h"

namespace kv {
namespace {

// Each marker byte minus one. Read through volatile so the compiler cannot
// fold the real marker into the image as a constant.
const volatile uint8_t kStoredMarker[kPackMarkerSize] = {0x4A, 0x55, 0x52, 0x42, 0x51, 0x19, 0x4F,
                                                         0x40, 0x58, 0x4B, 0x4E, 0x40, 0x43};

}  // namespace

PackMarkerBytes PackMarker() {
  PackMarkerBytes marker{};
  for (size_t i = 0; i < kPackMarkerSize; ++i) marker[i] = static_cast<uint8_t>(kStoredMarker[i] + 1);
  return marker;
}

}  // namespace kv
