// The pivot family: the new picture swings in about a point just outside one
// corner of the display, the angle shrinking from 90 degrees to 0.

#include <numbers>

#include "saver/effects/effect.h"
#include "saver/effects/effect_families.h"
#include "saver/effects/rotate_image.h"

namespace kv {
namespace {

// (100 - P) * 90 / 100 degrees, in radians.
double SwingAngle(int32_t P) { return (100 - P) * 90.0 / 100.0 * std::numbers::pi / 180.0; }

void PivotFromTopLeft(Bitmap32& work, const Bitmap32& image, int32_t, int32_t H, int32_t, int32_t,
                      int32_t P) {
  RotateImage(work, image, -1, SwingAngle(P), H);
}
void PivotFromBottomLeft(Bitmap32& work, const Bitmap32& image, int32_t, int32_t, int32_t, int32_t,
                         int32_t P) {
  RotateImage(work, image, -1, -SwingAngle(P), -1);
}
void PivotFromTopRight(Bitmap32& work, const Bitmap32& image, int32_t W, int32_t H, int32_t, int32_t,
                       int32_t P) {
  RotateImage(work, image, W, -SwingAngle(P), H);
}
void PivotFromBottomRight(Bitmap32& work, const Bitmap32& image, int32_t W, int32_t, int32_t, int32_t,
                          int32_t P) {
  RotateImage(work, image, W, SwingAngle(P), -1);
}

}  // namespace

void AddPivotEffects(EffectProcTable& table) {
  table[121] = PivotFromTopLeft;
  table[122] = PivotFromBottomLeft;
  table[123] = PivotFromTopRight;
  table[124] = PivotFromBottomRight;
}

}  // namespace kv
