// kvtool transitions sheet: a contact sheet of every transition effect, one
// labelled row per effect and one scaled-down cell per progress value.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

#include "base/error.h"
#include "base/random.h"
#include "base/text.h"
#include "image/picture_loader.h"
#include "image/png_codec.h"
#include "saver/effects/effect.h"
#include "saver/effects/raster.h"
#include "tools/kvtool/command_registry.h"

namespace kv::tool {
namespace {

// A 5 x 7 font: each glyph is seven rows, bit 4 the leftmost column.
struct Glyph {
  char c;
  uint8_t rows[7];
};
constexpr Glyph kFont[] = {
    {'A', {14, 17, 17, 31, 17, 17, 17}}, {'B', {30, 17, 17, 30, 17, 17, 30}}, {'C', {14, 17, 16, 16, 16, 17, 14}},
    {'D', {30, 17, 17, 17, 17, 17, 30}}, {'E', {31, 16, 16, 30, 16, 16, 31}}, {'F', {31, 16, 16, 30, 16, 16, 16}},
    {'G', {14, 17, 16, 23, 17, 17, 15}}, {'H', {17, 17, 17, 31, 17, 17, 17}}, {'I', {14, 4, 4, 4, 4, 4, 14}},
    {'J', {7, 2, 2, 2, 2, 18, 12}},      {'K', {17, 18, 20, 24, 20, 18, 17}}, {'L', {16, 16, 16, 16, 16, 16, 31}},
    {'M', {17, 27, 21, 21, 17, 17, 17}}, {'N', {17, 17, 25, 21, 19, 17, 17}}, {'O', {14, 17, 17, 17, 17, 17, 14}},
    {'P', {30, 17, 17, 30, 16, 16, 16}}, {'Q', {14, 17, 17, 17, 21, 18, 13}}, {'R', {30, 17, 17, 30, 20, 18, 17}},
    {'S', {15, 16, 16, 14, 1, 1, 30}},   {'T', {31, 4, 4, 4, 4, 4, 4}},       {'U', {17, 17, 17, 17, 17, 17, 14}},
    {'V', {17, 17, 17, 17, 17, 10, 4}},  {'W', {17, 17, 17, 21, 21, 21, 10}}, {'X', {17, 17, 10, 4, 10, 17, 17}},
    {'Y', {17, 17, 17, 10, 4, 4, 4}},    {'Z', {31, 1, 2, 4, 8, 16, 31}},     {'0', {14, 17, 19, 21, 25, 17, 14}},
    {'1', {4, 12, 4, 4, 4, 4, 14}},      {'2', {14, 17, 1, 2, 4, 8, 31}},     {'3', {31, 2, 4, 2, 1, 17, 14}},
    {'4', {2, 6, 10, 18, 31, 2, 2}},     {'5', {31, 16, 30, 1, 1, 17, 14}},   {'6', {6, 8, 16, 30, 17, 17, 14}},
    {'7', {31, 1, 2, 4, 8, 8, 8}},       {'8', {14, 17, 17, 14, 17, 17, 14}}, {'9', {14, 17, 17, 15, 1, 2, 12}},
    {'(', {2, 4, 8, 8, 8, 4, 2}},        {')', {8, 4, 2, 2, 2, 4, 8}},        {'/', {1, 1, 2, 4, 8, 16, 16}},
    {'=', {0, 0, 31, 0, 31, 0, 0}},      {'-', {0, 0, 0, 31, 0, 0, 0}},       {'%', {24, 25, 2, 4, 8, 19, 3}},
    {'.', {0, 0, 0, 0, 0, 12, 12}},      {'?', {14, 17, 1, 2, 4, 0, 4}},
};
constexpr int32_t kGlyphAdvance = 6;
constexpr int32_t kTextHeight = 7;

const Glyph* FindGlyph(char c) {
  const char u = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  for (const Glyph& g : kFont)
    if (g.c == u) return &g;
  return c == ' ' ? nullptr : FindGlyph('?');
}

void DrawText(Bitmap32& b, int32_t x, int32_t y, const std::string& text, uint32_t color) {
  for (char c : text) {
    if (const Glyph* g = FindGlyph(c)) {
      for (int32_t r = 0; r < kTextHeight; ++r)
        for (int32_t col = 0; col < 5; ++col)
          if ((g->rows[r] >> (4 - col)) & 1) {
            if (b.Contains(x + col, y + r)) b.SetPixel(x + col, y + r, color);
          }
    }
    x += kGlyphAdvance;
  }
}

std::vector<int32_t> ParseProgressList(const std::string& text) {
  std::vector<int32_t> list;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(',', start);
    if (end == std::string::npos) end = text.size();
    const auto value = ParseInt32(text.substr(start, end - start));
    if (!value || *value < 0 || *value > 100) throw UsageError{"--progress takes numbers from 0 to 100, like 25,50,75"};
    list.push_back(*value);
    if (list.size() > 20) throw UsageError{"--progress takes at most 20 values"};
    start = end + 1;
  }
  return list;
}

void ParseSize(const std::string& text, int32_t& w, int32_t& h) {
  const size_t x = text.find_first_of("xX");
  const auto pw = x == std::string::npos ? std::nullopt : ParseInt32(text.substr(0, x));
  const auto ph = x == std::string::npos ? std::nullopt : ParseInt32(text.substr(x + 1));
  if (!pw || !ph || *pw < 8 || *ph < 8 || *pw > 1024 || *ph > 1024) {
    throw UsageError{"--size takes the cell size WxH, each from 8 to 1024, like 160x120"};
  }
  w = *pw;
  h = *ph;
}

int RunTransitionsSheet(const std::vector<std::string>& args) {
  std::vector<std::string> files;
  std::string out;
  std::vector<int32_t> progress = {25, 50, 75};
  int32_t cell_w = 160;
  int32_t cell_h = 0;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw UsageError{a + " needs a value"};
      return args[++i];
    };
    if (a == "-o") {
      out = value();
    } else if (a == "--progress") {
      progress = ParseProgressList(value());
    } else if (a == "--size") {
      ParseSize(value(), cell_w, cell_h);
    } else if (!a.empty() && a[0] == '-') {
      throw UsageError{"unknown option " + a};
    } else {
      files.push_back(a);
    }
  }
  if (files.size() != 2) throw UsageError{"give the old and the new picture"};
  if (out.empty()) throw UsageError{"-o SHEET.png is required"};

  const Bitmap32 old = LoadPicture(files[0]);
  const Bitmap32 image = LoadPicture(files[1]);
  if (old.Width() != image.Width() || old.Height() != image.Height()) {
    throw Error("The pictures differ in size: " + std::to_string(old.Width()) + "x" + std::to_string(old.Height()) +
                " and " + std::to_string(image.Width()) + "x" + std::to_string(image.Height()));
  }
  const int32_t W = old.Width();
  const int32_t H = old.Height();
  if (W == 0 || H == 0) throw Error("The pictures are empty");
  if (cell_h == 0) cell_h = std::max<int32_t>(8, static_cast<int32_t>(int64_t{cell_w} * H / W));

  constexpr int32_t kPad = 4;
  constexpr int32_t kLabelWidth = 46 * kGlyphAdvance + 2 * kPad;
  constexpr uint32_t kBack = 0xFF202020u;
  constexpr uint32_t kInk = 0xFFF0F0F0u;
  const int32_t columns = static_cast<int32_t>(progress.size());
  const int32_t row_h = cell_h + kPad;
  const int32_t header = kTextHeight + 2 * kPad;
  Bitmap32 sheet(kLabelWidth + columns * (cell_w + kPad) + kPad, header + kEffectCount * row_h + kPad, kBack);
  for (int32_t c = 0; c < columns; ++c) {
    DrawText(sheet, kLabelWidth + c * (cell_w + kPad), kPad, "P = " + std::to_string(progress[c]) + "%", kInk);
  }
  Bitmap32 work;
  for (int32_t n = 1; n <= kEffectCount; ++n) {
    const TEffect& effect = Effects()[static_cast<size_t>(n)];
    const int32_t top = header + (n - 1) * row_h;
    DrawText(sheet, kPad, top + (cell_h - kTextHeight) / 2, std::to_string(n) + " " + std::string(effect.Name),
             kInk);
    for (int32_t c = 0; c < columns; ++c) {
      work = old;
      const EffectExtents e = ComputeExtents(W, H, progress[c]);
      ScopedRandSeed seed(1);
      effect.Proc(work, image, W, H, e.X, e.Y, progress[c]);
      StretchBlock(sheet, kLabelWidth + c * (cell_w + kPad), top, cell_w, cell_h, work, 0, 0, W, H);
    }
  }
  SavePng(sheet, out);
  return 0;
}

}  // namespace

KV_TOOL_COMMAND("transitions sheet", "transitions sheet OLD NEW -o SHEET.png [--progress 25,50,75] [--size WxH]",
                "a contact sheet of all 169 transition effects: one labelled row each, one cell per progress",
                RunTransitionsSheet);

}  // namespace kv::tool
