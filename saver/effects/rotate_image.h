#pragma once

#include <cstdint>

#include "image/bitmap32.h"

namespace kv {

// Draws `image` turned by `angle` radians anticlockwise on screen about
// (pivotX, pivotY) over `work`. Work pixel (x, y) takes the image pixel at
// pivot + R(angle) * ((x, y) - pivot), computed in 16.16 fixed point (sine and
// cosine truncated, offsets floored); pixels whose source lies outside the
// image keep their value.
void RotateImage(Bitmap32& work, const Bitmap32& image, int32_t pivotX, double angle, int32_t pivotY);

}  // namespace kv
