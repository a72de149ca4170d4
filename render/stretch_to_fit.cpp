#include "render/stretch_to_fit.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace kv {
namespace {

int32_t SourceIndex(int32_t i, int32_t sourceSize, int32_t targetSize) {
  return static_cast<int32_t>(((2 * int64_t{i} + 1) * sourceSize) / (2 * int64_t{targetSize}));
}

}  // namespace

void StretchToFit(const Bitmap32& source, Bitmap32& target) {
  if (source.Empty() || target.Empty()) return;
  const int32_t width = target.Width();
  std::vector<int32_t> columns(static_cast<size_t>(width));
  for (int32_t x = 0; x < width; ++x) columns[static_cast<size_t>(x)] = SourceIndex(x, source.Width(), width);
  int32_t previous = -1;
  for (int32_t y = 0; y < target.Height(); ++y) {
    const int32_t sy = SourceIndex(y, source.Height(), target.Height());
    uint32_t* out = target.Row(y);
    if (sy == previous) {  // the same source row: repeat the row just made
      std::memcpy(out, target.Row(y - 1), static_cast<size_t>(width) * sizeof(uint32_t));
      continue;
    }
    const uint32_t* src = source.Row(sy);
    for (int32_t x = 0; x < width; ++x) out[x] = src[columns[static_cast<size_t>(x)]];
    previous = sy;
  }
}

}  // namespace kv
