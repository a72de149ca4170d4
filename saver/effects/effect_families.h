#pragma once

#include "saver/effects/effect.h"

namespace kv {

// Each family file fills the procedures of its own effect numbers.
void AddPixelEffects(EffectProcTable& table);    // 1-3, 168, 169
void AddBlockEffects(EffectProcTable& table);    // 4-16, 19-33, 36-56, 58-60
void AddRollEffects(EffectProcTable& table);     // 17, 18, 34, 35
void AddBarsEffects(EffectProcTable& table);     // 63-67, 74-78, 89-102
void AddShredEffects(EffectProcTable& table);    // 68-71, 79-82, 103-112
void AddSpeckleEffects(EffectProcTable& table);  // 125-128
void AddGridEffects(EffectProcTable& table);     // 120, 129, 138-148, 152, 164
void AddPushEffects(EffectProcTable& table);     // 130-137
void AddShapeEffects(EffectProcTable& table);    // 57, 61, 62, 72, 73, 83-88, 113-119, 153-163, 165-167
void AddRotateEffects(EffectProcTable& table);   // 149-151
void AddPivotEffects(EffectProcTable& table);    // 121-124

}  // namespace kv
