// The block family: blocks of the new picture copied or stretched over the
// old one.

#include <algorithm>

#include "saver/effects/effect_families.h"
#include "saver/effects/effect_support.h"

namespace kv {
namespace {

// Catalogue notation: copy(dx, dy, w, h <- sx, sy) and
// stretch(dx, dy, dw, dh <- sx, sy, sw, sh), from the new picture.
#define COPY(dx, dy, w, h, sx, sy) CopyBlock(work, dx, dy, w, h, image, sx, sy)
#define STRETCH(dx, dy, dw, dh, sx, sy, sw, sh) StretchBlock(work, dx, dy, dw, dh, image, sx, sy, sw, sh)

}  // namespace

void AddBlockEffects(EffectProcTable& t) {
  // Horizontal.
  SetEffect(t, 4, [](KV_EFFECT_ARGS) { STRETCH(W - X, 0, X, H, 0, 0, W, H); });
  SetEffect(t, 5, [](KV_EFFECT_ARGS) { STRETCH(0, 0, X, H, 0, 0, W, H); });
  SetEffect(t, 6, [](KV_EFFECT_ARGS) { COPY(W - X, 0, W, H, 0, 0); });
  SetEffect(t, 7, [](KV_EFFECT_ARGS) { COPY(X - W, 0, W, H, 0, 0); });
  SetEffect(t, 8, [](KV_EFFECT_ARGS) { COPY(0, 0, X, H, 0, 0); });
  SetEffect(t, 9, [](KV_EFFECT_ARGS) { COPY(W - X, 0, X, H, W - X, 0); });
  SetEffect(t, 10, [](KV_EFFECT_ARGS) { STRETCH(0, 0, 2 * W - X, H, 0, 0, X, H); });
  SetEffect(t, 11, [](KV_EFFECT_ARGS) { STRETCH(X - W, 0, 2 * W - X, H, W - X, 0, X, H); });
  SetEffect(t, 12, [](KV_EFFECT_ARGS) { STRETCH(X - W, 0, 3 * W - 2 * X, H, (W - X) / 2, 0, X, H); });
  SetEffect(t, 13, [](KV_EFFECT_ARGS) { STRETCH((W - X) / 2, 0, X, H, 0, 0, W, H); });
  SetEffect(t, 14, [](KV_EFFECT_ARGS) { COPY((W - X) / 2, 0, X, H, (W - X) / 2, 0); });
  SetEffect(t, 15, [](KV_EFFECT_ARGS) {
    const int32_t a = X / 2;
    COPY(0, 0, a, H, 0, 0);
    COPY(W - a, 0, a, H, W - a, 0);
  });
  SetEffect(t, 16, [](KV_EFFECT_ARGS) {
    const int32_t a = X / 2;
    STRETCH(0, 0, a, H, 0, 0, W / 2, H);
    STRETCH(W - a, 0, a, H, W / 2, 0, W / 2, H);
  });
  SetEffect(t, 19, [](KV_EFFECT_ARGS) {
    COPY(0, 0, X, H, 0, 0);
    STRETCH(X, 0, W - X, H, X, 0, std::min(W - X, W / 10), H);
  });
  SetEffect(t, 20, [](KV_EFFECT_ARGS) {
    const int32_t e = W - X;
    const int32_t s = std::max(e - W / 10, 0);
    COPY(e, 0, X, H, e, 0);
    STRETCH(0, 0, e, H, s, 0, e - s, H);
  });

  // Vertical.
  SetEffect(t, 21, [](KV_EFFECT_ARGS) { STRETCH(0, H - Y, W, Y, 0, 0, W, H); });
  SetEffect(t, 22, [](KV_EFFECT_ARGS) { STRETCH(0, 0, W, Y, 0, 0, W, H); });
  SetEffect(t, 23, [](KV_EFFECT_ARGS) { COPY(0, H - Y, W, H, 0, 0); });
  SetEffect(t, 24, [](KV_EFFECT_ARGS) { COPY(0, Y - H, W, H, 0, 0); });
  SetEffect(t, 25, [](KV_EFFECT_ARGS) { COPY(0, 0, W, Y, 0, 0); });
  SetEffect(t, 26, [](KV_EFFECT_ARGS) { COPY(0, H - Y, W, Y, 0, H - Y); });
  SetEffect(t, 27, [](KV_EFFECT_ARGS) { STRETCH(0, 0, W, 2 * H - Y, 0, 0, W, Y); });
  SetEffect(t, 28, [](KV_EFFECT_ARGS) { STRETCH(0, Y - H, W, 2 * H - Y, 0, H - Y, W, Y); });
  SetEffect(t, 29, [](KV_EFFECT_ARGS) { STRETCH(0, Y - H, W, 3 * H - 2 * Y, 0, (H - Y) / 2, W, Y); });
  SetEffect(t, 30, [](KV_EFFECT_ARGS) { STRETCH(0, (H - Y) / 2, W, Y, 0, 0, W, H); });
  SetEffect(t, 31, [](KV_EFFECT_ARGS) { COPY(0, (H - Y) / 2, W, Y, 0, (H - Y) / 2); });
  SetEffect(t, 32, [](KV_EFFECT_ARGS) {
    const int32_t a = Y / 2;
    COPY(0, 0, W, a, 0, 0);
    COPY(0, H - a, W, a, 0, H - a);
  });
  SetEffect(t, 33, [](KV_EFFECT_ARGS) {
    const int32_t a = Y / 2;
    STRETCH(0, 0, W, a, 0, 0, W, H / 2);
    STRETCH(0, H - a, W, a, 0, H / 2, W, H / 2);
  });
  SetEffect(t, 36, [](KV_EFFECT_ARGS) {
    COPY(0, 0, W, Y, 0, 0);
    STRETCH(0, Y, W, H - Y, 0, Y, W, std::min(H - Y, H / 10));
  });
  SetEffect(t, 37, [](KV_EFFECT_ARGS) {
    const int32_t e = H - Y;
    const int32_t s = std::max(e - H / 10, 0);
    COPY(0, e, W, Y, 0, e);
    STRETCH(0, 0, W, e, 0, s, W, e - s);
  });

  // Corners.
  SetEffect(t, 38, [](KV_EFFECT_ARGS) { STRETCH(W - X, H - Y, X, Y, 0, 0, W, H); });
  SetEffect(t, 39, [](KV_EFFECT_ARGS) { STRETCH(W - X, 0, X, Y, 0, 0, W, H); });
  SetEffect(t, 40, [](KV_EFFECT_ARGS) { STRETCH(0, 0, X, Y, 0, 0, W, H); });
  SetEffect(t, 41, [](KV_EFFECT_ARGS) { STRETCH(0, H - Y, X, Y, 0, 0, W, H); });
  SetEffect(t, 42, [](KV_EFFECT_ARGS) { COPY(W - X, H - Y, W, H, 0, 0); });
  SetEffect(t, 43, [](KV_EFFECT_ARGS) { COPY(W - X, Y - H, W, H, 0, 0); });
  SetEffect(t, 44, [](KV_EFFECT_ARGS) { COPY(X - W, Y - H, W, H, 0, 0); });
  SetEffect(t, 45, [](KV_EFFECT_ARGS) { COPY(X - W, H - Y, W, H, 0, 0); });
  SetEffect(t, 46, [](KV_EFFECT_ARGS) { COPY(0, 0, X, Y, 0, 0); });
  SetEffect(t, 47, [](KV_EFFECT_ARGS) { COPY(0, H - Y, X, Y, 0, H - Y); });
  SetEffect(t, 48, [](KV_EFFECT_ARGS) { COPY(W - X, H - Y, X, Y, W - X, H - Y); });
  SetEffect(t, 49, [](KV_EFFECT_ARGS) { COPY(W - X, 0, X, Y, W - X, 0); });
  SetEffect(t, 50, [](KV_EFFECT_ARGS) { STRETCH(0, 0, 2 * W - X, 2 * H - Y, 0, 0, X, Y); });
  SetEffect(t, 51, [](KV_EFFECT_ARGS) { STRETCH(0, Y - H, 2 * W - X, 2 * H - Y, 0, H - Y, X, Y); });
  SetEffect(t, 52, [](KV_EFFECT_ARGS) { STRETCH(X - W, Y - H, 2 * W - X, 2 * H - Y, W - X, H - Y, X, Y); });
  SetEffect(t, 53, [](KV_EFFECT_ARGS) { STRETCH(X - W, 0, 2 * W - X, 2 * H - Y, W - X, 0, X, Y); });
  SetEffect(t, 54, [](KV_EFFECT_ARGS) {
    STRETCH(X - W, Y - H, 3 * W - 2 * X, 3 * H - 2 * Y, (W - X) / 2, (H - Y) / 2, X, Y);
  });
  SetEffect(t, 55, [](KV_EFFECT_ARGS) { STRETCH((W - X) / 2, (H - Y) / 2, X, Y, 0, 0, W, H); });
  SetEffect(t, 56, [](KV_EFFECT_ARGS) { COPY((W - X) / 2, (H - Y) / 2, X, Y, (W - X) / 2, (H - Y) / 2); });

  // Quarters.
  SetEffect(t, 58, [](KV_EFFECT_ARGS) {
    const int32_t a = X / 2, b = Y / 2;
    COPY(0, 0, a, b, 0, 0);
    COPY(0, H - b, a, b, 0, H - b);
    COPY(W - a, H - b, a, b, W - a, H - b);
    COPY(W - a, 0, a, b, W - a, 0);
  });
  SetEffect(t, 59, [](KV_EFFECT_ARGS) {
    const int32_t a = X / 2, b = Y / 2, w = W / 2, h = H / 2;
    STRETCH(0, 0, a, b, 0, 0, w, h);
    STRETCH(0, H - b, a, b, 0, h, w, h);
    STRETCH(W - a, H - b, a, b, w, h, w, h);
    STRETCH(W - a, 0, a, b, w, 0, w, h);
  });
  SetEffect(t, 60, [](KV_EFFECT_ARGS) {
    const int32_t a = X / 2, b = Y / 2, w = W / 2, h = H / 2;
    COPY(a - w, 0, w, h, 0, 0);
    COPY(w, b - h, w, h, w, 0);
    COPY(W - a, h, w, h, w, h);
    COPY(0, H - b, w, h, 0, h);
  });
}

#undef COPY
#undef STRETCH

}  // namespace kv
