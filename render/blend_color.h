#pragma once

#include <cstdint>

namespace kv {

// Darkens colour2 by `percent` per cent of colour1's darkness, channel by
// channel: 255 - ((255 - c1) * percent + (255 - c2) * 100) / 100, truncated
// and clamped to 0..255. Colours are 0xRRGGBB (the top byte is ignored; the
// result's is 0xFF). System colours are resolved by the caller.
uint32_t BlendColor(uint32_t color1, uint32_t color2, int32_t percent);

}  // namespace kv
