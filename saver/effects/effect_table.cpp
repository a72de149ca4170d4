#include <stdexcept>
#include <string>

#include "saver/effects/effect.h"
#include "saver/effects/effect_families.h"

namespace kv {
namespace {

constexpr std::string_view kNames[kEffectCount] = {
    "Fade",
    "Pixelate",
    "Dissolve",
    "Expand from right",
    "Expand from left",
    "Slide in from right",
    "Slide in from left",
    "Reveal from left",
    "Reveal from right",
    "Expand in from right",
    "Expand in from left",
    "Expand in to middle",
    "Expand out from middle",
    "Reveal out from middle",
    "Reveal in from sides",
    "Expand in from sides",
    "Unroll from left",
    "Unroll from right",
    "Build up from right",
    "Build up from left",
    "Expand from bottom",
    "Expand from top",
    "Slide in from bottom",
    "Slide in from top",
    "Reveal from top",
    "Reveal from bottom",
    "Expand in from bottom",
    "Expand in from top",
    "Expand in to middle (horiz)",
    "Expand out from middle (horiz)",
    "Reveal from middle (horiz)",
    "Slide in from top / bottom",
    "Expand in from top / bottom",
    "Unroll from top",
    "Unroll from bottom",
    "Expand gradually from bottom",
    "Expand in gradually from top",
    "Expand from bottom right",
    "Expand from top right",
    "Expand from top left",
    "Expand from bottom left",
    "Slide in from bottom right",
    "Slide in from top right",
    "Slide in from top left",
    "Slide in from bottom left",
    "Reveal from top left",
    "Reveal from bottom left",
    "Reveal from bottom right",
    "Reveal from top right",
    "Appear and Contract to top left",
    "Appear and Contract to bottom left",
    "Appear and Contract to bottom right",
    "Appear and Contract to top right",
    "Appear and Contract to middle",
    "Expand out from centre",
    "Reveal out from centre",
    "Reveal in to centre",
    "Quarters Reveal in to middle",
    "Quarters Expand to middle",
    "Quarters Slide in to middle",
    "Curved Reveal from left",
    "Curved Reveal from right",
    "Bars in from right",
    "Bars in from left",
    "Bars left then right",
    "Bars right then left",
    "Bars from both sides",
    "Uneven shred from right",
    "Uneven shred from left",
    "Uneven shred out from middle (horiz)",
    "Uneven shred in to middle (horiz)",
    "Curved Reveal from top",
    "Curved Reveal from bottom",
    "Bars from bottom",
    "Bars from top",
    "Bars top then bottom",
    "Bars bottom then top",
    "Bars from top and bottom",
    "Uneven shred from bottom",
    "Uneven shred from top",
    "Uneven shred from horizon",
    "Uneven shred in to horizon",
    "Curved reveal from top left",
    "Curved reveal from top right",
    "Curved reveal from bottom left",
    "Curved reveal from bottom right",
    "Elliptic reveal out from centre",
    "Elliptic reveal in to centre",
    "Criss Cross from bottom right",
    "Criss Cross from top right",
    "Criss Cross from bottom left",
    "Criss Cross from top left",
    "Criss Cross bounce from top left",
    "Criss Cross bounce from bottom left",
    "Criss Cross bounce from top right",
    "Criss Cross bounce from bottom right",
    "Criss Cross from right top and bottom",
    "Criss Cross from left top and bottom",
    "Criss Cross from left right and bottom",
    "Criss Cross from left right and top",
    "Criss Cross from top left and bottom",
    "Criss Cross from bottom left top right",
    "Uneven shred from bottom and right",
    "Uneven shred from top and right",
    "Uneven shred from bottom and left",
    "Uneven shred from top and left",
    "Uneven shred from horiz and right",
    "Uneven shred from horiz and left",
    "Uneven shred from bottom and vert middle",
    "Uneven shred from top and vert middle",
    "Uneven shred from centre",
    "Uneven shred to centre",
    "Reveal diagonal from top left",
    "Reveal diagonal from top right",
    "Reveal diagonal from bottom left",
    "Reveal diagonal from bottom right",
    "Diagonal sweep anticlockwise",
    "Diagonal sweep clockwise",
    "Starburst clockwise from center",
    "Triangular shred",
    "Pivot from top left",
    "Pivot from bottom left",
    "Pivot from top right",
    "Pivot from bottom right",
    "Speckle appear from right",
    "Speckle appear from left",
    "Speckle appear from bottom",
    "Speckle appear from top",
    "Random squares appear",
    "Push right",
    "Push left",
    "Push and squeeze right",
    "Push and squeeze left",
    "Push down",
    "Push up",
    "Push and sqeeze down",
    "Push and sqeeze up",
    "Blind vertically",
    "Blind horizontally",
    "Uneven blind from left",
    "Uneven blind from right",
    "Uneven blind from top",
    "Uneven blind from bottom",
    "Rectangular shred",
    "Rectangles from left to right",
    "Rectangles from right to left",
    "Rectangles from up to bottom",
    "Rectangles from bottom to up",
    "Rotational rectangle in center",
    "Rotational star in center",
    "Spiral rectangle",
    "Circular shred",
    "Reveal V from left",
    "Reveal V from right",
    "Reveal V from top",
    "Reveal V from bottom",
    "Bow Tie Horizontal",
    "Bow Tie Vertical",
    "Diagonal Cross In",
    "Diagonal Cross Out",
    "Starburst anticlockwise from center",
    "Zigzag Horizontal",
    "Zigzag Vertical",
    "Diamond shred",
    "Reveal diamond out from centre",
    "Reveal diamond in to centre",
    "Diagonal Box Out",
    "Random Bars Horizontal",
    "Random Bars Vertical",
};

std::array<TEffect, kEffectCount + 1> BuildTable() {
  EffectProcTable procs{};
  AddPixelEffects(procs);
  AddBlockEffects(procs);
  AddRollEffects(procs);
  AddBarsEffects(procs);
  AddShredEffects(procs);
  AddSpeckleEffects(procs);
  AddGridEffects(procs);
  AddPushEffects(procs);
  AddShapeEffects(procs);
  AddRotateEffects(procs);
  AddPivotEffects(procs);
  std::array<TEffect, kEffectCount + 1> table{};
  for (int32_t n = 1; n <= kEffectCount; ++n) {
    if (procs[static_cast<size_t>(n)] == nullptr) {
      throw std::logic_error("effect " + std::to_string(n) + " has no procedure");
    }
    table[static_cast<size_t>(n)] = {kNames[n - 1], procs[static_cast<size_t>(n)]};
  }
  return table;
}

}  // namespace

const std::array<TEffect, kEffectCount + 1>& Effects() {
  static const std::array<TEffect, kEffectCount + 1> table = BuildTable();
  return table;
}

}  // namespace kv
