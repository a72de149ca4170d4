#include "saver/effects/raster.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace kv {
namespace {

// The overlap of a block of `n` pixels placed at `d` in a destination axis of
// `dst_size` and at `s` in a source axis of `src_size`: offsets lo .. hi-1.
struct Overlap {
  int64_t lo;
  int64_t hi;
};

Overlap Clip(int64_t d, int64_t s, int64_t n, int64_t dst_size, int64_t src_size) {
  const int64_t lo = std::max<int64_t>({0, -d, -s});
  const int64_t hi = std::min<int64_t>({n, dst_size - d, src_size - s});
  return {lo, std::max(lo, hi)};
}

// Nearest-neighbour mapping of one axis: destination index first + i reads
// source index src[i], or nothing when src[i] is -1.
struct AxisMap {
  int32_t first = 0;
  std::vector<int32_t> src;
  int32_t src_min = 0;
  int32_t src_max = -1;
  bool contiguous = false;  // src[i] == src[0] + i for every i, none skipped
  bool skips = false;       // some src[i] is -1
};

AxisMap MapAxis(int32_t d, int32_t dn, int32_t s, int32_t sn, int32_t dst_size, int32_t src_size) {
  AxisMap map;
  if (dn == 0 || sn == 0 || dst_size <= 0 || src_size <= 0) return map;
  const int64_t n = dn > 0 ? dn : -static_cast<int64_t>(dn);
  const int64_t m = sn > 0 ? sn : -static_cast<int64_t>(sn);
  const int64_t begin = std::max<int64_t>(0, dn > 0 ? d : int64_t{d} - n);
  const int64_t end = std::min<int64_t>(dst_size, dn > 0 ? int64_t{d} + n : d);
  if (begin >= end) return map;
  map.first = static_cast<int32_t>(begin);
  map.src.resize(static_cast<size_t>(end - begin));
  map.src_min = src_size;
  map.contiguous = true;
  for (int64_t x = begin; x < end; ++x) {
    const int64_t j = dn > 0 ? x - d : int64_t{d} - 1 - x;
    const int64_t k = (2 * j + 1) * m / (2 * n);
    const int64_t from = sn > 0 ? s + k : int64_t{s} - 1 - k;
    int32_t& slot = map.src[static_cast<size_t>(x - begin)];
    if (from < 0 || from >= src_size) {
      slot = -1;
      map.contiguous = false;
      map.skips = true;
      continue;
    }
    slot = static_cast<int32_t>(from);
    map.src_min = std::min(map.src_min, slot);
    map.src_max = std::max(map.src_max, slot);
    if (slot != map.src[0] + (x - begin)) map.contiguous = false;
  }
  if (map.src_max < map.src_min) map.src.clear();
  return map;
}

// Draws one destination row from a source row; `src` points at source
// column cols.src_min.
void DrawRow(uint32_t* dst, const uint32_t* src, const AxisMap& cols) {
  uint32_t* out = dst + cols.first;
  const size_t n = cols.src.size();
  if (cols.contiguous) {
    std::memmove(out, src + (cols.src[0] - cols.src_min), n * sizeof(uint32_t));
    return;
  }
  const int32_t* map = cols.src.data();
  const int32_t base = cols.src_min;
  for (size_t i = 0; i < n; ++i) {
    if (map[i] >= 0) out[i] = src[map[i] - base];
  }
}

// Runs the rows of a stretch in the given order; row_of(sy) yields the source
// row pointer at column cols.src_min. A destination row that reads the same
// source row as the previous one is copied from it.
template <class RowOf>
void StretchRows(Bitmap32& dst, const AxisMap& cols, const AxisMap& rows, bool descending, RowOf&& row_of) {
  const int32_t count = static_cast<int32_t>(rows.src.size());
  int32_t prev_dst = -1;
  int32_t prev_src = -1;
  for (int32_t k = 0; k < count; ++k) {
    const int32_t i = descending ? count - 1 - k : k;
    const int32_t sy = rows.src[static_cast<size_t>(i)];
    if (sy < 0) continue;
    const int32_t dy = rows.first + i;
    uint32_t* out = dst.Row(dy);
    if (sy == prev_src) {
      const uint32_t* done = dst.Row(prev_dst) + cols.first;
      uint32_t* to = out + cols.first;
      if (!cols.skips) {
        std::memcpy(to, done, cols.src.size() * sizeof(uint32_t));
      } else {
        for (size_t c = 0; c < cols.src.size(); ++c) {
          if (cols.src[c] >= 0) to[c] = done[c];
        }
      }
    } else {
      DrawRow(out, row_of(sy), cols);
    }
    prev_dst = dy;
    prev_src = sy;
  }
}

}  // namespace

void CopyBlock(Bitmap32& dst, int32_t dx, int32_t dy, int32_t w, int32_t h, const Bitmap32& src, int32_t sx,
               int32_t sy) {
  if (w <= 0 || h <= 0) return;
  const Overlap ox = Clip(dx, sx, w, dst.Width(), src.Width());
  const Overlap oy = Clip(dy, sy, h, dst.Height(), src.Height());
  if (ox.lo >= ox.hi || oy.lo >= oy.hi) return;
  const size_t bytes = static_cast<size_t>(ox.hi - ox.lo) * sizeof(uint32_t);
  for (int64_t r = oy.lo; r < oy.hi; ++r) {
    std::memcpy(dst.Row(static_cast<int32_t>(dy + r)) + dx + ox.lo, src.Row(static_cast<int32_t>(sy + r)) + sx + ox.lo,
                bytes);
  }
}

