#include "scene/area_mask.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "base/error.h"
#include "image/jpeg_codec.h"
#include "scene/area_colors.h"

namespace kv {

void CheckAreaMask(const std::vector<int32_t>& words) {
  if (words.size() < 2) throw Error("Damaged scene file: the area mask has fewer than 2 words");
  if (words[0] < 0 || words[1] < 0) throw Error("Damaged scene file: negative area mask size");
  const int64_t total = static_cast<int64_t>(words[0]) * words[1];
  if (total > kMaxPicturePixels) throw Error("Damaged scene file: area mask too large");
  int64_t pos = 0;
  for (size_t i = 2; i < words.size(); ++i) {
    if (words[i] < 0) throw Error("Damaged scene file: negative area mask run");
    pos += words[i] / 10;
    if (pos > total) throw Error("Scan line index out of range");
  }
}

void DecodeAreaMask(const std::vector<int32_t>& words, Bitmap32& mask) {
  CheckAreaMask(words);
  const int32_t width = words[0];
  mask.SetSize(width, words[1], 0);
  int64_t pos = 0;  // pixels written so far, row by row
  for (size_t i = 2; i < words.size(); ++i) {
    int64_t count = words[i] / 10;
    const int32_t index = words[i] % 10;
    // Indices 5 to 9 belong to no area.
    const uint32_t color = index < static_cast<int32_t>(AreaColors.size()) ? AreaColors[static_cast<size_t>(index)] : 0u;
    while (count > 0) {
      const auto row = static_cast<int32_t>(pos / width);
      const auto column = static_cast<int32_t>(pos % width);
      const int64_t span = std::min<int64_t>(count, width - column);
      std::fill_n(mask.Row(row) + column, span, color);
      pos += span;
      count -= span;
    }
  }
}

std::vector<int32_t> EncodeAreaMask(const Bitmap32& mask) {
  std::vector<int32_t> words = {mask.Width(), mask.Height()};
  constexpr int64_t kLongestRun = 0x7FFFFFFF / 10;
  int32_t runIndex = 0;
  int64_t runLength = 0;
  auto flush = [&] {
    while (runLength > 0) {
      const int64_t part = std::min(runLength, kLongestRun);
      words.push_back(static_cast<int32_t>(part * 10 + runIndex));
      runLength -= part;
    }
  };
  for (int32_t y = 0; y < mask.Height(); ++y) {
    const uint32_t* row = mask.Row(y);
    for (int32_t x = 0; x < mask.Width(); ++x) {
      const uint32_t rgb = row[x] & 0x00FFFFFFu;
      const int32_t index = AreaIndexOf(rgb);
      if (index == 0 && rgb != 0) {
        char text[96];
        std::snprintf(text, sizeof(text), "Area mask pixel (%d, %d) is #%06X, not black or an area colour", x, y,
                      rgb);
        throw Error(text);
      }
      if (index != runIndex) {
        flush();
        runIndex = index;
      }
      ++runLength;
    }
  }
  if (runIndex != 0) flush();
  return words;
}

}  // namespace kv
