#pragma once

#include "image/bitmap32.h"

namespace kv {

// Copies the whole source onto the whole target at the target's current
// size, each axis scaled on its own, taking for every target pixel the source
// pixel under its centre (no blending: values are copied exactly, alpha
// included). Nothing happens when either picture is empty.
void StretchToFit(const Bitmap32& source, Bitmap32& target);

}  // namespace kv
