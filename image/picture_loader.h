#pragma once

#include <string>

#include "image/bitmap32.h"

namespace kv {

// Loads a picture file, choosing the decoder by the extension (without
// regard to case): .jpg/.jpeg/.jpe/.jfif, .gif (first frame), .bmp/.dib,
// .png. Raises kv::Error saying what is wrong for a missing, damaged or
// unsupported file. Pixels are opaque 0xFFRRGGBB, except that a PNG keeps
// its alpha channel.
Bitmap32 LoadPicture(const std::string& path);

}  // namespace kv
