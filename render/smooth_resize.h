#pragma once

#include "image/bitmap32.h"

namespace kv {

// Bilinear resize of the whole source onto the whole target, at the target's
// current size. Each target pixel blends the four source pixels around its
// centre with 8-bit integer weights; the result is opaque. Nothing happens
// when either picture is empty.
void SmoothResize(const Bitmap32& source, Bitmap32& target);

}  // namespace kv