void SelfCopyBlock(Bitmap32& bmp, int32_t dx, int32_t dy, int32_t w, int32_t h, int32_t sx, int32_t sy) {
  if (w <= 0 || h <= 0) return;
  const Overlap ox = Clip(dx, sx, w, bmp.Width(), bmp.Width());
  const Overlap oy = Clip(dy, sy, h, bmp.Height(), bmp.Height());
  if (ox.lo >= ox.hi || oy.lo >= oy.hi) return;
  const size_t bytes = static_cast<size_t>(ox.hi - ox.lo) * sizeof(uint32_t);
  // Moving down reads rows that later writes would overwrite: go bottom up.
  const bool bottom_up = dy > sy;
  for (int64_t k = oy.lo; k < oy.hi; ++k) {
    const int64_t r = bottom_up ? oy.hi - 1 - (k - oy.lo) : k;
    std::memmove(bmp.Row(static_cast<int32_t>(dy + r)) + dx + ox.lo,
                 bmp.Row(static_cast<int32_t>(sy + r)) + sx + ox.lo, bytes);
  }
}

void StretchBlock(Bitmap32& dst, int32_t dx, int32_t dy, int32_t dw, int32_t dh, const Bitmap32& src, int32_t sx,
                  int32_t sy, int32_t sw, int32_t sh) {
  const AxisMap cols = MapAxis(dx, dw, sx, sw, dst.Width(), src.Width());
  const AxisMap rows = MapAxis(dy, dh, sy, sh, dst.Height(), src.Height());
  if (cols.src.empty() || rows.src.empty()) return;
  StretchRows(dst, cols, rows, false, [&](int32_t y) { return src.Row(y) + cols.src_min; });
}

void SelfStretchBlock(Bitmap32& bmp, int32_t dx, int32_t dy, int32_t dw, int32_t dh, int32_t sx, int32_t sy,
                      int32_t sw, int32_t sh) {
  const AxisMap cols = MapAxis(dx, dw, sx, sw, bmp.Width(), bmp.Width());
  const AxisMap rows = MapAxis(dy, dh, sy, sh, bmp.Height(), bmp.Height());
  if (cols.src.empty() || rows.src.empty()) return;

  // The destination rows form the range [first, last]. Going top down, row d
  // must not read a row already written (first .. d-1); going bottom up, none
  // of d+1 .. last.
  const int32_t first = rows.first;
  const int32_t last = rows.first + static_cast<int32_t>(rows.src.size()) - 1;
  bool down_ok = true;
  bool up_ok = true;
  for (size_t i = 0; i < rows.src.size(); ++i) {
    const int32_t s = rows.src[i];
    if (s < 0) continue;
    const int32_t d = first + static_cast<int32_t>(i);
    if (s >= first && s < d) down_ok = false;
    if (s > d && s <= last) up_ok = false;
  }
  const size_t width = static_cast<size_t>(cols.src_max - cols.src_min + 1);
  if (down_ok || up_ok) {
    // Each source row is staged first, as the row being written may be it.
    std::vector<uint32_t> row(width);
    StretchRows(bmp, cols, rows, !down_ok, [&](int32_t y) {
      std::memcpy(row.data(), bmp.Row(y) + cols.src_min, width * sizeof(uint32_t));
      return static_cast<const uint32_t*>(row.data());
    });
    return;
  }
  // Rows read and written cross each other: keep a copy of the source block.
  const size_t height = static_cast<size_t>(rows.src_max - rows.src_min + 1);
  std::vector<uint32_t> block(width * height);
  for (size_t r = 0; r < height; ++r) {
    std::memcpy(block.data() + r * width, bmp.Row(rows.src_min + static_cast<int32_t>(r)) + cols.src_min,
                width * sizeof(uint32_t));
  }
  StretchRows(bmp, cols, rows, false, [&](int32_t y) {
    return static_cast<const uint32_t*>(block.data() + static_cast<size_t>(y - rows.src_min) * width);
  });
}

void CopyThroughRegion(Bitmap32& work, const Bitmap32& image, const Region& clip) {
  const int32_t w = std::min(work.Width(), image.Width());
  const int32_t h = std::min(work.Height(), image.Height());
  for (const Region::Band& band : clip.Bands()) {
    const int32_t top = std::max(band.top, 0);
    const int32_t bottom = std::min(band.bottom, h);
    if (top >= bottom) continue;
    for (const Region::Span& span : clip.BandSpans(band)) {
      const int32_t left = std::max(span.left, 0);
      const int32_t right = std::min(span.right, w);
      if (left >= right) continue;
      const size_t bytes = static_cast<size_t>(right - left) * sizeof(uint32_t);
      for (int32_t y = top; y < bottom; ++y) std::memcpy(work.Row(y) + left, image.Row(y) + left, bytes);
    }
  }
}

}  // namespace kv
