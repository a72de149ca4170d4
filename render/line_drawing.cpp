#include "render/line_drawing.h"

#include <algorithm>

#include "render/alpha_blend.h"

namespace kv {

void BlendLine(Bitmap32& layer, int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t color,
               int32_t alpha) {
  const int64_t dx = static_cast<int64_t>(x2) - x1;
  const int64_t dy = static_cast<int64_t>(y2) - y1;
  if ((dx == 0 && dy == 0) || layer.Empty()) return;
  const bool xMajor = (dx < 0 ? -dx : dx) > (dy < 0 ? -dy : dy);

  // Walk along the major axis: step i puts the pixel at
  // major = m0 + ms * i, minor = n0 + ns * floor((major/2 + i * minor) / major).
  const int64_t m0 = xMajor ? x1 : y1;
  const int64_t n0 = xMajor ? y1 : x1;
  const int64_t dm = xMajor ? dx : dy;
  const int64_t dn = xMajor ? dy : dx;
  const int64_t ms = dm < 0 ? -1 : 1;
  const int64_t ns = dn < 0 ? -1 : 1;
  const int64_t major = dm < 0 ? -dm : dm;
  const int64_t minor = dn < 0 ? -dn : dn;
  const int64_t majorLimit = xMajor ? layer.Width() : layer.Height();
  const int64_t minorLimit = xMajor ? layer.Height() : layer.Width();

  // Steps whose major coordinate lies inside the layer.
  int64_t first = ms > 0 ? -m0 : m0 - (majorLimit - 1);
  int64_t last = ms > 0 ? majorLimit - 1 - m0 : m0;
  first = std::max<int64_t>(first, 0);
  last = std::min<int64_t>(last, major - 1);
  if (first > last) return;

  const __int128 start = static_cast<__int128>(major / 2) + static_cast<__int128>(first) * minor;
  int64_t offset = static_cast<int64_t>(start / major);
  int64_t delta = static_cast<int64_t>(start % major);
  bool entered = false;
  for (int64_t i = first; i <= last; ++i) {
    const int64_t m = m0 + ms * i;
    const int64_t n = n0 + ns * offset;
    if (n >= 0 && n < minorLimit) {
      entered = true;
      if (xMajor) {
        BlendPixelAt(layer, m, n, color, alpha);
      } else {
        BlendPixelAt(layer, n, m, color, alpha);
      }
    } else if (entered) {
      break;  // the minor coordinate is monotonic: it does not come back
    }
    delta += minor;
    if (delta >= major) {
      ++offset;
      delta -= major;
    }
  }
}

}  // namespace kv
