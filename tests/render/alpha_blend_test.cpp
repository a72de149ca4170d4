#include "render/alpha_blend.h"

#include <gtest/gtest.h>

#include "render/line_drawing.h"

namespace kv {
namespace {

TEST(AlphaBlend, SourceOverRoundsEachChannelToNearest) {
  struct Case {
    uint32_t color;
    int32_t alpha;
    uint32_t dst;
    uint32_t expected;
  };
  const Case cases[] = {
      {0xFFFFFFFFu, 255, 0xFF102030u, 0xFFFFFFFFu},
      {0xFFFFFFFFu, 0, 0xFF102030u, 0xFF102030u},
      {0xFFFFFFFFu, 128, 0xFF000000u, 0xFF808080u},
      {0xFFFFFFFFu, 216, 0xFF000000u, 0xFFD8D8D8u},
      // r: (10 * 155 + 200 * 100) / 255 = 84.5 -> 85; g: (20 * 155 + 100 * 100) / 255 = 51.4 -> 51;
      // b: 30 * 155 / 255 = 18.2 -> 18.
      {0x00C86400u, 100, 0xFF0A141Eu, 0xFF553312u},
      // The alpha byte is composed too: 100 + 0 * 155 / 255.
      {0xFFFFFFFFu, 100, 0x00000000u, 0x64646464u},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BlendPixel(c.color, c.alpha, c.dst), c.expected) << c.alpha << " on " << std::hex << c.dst;
  }
}

TEST(AlphaBlend, ParticleAlphaScalesByOpacityTenths) {
  EXPECT_EQ(ParticleAlpha(240, 9), 216);
  EXPECT_EQ(ParticleAlpha(60, 9), 54);
  EXPECT_EQ(ParticleAlpha(130, 6), 78);
  EXPECT_EQ(ParticleAlpha(235, 6), 141);
  EXPECT_EQ(ParticleAlpha(255, 10), 255);
  // Round(22.5) is 22 (halves to even); Round(37.5) is 38.
  EXPECT_EQ(ParticleAlpha(45, 5), 22);
  EXPECT_EQ(ParticleAlpha(75, 5), 38);
  EXPECT_EQ(ParticleAlpha(255, 11), 255);
  EXPECT_EQ(ParticleAlpha(160, -1), 0);
}

// Pixels a line touched on a black 8 x 6 layer, as 'x' marks.
std::vector<std::string> Marks(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  Bitmap32 layer(8, 6, 0xFF000000u);
  BlendLine(layer, x1, y1, x2, y2, 0xFFFFFFFFu, 255);
  std::vector<std::string> rows;
  for (int32_t y = 0; y < layer.Height(); ++y) {
    std::string row;
    for (int32_t x = 0; x < layer.Width(); ++x) row += layer.Pixel(x, y) == 0xFF000000u ? '.' : 'x';
    rows.push_back(row);
  }
  return rows;
}

TEST(LineDrawing, WalksTheMajorAxisWithoutTheEndPoint) {
  using Rows = std::vector<std::string>;
  EXPECT_EQ(Marks(0, 0, 5, 2), (Rows{"xx......", "..xx....", "....x...", "........", "........", "........"}));
  EXPECT_EQ(Marks(5, 2, 0, 0), (Rows{".x......", "..xx....", "....xx..", "........", "........", "........"}));
  EXPECT_EQ(Marks(1, 0, 2, 4), (Rows{".x......", ".x......", "..x.....", "..x.....", "........", "........"}));
  EXPECT_EQ(Marks(2, 1, 2, 4), (Rows{"........", "..x.....", "..x.....", "..x.....", "........", "........"}));
  EXPECT_EQ(Marks(6, 3, 2, 3), (Rows{"........", "........", "........", "...xxxx.", "........", "........"}));
  EXPECT_EQ(Marks(0, 0, 3, 3), (Rows{"x.......", ".x......", "..x.....", "........", "........", "........"}));
  EXPECT_EQ(Marks(3, 3, 3, 3), (Rows{"........", "........", "........", "........", "........", "........"}));
}

TEST(LineDrawing, ClipsToTheLayerAtAnyDistance) {
  using Rows = std::vector<std::string>;
  // Far-away end points: only the part inside is drawn, and it stays on the
  // pixels the unclipped walk would have taken.
  EXPECT_EQ(Marks(-2000000000, 2, 2000000000, 2),
            (Rows{"........", "........", "xxxxxxxx", "........", "........", "........"}));
  EXPECT_EQ(Marks(-4, -2, 6, 3), (Rows{"x.......", ".xx.....", "...xx...", ".....x..", "........", "........"}));
  EXPECT_EQ(Marks(3, -100, 3, 100), (Rows{"...x....", "...x....", "...x....", "...x....", "...x....", "...x...."}));
  EXPECT_EQ(Marks(-10, -10, -1, 20), (Rows{"........", "........", "........", "........", "........", "........"}));
  EXPECT_EQ(Marks(8, 0, 20, 5), (Rows{"........", "........", "........", "........", "........", "........"}));
}

}  // namespace
}  // namespace kv
