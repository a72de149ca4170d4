// kvtool demo: a complete screensaver made from content painted and
// synthesized here: three scenes (lake, snow, rain), two still pictures,
// scene sounds and a music track.
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>

#include "base/error.h"
#include "base/ini_file.h"
#include "image/bitmap32.h"
#include "image/bmp_codec.h"
#include "image/jpeg_codec.h"
#include "scene/area_colors.h"
#include "scene/area_mask.h"
#include "scene/scene_writer.h"
#include "tools/kvtool/command_registry.h"

namespace kv::tool {
namespace {

namespace fs = std::filesystem;

constexpr int32_t kW = 800;
constexpr int32_t kH = 600;
constexpr double kPi = 3.14159265358979323846;

// ---- colours and noise ------------------------------------------------------

struct Rgb {
  double r, g, b;
};

Rgb Mix(Rgb a, Rgb b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Hex(uint32_t c) { return {double((c >> 16) & 0xFF), double((c >> 8) & 0xFF), double(c & 0xFF)}; }

uint32_t Pack(Rgb c) {
  auto ch = [](double v) { return static_cast<uint32_t>(std::clamp(std::lround(v), 0L, 255L)); };
  return 0xFF000000u | ch(c.r) << 16 | ch(c.g) << 8 | ch(c.b);
}

Rgb At(const Bitmap32& b, int32_t x, int32_t y) { return Hex(b.Pixel(x, y)); }

double Hash(int32_t x, int32_t y, uint32_t seed) {
  uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return ((h ^ (h >> 16)) & 0xFFFFFF) / double(0xFFFFFF);
}

double Smooth(double t) { return t * t * (3 - 2 * t); }

double ValueNoise(double x, double y, uint32_t seed) {
  const int32_t xi = static_cast<int32_t>(std::floor(x));
  const int32_t yi = static_cast<int32_t>(std::floor(y));
  const double fx = Smooth(x - xi), fy = Smooth(y - yi);
  const double a = Hash(xi, yi, seed), b = Hash(xi + 1, yi, seed);
  const double c = Hash(xi, yi + 1, seed), d = Hash(xi + 1, yi + 1, seed);
  return a + (b - a) * fx + (c - a) * fy + (a - b - c + d) * fx * fy;
}

double Fbm(double x, double y, uint32_t seed, int octaves = 5) {
  double sum = 0, amp = 0.5, norm = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += amp * ValueNoise(x, y, seed + i * 17);
    norm += amp;
    x *= 2.03;
    y *= 2.03;
    amp *= 0.5;
  }
  return sum / norm;
}

void Paint(Bitmap32& b, const std::function<Rgb(int32_t, int32_t, Rgb)>& f) {
  for (int32_t y = 0; y < b.Height(); ++y) {
    for (int32_t x = 0; x < b.Width(); ++x) b.SetPixel(x, y, Pack(f(x, y, At(b, x, y))));
  }
}

// A ridge line: height of the terrain top at x.
double Ridge(double x, double base, double scale, uint32_t seed) {
  return base - scale * (Fbm(x / 180.0, 0.5, seed, 4) - 0.5) * 2.2 -
         scale * 0.35 * std::sin(x / 97.0 + seed);
}

void Disc(Bitmap32& b, double cx, double cy, double radius, Rgb color, double glow) {
  Paint(b, [&](int32_t x, int32_t y, Rgb c) {
    const double d = std::hypot(x - cx, y - cy);
    if (d < radius) return Mix(c, color, std::min(1.0, radius - d));
    if (glow > 0) return Mix(c, color, 0.55 * std::exp(-(d - radius) / glow));
    return c;
  });
}

void PineTree(Bitmap32& b, double cx, double baseY, double height, Rgb body, Rgb snow) {
  const double width = height * 0.42;
  for (int32_t y = static_cast<int32_t>(baseY - height); y < baseY; ++y) {
    if (y < 0 || y >= b.Height()) continue;
    const double t = (y - (baseY - height)) / height;  // 0 top .. 1 bottom
    const double tier = std::fmod(t * 4, 1.0);
    const double half = width * (0.25 + 0.75 * t) * (0.55 + 0.45 * tier) / 2;
    for (int32_t x = static_cast<int32_t>(cx - half); x <= cx + half; ++x) {
      if (x < 0 || x >= b.Width()) continue;
      const bool snowy = snow.r > 0 && tier < 0.18 + 0.1 * Hash(x, y, 5);
      const double shade = 0.8 + 0.2 * (x - cx) / (half + 1);
      Rgb c = snowy ? snow : Rgb{body.r * shade, body.g * shade, body.b * shade};
      b.SetPixel(x, y, Pack(c));
    }
  }
  for (int32_t y = static_cast<int32_t>(baseY); y < baseY + height * 0.08 && y < b.Height(); ++y) {
    for (int32_t x = static_cast<int32_t>(cx - 3); x <= cx + 3; ++x) {
      if (x >= 0 && x < b.Width()) b.SetPixel(x, y, Pack({60, 40, 30}));
    }
  }
}

// Water below `horizon`: the mirror image of the picture above it, darkened
// and tinted.
void MirrorWater(Bitmap32& b, int32_t horizon, Rgb tint, double amount) {
  for (int32_t y = horizon; y < b.Height(); ++y) {
    const int32_t s = std::max(0, 2 * horizon - y - 1);
    const double depth = double(y - horizon) / (b.Height() - horizon);
    for (int32_t x = 0; x < b.Width(); ++x) {
      Rgb c = Mix(At(b, x, s), tint, amount + 0.3 * depth);
      c = Mix(c, {c.r * 0.8, c.g * 0.8, c.b * 0.8}, depth);
      b.SetPixel(x, y, Pack(c));
    }
  }
}

Bitmap32 AreaMask(int32_t top, const std::function<bool(int32_t, int32_t)>& inside) {
  Bitmap32 mask(kW, kH, 0);
  for (int32_t y = top; y < kH; ++y) {
    for (int32_t x = 0; x < kW; ++x) {
      if (inside(x, y)) mask.SetPixel(x, y, AreaColors[1]);
    }
  }
  return mask;
}

// ---- the pictures -----------------------------------------------------------

Bitmap32 PaintLake() {
  Bitmap32 b(kW, kH);
  const int32_t horizon = 330;
  Paint(b, [&](int32_t x, int32_t y, Rgb) {
    const double t = double(y) / horizon;
    Rgb sky = Mix(Hex(0x1B2A5A), Hex(0xE8875A), std::pow(t, 1.6));
    sky = Mix(sky, Hex(0xFFD08A), std::pow(t, 6));
    const double cloud = Fbm(x / 160.0, y / 45.0, 3);
    if (cloud > 0.55 && y < horizon - 40) sky = Mix(sky, Mix(Hex(0xF2A0A8), Hex(0x5A4A7A), 1 - t), (cloud - 0.55) * 2.2);
    return sky;
  });
  Disc(b, 560, 285, 34, Hex(0xFFE7B0), 40);
  Paint(b, [&](int32_t x, int32_t y, Rgb c) {
    const double far = Ridge(x, 250, 55, 11);
    const double near = Ridge(x + 400, 305, 28, 23);
    if (y >= near && y < horizon) return Mix(Hex(0x1E3526), Hex(0x0E1A14), Fbm(x / 8.0, y / 8.0, 9) * 0.6);
    if (y >= far && y < horizon) return Mix(Hex(0x6A5A8A), Hex(0x3A3A62), (y - far) / 60.0);
    return c;
  });
  for (int i = 0; i < 26; ++i) {
    const double x = 12 + i * 31 + 14 * Hash(i, 0, 4);
    if (x > 430 && x < 690) continue;
    PineTree(b, x, horizon, 28 + 30 * Hash(i, 1, 4), Hex(0x0C1F14), {0, 0, 0});
  }
  MirrorWater(b, horizon, Hex(0x20385A), 0.25);
  return b;
}

Bitmap32 PaintSnow() {
  Bitmap32 b(kW, kH);
  Paint(b, [&](int32_t x, int32_t y, Rgb) {
    Rgb sky = Mix(Hex(0x070B24), Hex(0x2C3F72), double(y) / 360);
    if (Hash(x, y, 77) > 0.9975) sky = Mix(sky, Hex(0xFFFFFF), 0.5 + 0.5 * Hash(x, y, 78));
    return sky;
  });
  Disc(b, 170, 110, 30, Hex(0xF4F2E0), 26);
  Paint(b, [&](int32_t x, int32_t y, Rgb c) {
    const double back = Ridge(x, 330, 60, 31);
    const double front = Ridge(x + 900, 430, 40, 37);
    if (y >= front) {
      const double light = 0.5 + 0.5 * std::sin((x - 300) / 260.0);
      return Mix(Hex(0xB8C8E8), Hex(0xF4F8FF), light * 0.8 + 0.2 * Fbm(x / 30.0, y / 12.0, 41));
    }
    if (y >= back) return Mix(Hex(0x8796C0), Hex(0xC6D2EE), 0.5 + 0.4 * std::sin(x / 70.0) * (y - back) / 80);
    return c;
  });
  for (int i = 0; i < 18; ++i) {
    const double x = 20 + i * 46 + 20 * Hash(i, 2, 6);
    const double base = Ridge(x + 900, 430, 40, 37) + 10 + 40 * Hash(i, 3, 6);
    if (x > 330 && x < 520) continue;
    PineTree(b, x, base, 70 + 70 * Hash(i, 4, 6), Hex(0x143A2A), Hex(0xEEF4FF));
  }
  // A cabin with a lit window and smoke-free roof of snow.
  const int32_t cx = 420, cy = 470;
  for (int32_t y = cy - 60; y < cy; ++y) {
    for (int32_t x = cx - 55; x < cx + 55; ++x) b.SetPixel(x, y, Pack(Mix(Hex(0x5A3520), Hex(0x3A2214), Hash(x / 6, y / 9, 8) * 0.6)));
  }
  for (int32_t y = cy - 105; y < cy - 58; ++y) {
    const int32_t half = (y - (cy - 105)) * 70 / 47;
    for (int32_t x = cx - half; x < cx + half; ++x) b.SetPixel(x, y, Pack(Mix(Hex(0xFFFFFF), Hex(0xC8D4F0), double(x - cx + half) / (2 * half + 1))));
  }
  Paint(b, [&](int32_t x, int32_t y, Rgb c) {
    const double d = std::hypot(x - (cx + 18), y - (cy - 32));
    if (x >= cx + 6 && x < cx + 32 && y >= cy - 44 && y < cy - 20) return Mix(Hex(0xFFD060), Hex(0xFF9A30), (y - (cy - 44)) / 24.0);
    if (d < 90 && y > cy - 58) return Mix(c, Hex(0xFFC070), 0.25 * (1 - d / 90));
    return c;
  });
  // A frozen pond in the foreground.
  Paint(b, [&](int32_t x, int32_t y, Rgb c) {
    const double e = std::pow((x - 620) / 150.0, 2) + std::pow((y - 545) / 38.0, 2);
    if (e < 1) return Mix(Hex(0x6E8CC0), Hex(0xC8DAF4), 0.4 + 0.4 * Fbm(x / 40.0, y / 6.0, 51));
    return c;
  });
  return b;
}

Bitmap32 PaintRain() {
  Bitmap32 b(kW, kH);
  const int32_t street = 420;
  Paint(b, [&](int32_t x, int32_t y, Rgb) {
    const double cloud = Fbm(x / 200.0, y / 60.0, 61);
    return Mix(Mix(Hex(0x3A4048), Hex(0x8A9098), double(y) / street), Hex(0x23272E), (cloud - 0.35) * 1.4);
  });
  // Houses with lit windows along the street.
  int32_t x0 = 0;
  for (int i = 0; x0 < kW; ++i) {
    const int32_t width = 90 + static_cast<int32_t>(70 * Hash(i, 0, 62));
    const int32_t top = street - 110 - static_cast<int32_t>(120 * Hash(i, 1, 62));
    const Rgb wall = Mix(Hex(0x2A2C34), Hex(0x3E3A40), Hash(i, 2, 62));
    for (int32_t y = top; y < street; ++y) {
      for (int32_t x = x0; x < std::min(kW, x0 + width - 6); ++x) {
        const int32_t wx = (x - x0 - 10) % 26, wy = (y - top - 14) % 34;
        const bool window = x - x0 > 8 && x < x0 + width - 18 && y > top + 10 && y < street - 30 && wx >= 0 &&
                            wx < 14 && wy >= 0 && wy < 20;
        const bool lit = Hash((x - x0 - 10) / 26 + i * 10, (y - top - 14) / 34, 63) > 0.45;
        b.SetPixel(x, y, Pack(window ? (lit ? Mix(Hex(0xFFD890), Hex(0xE09040), wy / 20.0) : Hex(0x15171C)) : wall));
      }
    }
    x0 += width;
  }
  // Street lamps.
  for (int32_t lx = 120; lx < kW; lx += 260) {
    for (int32_t y = street - 150; y < street; ++y) {
      for (int32_t x = lx - 2; x <= lx + 2; ++x) b.SetPixel(x, y, Pack(Hex(0x101014)));
    }
    Disc(b, lx, street - 152, 7, Hex(0xFFF0C0), 30);
  }
  MirrorWater(b, street, Hex(0x20242C), 0.35);
  return b;
}

Bitmap32 PaintSunset() {
  Bitmap32 b(1024, 768);
  const int32_t horizon = 470;
  Paint(b, [&](int32_t x, int32_t y, Rgb) {
    if (y < horizon) {
      const double t = double(y) / horizon;
      Rgb sky = Mix(Mix(Hex(0x2B1B4A), Hex(0xD0507A), t), Hex(0xFFB050), std::pow(t, 3));
      const double cloud = Fbm(x / 260.0, y / 30.0, 71);
      if (cloud > 0.5) sky = Mix(sky, Mix(Hex(0xFF8A60), Hex(0x40204A), 1 - t), (cloud - 0.5) * 1.8);
      return sky;
    }
    const double t = double(y - horizon) / (768 - horizon);
    Rgb sea = Mix(Hex(0x5A2E5A), Hex(0x101836), t);
    const double glitter = std::exp(-std::pow((x - 640) / (40 + 260 * t), 2)) *
                           std::pow(std::max(0.0, std::sin(y * 0.9 + 6 * Fbm(x / 20.0, y / 4.0, 72))), 8);
    return Mix(sea, Hex(0xFFD080), glitter * (1 - 0.5 * t));
  });
  Disc(b, 640, 430, 52, Hex(0xFFE0A0), 60);
  // The sun sinks behind the horizon: restore the sea over its lower half.
  Paint(b, [&](int32_t x, int32_t y, Rgb c) {
    if (y >= horizon && std::hypot(x - 640, y - 430) < 52 + 2) return Mix(c, Hex(0x5A2E5A), 0.7);
    return c;
  });
  // A headland on the left.
  Paint(b, [&](int32_t x, int32_t y, Rgb c) {
    const double top = horizon - 140 * std::exp(-std::pow(x / 260.0, 2)) - 8 * Fbm(x / 20.0, 0, 73);
    if (x < 520 && y >= top && y < horizon + 6) return Hex(0x1A1022);
    return c;
  });
  return b;
}

Bitmap32 PaintAurora() {
  Bitmap32 b(kW, kH);
  Paint(b, [&](int32_t x, int32_t y, Rgb) {
    Rgb sky = Mix(Hex(0x020612), Hex(0x0C1E30), double(y) / kH);
    for (int band = 0; band < 3; ++band) {
      const double center = 180 + band * 70 + 60 * std::sin(x / (140.0 + band * 40) + band * 1.7);
      const double d = (y - center) / (50.0 + 20 * band);
      const double curtain = std::exp(-d * d) * (0.55 + 0.45 * std::sin(x / 9.0 + 3 * Fbm(x / 60.0, band, 81)));
      const Rgb color = band == 1 ? Hex(0x7A4CD0) : Hex(0x3CF0A0);
      sky = Mix(sky, color, curtain * (y < center ? 0.8 : 0.5));
    }
    if (Hash(x, y, 82) > 0.998) sky = Mix(sky, Hex(0xFFFFFF), 0.8);
    return sky;
  });
  Paint(b, [&](int32_t x, int32_t y, Rgb c) {
    const double ridge = Ridge(x, 470, 50, 83);
    if (y >= ridge) return Mix(Hex(0x0A1418), Hex(0x04080A), (y - ridge) / 120);
    return c;
  });
  for (int i = 0; i < 22; ++i) {
    const double x = 10 + i * 38 + 16 * Hash(i, 0, 84);
    PineTree(b, x, Ridge(x, 470, 50, 83) + 60 + 40 * Hash(i, 1, 84), 60 + 60 * Hash(i, 2, 84), Hex(0x050A08),
             {0, 0, 0});
  }
  return b;
}

Bitmap32 Shrink(const Bitmap32& b, int32_t w, int32_t h) {
  Bitmap32 out(w, h);
  for (int32_t y = 0; y < h; ++y) {
    for (int32_t x = 0; x < w; ++x) out.SetPixel(x, y, b.Pixel(x * b.Width() / w, y * b.Height() / h));
  }
  return out;
}

// ---- sounds -----------------------------------------------------------------

constexpr int32_t kRate = 22050;

void WriteWav(const std::string& path, const std::vector<double>& samples) {
  std::string data;
  for (double s : samples) {
    const auto v = static_cast<int16_t>(std::clamp(std::lround(s * 32767.0), -32767L, 32767L));
    data.push_back(static_cast<char>(v & 0xFF));
    data.push_back(static_cast<char>((v >> 8) & 0xFF));
  }
  auto u32 = [](uint32_t v) { return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; };
  auto u16 = [](uint16_t v) { return std::string{char(v), char(v >> 8)}; };
  std::string file = "RIFF" + u32(36 + static_cast<uint32_t>(data.size())) + "WAVEfmt " + u32(16) + u16(1) + u16(1) +
                     u32(kRate) + u32(kRate * 2) + u16(2) + u16(16) + "data" + u32(static_cast<uint32_t>(data.size())) + data;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(file.data(), static_cast<std::streamsize>(file.size()));
  if (!out.flush()) throw Error("kvtool demo: cannot write " + path);
}

// Steady rain: low-passed noise with a few brighter drops; its end flows
// into its start, so it loops without a click.
std::vector<double> RainSound() {
  const int32_t n = kRate * 4;
  std::vector<double> s(n);
  double low = 0, band = 0;
  uint32_t seed = 12345;
  auto noise = [&] {
    seed = seed * 1664525u + 1013904223u;
    return (seed >> 8) / double(1 << 24) * 2 - 1;
  };
  for (int32_t i = 0; i < n; ++i) {
    const double w = noise();
    low += 0.08 * (w - low);
    band += 0.5 * (w - band);
    s[i] = 0.55 * low + 0.12 * (band - low);
    if (noise() > 0.9993) s[i] += 0.25 * noise();
  }
  const int32_t fade = kRate / 4;
  for (int32_t i = 0; i < fade; ++i) {
    const double t = double(i) / fade;
    s[i] = s[i] * t + s[n - fade + i] * (1 - t);
  }
  s.resize(n - fade);
  return s;
}

std::vector<double> ThunderSound() {
  const int32_t n = kRate * 4;
  std::vector<double> s(n);
  double low = 0, lower = 0;
  uint32_t seed = 777;
  for (int32_t i = 0; i < n; ++i) {
    seed = seed * 1664525u + 1013904223u;
    const double w = (seed >> 8) / double(1 << 24) * 2 - 1;
    low += 0.03 * (w - low);
    lower += 0.01 * (low - lower);
    const double t = double(i) / kRate;
    const double env = (1 - std::exp(-t * 12)) * std::exp(-t * 1.1) * (1 + 0.6 * std::sin(t * 7.3) * std::sin(t * 2.1));
    s[i] = std::clamp(6.0 * (low * 0.6 + lower * 2.5) * env, -1.0, 1.0);
  }
  return s;
}

// A calm piece: A minor, F, C, G arpeggios over soft pads, 32 seconds.
std::vector<double> MusicTrack() {
  const double bpm = 90, beat = 60 / bpm;
  const int chords[4][3] = {{57, 60, 64}, {53, 57, 60}, {48, 52, 55}, {55, 59, 62}};
  const int32_t bars = 12;
  const int32_t n = static_cast<int32_t>(bars * 4 * beat * kRate);
  std::vector<double> s(n, 0.0);
  auto freq = [](int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); };
  for (int32_t bar = 0; bar < bars; ++bar) {
    const int* chord = chords[bar % 4];
    const int32_t barStart = static_cast<int32_t>(bar * 4 * beat * kRate);
    const int32_t barLen = static_cast<int32_t>(4 * beat * kRate);
    for (int32_t i = 0; i < barLen && barStart + i < n; ++i) {  // the pad
      const double t = double(i) / kRate;
      const double env = std::min(1.0, t / 0.6) * std::min(1.0, (barLen - i) / (0.4 * kRate));
      double v = 0;
      for (int k = 0; k < 3; ++k) v += std::sin(2 * kPi * freq(chord[k] - 12) * t) * 0.06;
      s[barStart + i] += v * env;
    }
    for (int step = 0; step < 8; ++step) {  // the arpeggio, eighth notes
      const int pattern[8] = {0, 1, 2, 1, 0, 2, 1, 2};
      const int note = chord[pattern[step]] + (step >= 4 ? 12 : 0);
      const int32_t start = barStart + static_cast<int32_t>(step * beat / 2 * kRate);
      const int32_t len = static_cast<int32_t>(1.2 * kRate);
      for (int32_t i = 0; i < len && start + i < n; ++i) {
        const double t = double(i) / kRate;
        const double f = freq(note);
        const double env = std::exp(-t * 3.2) * std::min(1.0, t * 200);
        s[start + i] += 0.16 * env * (std::sin(2 * kPi * f * t) + 0.3 * std::sin(4 * kPi * f * t) * std::exp(-t * 4));
      }
    }
  }
  for (int32_t i = 0; i < kRate; ++i) s[n - 1 - i] *= double(i) / kRate;  // fade out
  return s;
}

// ---- the project --------------------------------------------------------------

void WriteScene(const std::string& path, const std::string& title, const Bitmap32& background,
                const Bitmap32& mask, const TWaveParam& area, const TWeatherParam& weather, const TSoundSlots& sounds) {
  SceneFileData data;
  data.Title = title;
  data.Note = "Painted by kvtool demo";
  data.PreviewJpeg = EncodeJpeg(Shrink(background, 160, 120), 85);
  data.Areas = {area};
  data.MaskWords = EncodeAreaMask(mask);
  data.BackgroundJpeg = EncodeJpeg(background, 92);
  data.Weather = weather;
  data.Sounds = sounds;
  WriteSceneFile(data, path);
}

TWaveParam Water(int32_t amplitude, int32_t waves, int32_t speed, bool perspective) {
  TWaveParam w;
  w.Amplitude = amplitude;
  w.WaveCount = waves;
  w.Speed = speed;
  w.Direction = 0;
  w.Horizontal = 1;
  w.Vertical = 1;
  w.Perspective = perspective ? 1 : 0;
  w.Period = 360;
  w.Reflection = 1;
  return w;
}

// The frozen pond: a faint shimmer, no mirror image.
TWaveParam Ice() {
  TWaveParam w = Water(1, 12, 2, false);
  w.Vertical = 0;
  w.Reflection = 0;
  return w;
}

void WriteProject(const fs::path& dir) {
  WriteScene((dir / "lake.kvp").string(), "Evening Lake", PaintLake(),
             AreaMask(330, [](int32_t, int32_t) { return true; }), Water(3, 40, 6, true), TWeatherParam{}, {});

  TWeatherParam snow;
  snow.Kind = 1;
  snow.Amount = 700;
  snow.SpeedIndex = 8;
  WriteScene((dir / "snow.kvp").string(), "Snowy Night", PaintSnow(), AreaMask(500, [](int32_t x, int32_t y) {
               return std::pow((x - 620) / 150.0, 2) + std::pow((y - 545) / 38.0, 2) < 1;
             }),
             Ice(), snow, {});

  TWeatherParam rain;
  rain.Kind = 2;
  rain.Amount = 500;
  rain.SpeedIndex = 14;
  rain.Angle = 100;
  rain.DropLength = 12;
  TSoundSlots rainSounds{};
  rainSounds[0] = TSoundRecord{"rain.wav", 0, 0, 0};
  rainSounds[1] = TSoundRecord{"thunder.wav", 1, 6, 15};
  WriteScene((dir / "rain.kvp").string(), "Rainy Street", PaintRain(),
             AreaMask(420, [](int32_t, int32_t) { return true; }), Water(2, 60, 9, true), rain, rainSounds);

  const std::vector<uint8_t> sunset = EncodeJpeg(PaintSunset(), 92);
  std::ofstream((dir / "sunset.jpg").string(), std::ios::binary)
      .write(reinterpret_cast<const char*>(sunset.data()), static_cast<std::streamsize>(sunset.size()));
  SaveBmp(PaintAurora(), (dir / "aurora.bmp").string());
  WriteWav((dir / "rain.wav").string(), RainSound());
  WriteWav((dir / "thunder.wav").string(), ThunderSound());
  WriteWav((dir / "music.wav").string(), MusicTrack());

  IniFile ini = IniFile::FromText("");
  for (const char* name : {"lake.kvp", "snow.kvp", "rain.kvp", "sunset.jpg", "aurora.bmp"}) {
    ini.WriteString("FileList", name, "1");
  }
  ini.WriteString("General", "ProductName", "Demo Scenes");
  ini.WriteString("General", "Publisher", "kvtool");
  ini.WriteBool("Default", "Stretch", true);
  ini.WriteBool("Default", "Proportional", true);
  ini.WriteBool("Default", "Sound", true);
  ini.WriteBool("Default", "Random", true);
  ini.WriteInteger("Default", "Duration", 15);
  ini.WriteBool("Default", "Transition", true);
  ini.WriteInteger("Default", "TransitionTime", 2000);
  ini.WriteString("Default", "TransitionEffects", "1,2,17,45,88,130,131,150");
  ini.WriteInteger("Default", "Speed", 100);
  ini.WriteInteger("Default", "ShowImageMode", 1);
  ini.WriteBool("Default", "DirectX", false);
  ini.WriteInteger("Default", "DirectXQuality", 0);
  ini.WriteString("Advance", "MusicFile", "music.wav");
  ini.WriteInteger("Advance", "MusicMode", 1);
  ini.WriteString("Advance", "PreviewFile", "sunset.jpg");
  std::ofstream out((dir / "project.ini").string(), std::ios::binary | std::ios::trunc);
  out << ini.Text();
  if (!out.flush()) throw Error("kvtool demo: cannot write project.ini");
}

int RunDemo(const std::vector<std::string>& args) {
  std::string out, runtime, keep;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "-o" && i + 1 < args.size()) {
      out = args[++i];
    } else if (args[i] == "--runtime" && i + 1 < args.size()) {
      runtime = args[++i];
    } else if (args[i] == "--project-dir" && i + 1 < args.size()) {
      keep = args[++i];
    } else {
      throw UsageError{"unexpected argument " + args[i]};
    }
  }
  if (out.empty()) throw UsageError{"-o OUT is required"};

  fs::path dir;
  if (!keep.empty()) {
    dir = keep;
    fs::create_directories(dir);
  } else {
    std::string pattern = (fs::temp_directory_path() / "kvtool-demo-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw Error("kvtool demo: cannot make a temporary folder");
    dir = pattern;
  }
  int code = 1;
  try {
    WriteProject(dir);
    const auto& commands = Commands();
    const auto pack = std::find_if(commands.begin(), commands.end(), [](const Command& c) { return c.name == "pack"; });
    if (pack == commands.end()) throw Error("kvtool demo: the pack command is missing");
    std::vector<std::string> packArgs = {dir.string(), "-o", out};
    if (!runtime.empty()) packArgs.insert(packArgs.end(), {"--runtime", runtime});
    code = pack->run(packArgs);
  } catch (...) {
    if (keep.empty()) fs::remove_all(dir);
    throw;
  }
  if (keep.empty()) fs::remove_all(dir);
  return code;
}

}  // namespace

KV_TOOL_COMMAND("demo", "demo -o OUT.scr [--runtime PATH] [--project-dir DIR]",
                "make the demo screensaver from painted scenes, pictures, sounds and music", RunDemo);

}  // namespace kv::tool
