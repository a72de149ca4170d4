#pragma once

#include <cstdint>
#include <vector>

#include "image/bitmap32.h"

namespace kv {

// The area mask's run-length words: word 0 width, word 1 height, then runs
// v = count * 10 + index, filling row by row from the top-left corner.

// Raises the errors DecodeAreaMask would raise, without allocating.
void CheckAreaMask(const std::vector<int32_t>& words);

// Sizes `mask` to width x height (all 0) and writes the runs. Raises
// kv::Error("Scan line index out of range") when a run passes the last row,
// and a "Damaged scene file" error for fewer than 2 words, a negative size or
// run, or a size beyond the picture limit.
void DecodeAreaMask(const std::vector<int32_t>& words, Bitmap32& mask);

// Encodes a mask whose pixels are 0 or AreaColors (alpha ignored; any other
// colour raises kv::Error naming the pixel). Runs of index 0 at the end are
// left out.
std::vector<int32_t> EncodeAreaMask(const Bitmap32& mask);

}  // namespace kv
