// The push family: the new picture moves in and moves (or squeezes) the old
// one out.

#include "saver/effects/effect_families.h"
#include "saver/effects/effect_support.h"

namespace kv {

void AddPushEffects(EffectProcTable& t) {
  SetEffect(t, 130, [](KV_EFFECT_ARGS) {
    SelfCopyBlock(work, X, 0, W - X, H, 0, 0);
    CopyBlock(work, 0, 0, X, H, image, W - X, 0);
  });
  SetEffect(t, 131, [](KV_EFFECT_ARGS) {
    SelfCopyBlock(work, 0, 0, W - X, H, X, 0);
    CopyBlock(work, W - X, 0, X, H, image, 0, 0);
  });
  SetEffect(t, 132, [](KV_EFFECT_ARGS) {
    SelfStretchBlock(work, X, 0, W - X, H, 0, 0, W, H);
    CopyBlock(work, 0, 0, X, H, image, W - X, 0);
  });
  SetEffect(t, 133, [](KV_EFFECT_ARGS) {
    SelfStretchBlock(work, 0, 0, W - X, H, 0, 0, W, H);
    CopyBlock(work, W - X, 0, X, H, image, 0, 0);
  });
  SetEffect(t, 134, [](KV_EFFECT_ARGS) {
    SelfCopyBlock(work, 0, Y, W, H - Y, 0, 0);
    CopyBlock(work, 0, 0, W, Y, image, 0, H - Y);
  });
  SetEffect(t, 135, [](KV_EFFECT_ARGS) {
    SelfCopyBlock(work, 0, 0, W, H - Y, 0, Y);
    CopyBlock(work, 0, H - Y, W, Y, image, 0, 0);
  });
  SetEffect(t, 136, [](KV_EFFECT_ARGS) {
    SelfStretchBlock(work, 0, Y, W, H - Y, 0, 0, W, H);
    CopyBlock(work, 0, 0, W, Y, image, 0, H - Y);
  });
  SetEffect(t, 137, [](KV_EFFECT_ARGS) {
    SelfStretchBlock(work, 0, 0, W, H - Y, 0, 0, W, H);
    CopyBlock(work, 0, H - Y, W, Y, image, 0, 0);
  });
}

}  // namespace kv
