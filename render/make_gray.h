#pragma once

#include "image/bitmap32.h"

namespace kv {

// Every pixel's red, green and blue become (red + green + blue) / 3
// (truncated); alpha stays.
void MakeGray(Bitmap32& picture);

}  // namespace kv
