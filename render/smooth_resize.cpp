#include "render/smooth_resize.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace kv {
namespace {

// One output coordinate: the lower source index, the upper one and the
// weight (0..256) of the upper.
struct Tap {
  int32_t lo;
  int32_t hi;
  uint32_t weight;
};

// Source positions of the output pixel centres, in 24.8 fixed point.
std::vector<Tap> Taps(int32_t sourceSize, int32_t targetSize) {
  std::vector<Tap> taps(static_cast<size_t>(targetSize));
  for (int32_t i = 0; i < targetSize; ++i) {
    int64_t pos = ((2 * int64_t{i} + 1) * sourceSize * 256) / (2 * int64_t{targetSize}) - 128;
    pos = std::clamp<int64_t>(pos, 0, int64_t{sourceSize - 1} * 256);
    const auto lo = static_cast<int32_t>(pos >> 8);
    taps[static_cast<size_t>(i)] = {lo, std::min(lo + 1, sourceSize - 1), static_cast<uint32_t>(pos & 0xFF)};
  }
  return taps;
}

// a * (256 - w) + b * w, per channel, rounded; red/blue and green/alpha pairs
// are done two channels at a time.
inline uint32_t Lerp(uint32_t a, uint32_t b, uint32_t w) {
  const uint32_t iw = 256 - w;
  const uint32_t rb = (((a & 0x00FF00FFu) * iw + (b & 0x00FF00FFu) * w + 0x00800080u) >> 8) & 0x00FF00FFu;
  const uint32_t g = ((((a >> 8) & 0x000000FFu) * iw + ((b >> 8) & 0x000000FFu) * w + 0x80u)) & 0x0000FF00u;
  return rb | g;
}

void HorizontalPass(const uint32_t* src, const std::vector<Tap>& taps, uint32_t* out) {
  const size_t n = taps.size();
  for (size_t x = 0; x < n; ++x) {
    const Tap& t = taps[x];
    out[x] = Lerp(src[t.lo], src[t.hi], t.weight);
  }
}

}  // namespace

void SmoothResize(const Bitmap32& source, Bitmap32& target) {
  if (source.Empty() || target.Empty()) return;
  const int32_t width = target.Width();
  const int32_t height = target.Height();
  const std::vector<Tap> columns = Taps(source.Width(), width);
  const std::vector<Tap> rows = Taps(source.Height(), height);

  // Two horizontally scaled source rows, reused while the output moves down.
  std::vector<uint32_t> upper(static_cast<size_t>(width));
  std::vector<uint32_t> lower(static_cast<size_t>(width));
  int32_t upperRow = -1;
  int32_t lowerRow = -1;
  for (int32_t y = 0; y < height; ++y) {
    const Tap& r = rows[static_cast<size_t>(y)];
    if (r.lo != upperRow) {
      if (r.lo == lowerRow) {
        std::swap(upper, lower);
        std::swap(upperRow, lowerRow);
      } else {
        HorizontalPass(source.Row(r.lo), columns, upper.data());
        upperRow = r.lo;
      }
    }
    if (r.hi != lowerRow) {
      HorizontalPass(source.Row(r.hi), columns, lower.data());
      lowerRow = r.hi;
    }
    uint32_t* out = target.Row(y);
    const uint32_t* a = upper.data();
    const uint32_t* b = lower.data();
    const uint32_t w = r.weight;
    for (int32_t x = 0; x < width; ++x) out[x] = Lerp(a[x], b[x], w) | 0xFF000000u;
  }
}

}  // namespace kv
