#include "saver/effects/speckle_region.h"

#include <algorithm>

#include "base/random.h"

namespace kv {
namespace {

struct Cells {
  int32_t c;     // cell side
  int32_t n;     // cells in the fringe
  int32_t near;  // cells near the edge, shown more often
};

Cells FringeCells(int32_t size, int32_t extent) {
  const int32_t z = extent < size ? size / 10 : 0;
  const int32_t c = std::max(z / 20, 2);
  return {c, z / c, (3 * z) / (4 * c)};
}

// Whether the fringe cell i (1 = next to the edge) is shown.
bool CellShown(int32_t i, int32_t near) {
  const int32_t r = Random(i);
  return i <= near ? r <= 1 : r == 0;
}

}  // namespace

void SpeckleRegion(TComplexRegion& region, int32_t W, int32_t H, int32_t A, int32_t B, int32_t rows,
                   int32_t columns) {
  if (rows != 0) {
    const Cells f = FringeCells(W, A);
    for (int32_t y = 0; y < H; y += f.c / 2) {
      if (rows == 1) {
        region.AddRect(W - A, y, W, y + f.c);
        for (int32_t i = f.n; i >= 1; --i) {
          if (CellShown(i, f.near)) region.AddRect(W - A - i * f.c, y, W - A - i * f.c + f.c, y + f.c);
        }
      } else if (rows == 2) {
        region.AddRect(0, y, A, y + f.c);
        for (int32_t i = f.n; i >= 1; --i) {
          if (CellShown(i, f.near)) region.AddRect(A + (i - 1) * f.c, y, A + i * f.c, y + f.c);
        }
      }
    }
  }
  if (columns != 0) {
    const Cells f = FringeCells(H, B);
    for (int32_t x = 0; x < W; x += f.c / 2) {
      if (columns == 1) {
        region.AddRect(x, H - B, x + f.c, H);
        for (int32_t i = f.n; i >= 1; --i) {
          if (CellShown(i, f.near)) region.AddRect(x, H - B - i * f.c, x + f.c, H - B - i * f.c + f.c);
        }
      } else if (columns == 2) {
        region.AddRect(x, 0, x + f.c, B);
        for (int32_t i = f.n; i >= 1; --i) {
          if (CellShown(i, f.near)) region.AddRect(x, B + (i - 1) * f.c, x + f.c, B + i * f.c);
        }
      }
    }
  }
}

}  // namespace kv
