#pragma once

#include <cstdint>

namespace kv {

// Waits until the X11 window is viewable. Returns false at once when there is
// no display or the id names no window, and as soon as the window is
// destroyed while waiting.
bool WaitForWindowVisible(uint64_t window);

}  // namespace kv
