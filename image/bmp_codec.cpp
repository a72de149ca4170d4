#include "image/bmp_codec.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdio>
#include <cstring>

#include "base/error.h"
#include "image/jpeg_codec.h"

namespace kv {
namespace {

[[noreturn]] void Fail(const std::string& what) { throw Error("Bitmap: " + what); }

uint32_t U16(const uint8_t* p) { return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8); }
uint32_t U32(const uint8_t* p) { return U16(p) | (U16(p + 2) << 16); }
int32_t S32(const uint8_t* p) { return static_cast<int32_t>(U32(p)); }

enum Compression : uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6 };

// One channel of a bit-field pixel, scaled to 0..255.
struct Channel {
  uint32_t mask = 0;
  int shift = 0;
  uint64_t max = 0;

  explicit Channel(uint32_t m) : mask(m) {
    if (mask == 0) return;
    shift = std::countr_zero(mask);
    max = (uint64_t{1} << std::popcount(mask)) - 1;
  }
  uint32_t Get(uint32_t pixel) const {
    if (mask == 0) return 0;
    const uint64_t v = std::min<uint64_t>((pixel & mask) >> shift, max);
    return static_cast<uint32_t>((v * 255 + max / 2) / max);
  }
};

class Reader {
 public:
  Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  Bitmap32 Decode() {
    if (size_ < 14 + 12 || data_[0] != 'B' || data_[1] != 'M') Fail("not a bitmap file");
    const uint32_t pixelOffset = U32(data_ + 10);
    const uint32_t headerSize = U32(data_ + 14);
    if (headerSize < 12 || headerSize > size_ - 14) Fail("damaged header");
    const uint8_t* h = data_ + 14;
    uint32_t compression = kRgb;
    uint32_t colorsUsed = 0;
    size_t paletteEntry = 4;
    if (headerSize == 12) {
      width_ = static_cast<int32_t>(U16(h + 4));
      height_ = static_cast<int16_t>(U16(h + 6));
      bpp_ = U16(h + 10);
      paletteEntry = 3;
    } else {
      if (headerSize < 40) Fail("unsupported header size " + std::to_string(headerSize));
      width_ = S32(h + 4);
      height_ = S32(h + 8);
      bpp_ = U16(h + 14);
      compression = U32(h + 16);
      colorsUsed = U32(h + 32);
    }
    size_t after = 14 + headerSize;
    if (width_ <= 0 || height_ == 0 || height_ == INT32_MIN) Fail("bad size");
    topDown_ = height_ < 0;
    height_ = topDown_ ? -height_ : height_;
    if (static_cast<int64_t>(width_) * height_ > kMaxPicturePixels) Fail("picture too large");

    // Bit fields: inside a V2+ header, or three (four) masks after a 40-byte header.
    if (compression == kBitFields || compression == kAlphaBitFields) {
      if (bpp_ != 16 && bpp_ != 32) Fail("bit fields need 16 or 32 bits per pixel");
      if (headerSize >= 52) {
        masks_ = {U32(h + 40), U32(h + 44), U32(h + 48)};
      } else {
        if (size_ < after + 12) Fail("bit field masks cut short");
        masks_ = {U32(data_ + after), U32(data_ + after + 4), U32(data_ + after + 8)};
        after += compression == kAlphaBitFields ? 16 : 12;
      }
    } else if (bpp_ == 16) {
      masks_ = {0x7C00, 0x03E0, 0x001F};
    } else if (bpp_ == 32) {
      masks_ = {0x00FF0000, 0x0000FF00, 0x000000FF};
    }

    if (bpp_ <= 8) {
      if (bpp_ != 1 && bpp_ != 4 && bpp_ != 8) Fail("unsupported bit depth " + std::to_string(bpp_));
      size_t entries = colorsUsed == 0 || colorsUsed > (1u << bpp_) ? (1u << bpp_) : colorsUsed;
      // Take what the file holds of the palette, up to the pixel data.
      size_t room = pixelOffset > after && pixelOffset <= size_ ? (pixelOffset - after) / paletteEntry
                                                               : (size_ - std::min(size_, after)) / paletteEntry;
      entries = std::min(entries, room);
      palette_.assign(1u << bpp_, 0xFF000000u);
      for (size_t i = 0; i < entries; ++i) {
        const uint8_t* e = data_ + after + i * paletteEntry;
        palette_[i] = 0xFF000000u | (uint32_t{e[2]} << 16) | (uint32_t{e[1]} << 8) | e[0];
      }
    } else if (bpp_ != 16 && bpp_ != 24 && bpp_ != 32) {
      Fail("unsupported bit depth " + std::to_string(bpp_));
    }
    if (pixelOffset >= size_ || pixelOffset < after) Fail("bad pixel data offset");

    Bitmap32 out(width_, height_, bpp_ <= 8 ? palette_[0] : 0xFF000000u);
    const uint8_t* pixels = data_ + pixelOffset;
    const size_t available = size_ - pixelOffset;
    switch (compression) {
      case kRgb:
      case kBitFields:
      case kAlphaBitFields:
        if (compression != kRgb && bpp_ <= 8) Fail("bit fields need 16 or 32 bits per pixel");
        DecodeRows(pixels, available, out);
        break;
      case kRle8:
        if (bpp_ != 8) Fail("RLE8 needs 8 bits per pixel");
        DecodeRle(pixels, available, out, false);
        break;
      case kRle4:
        if (bpp_ != 4) Fail("RLE4 needs 4 bits per pixel");
        DecodeRle(pixels, available, out, true);
        break;
      default:
        Fail("unsupported compression " + std::to_string(compression));
    }
    return out;
  }

 private:
  uint32_t* OutRow(Bitmap32& out, int32_t fileRow) const {
    return out.Row(topDown_ ? fileRow : height_ - 1 - fileRow);
  }

  void DecodeRows(const uint8_t* pixels, size_t available, Bitmap32& out) const {
    const size_t stride = ((static_cast<size_t>(width_) * bpp_ + 31) / 32) * 4;
    if (stride * static_cast<size_t>(height_) > available) Fail("pixel data cut short");
    const Channel red(masks_[0]), green(masks_[1]), blue(masks_[2]);
    for (int32_t y = 0; y < height_; ++y) {
      const uint8_t* src = pixels + stride * static_cast<size_t>(y);
      uint32_t* dst = OutRow(out, y);
      for (int32_t x = 0; x < width_; ++x) {
        switch (bpp_) {
          case 1: dst[x] = palette_[(src[x >> 3] >> (7 - (x & 7))) & 1]; break;
          case 4: dst[x] = palette_[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 15]; break;
          case 8: dst[x] = palette_[src[x]]; break;
          case 24: {
            const uint8_t* p = src + x * 3;
            dst[x] = 0xFF000000u | (uint32_t{p[2]} << 16) | (uint32_t{p[1]} << 8) | p[0];
            break;
          }
          default: {
            const uint32_t v = bpp_ == 16 ? U16(src + x * 2) : U32(src + x * 4);
            dst[x] = 0xFF000000u | (red.Get(v) << 16) | (green.Get(v) << 8) | blue.Get(v);
          }
        }
      }
    }
  }

  void DecodeRle(const uint8_t* p, size_t n, Bitmap32& out, bool four) const {
    size_t i = 0;
    int32_t x = 0;
    int32_t y = 0;  // file row, from the bottom unless top-down
    auto put = [&](uint32_t index) {
      if (x < width_ && y < height_) OutRow(out, y)[x] = palette_[index];
      ++x;
    };
    while (y < height_) {
      if (i + 2 > n) Fail("RLE data cut short");
      const uint8_t count = p[i];
      const uint8_t value = p[i + 1];
      i += 2;
      if (count > 0) {
        for (int k = 0; k < count; ++k) put(four ? ((k & 1) ? value & 15 : value >> 4) : value);
        continue;
      }
      if (value == 0) {  // end of line
        x = 0;
        ++y;
      } else if (value == 1) {  // end of bitmap
        return;
      } else if (value == 2) {  // delta
        if (i + 2 > n) Fail("RLE data cut short");
        x += p[i];
        y += p[i + 1];
        i += 2;
      } else {  // absolute run of `value` pixels, padded to 16 bits
        const size_t bytes = four ? (value + 1u) / 2 : value;
        if (i + bytes > n) Fail("RLE data cut short");
        for (int k = 0; k < value; ++k) {
          put(four ? ((k & 1) ? p[i + k / 2] & 15 : p[i + k / 2] >> 4) : p[i + k]);
        }
        i += (bytes + 1) & ~size_t{1};
      }
    }
  }

  const uint8_t* data_;
  size_t size_;
  int32_t width_ = 0;
  int32_t height_ = 0;
  uint32_t bpp_ = 0;
  bool topDown_ = false;
  std::array<uint32_t, 3> masks_{};
  std::vector<uint32_t> palette_;
};

void PutU16(uint8_t* p, uint32_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}
void PutU32(uint8_t* p, uint32_t v) {
  PutU16(p, v & 0xFFFF);
  PutU16(p + 2, v >> 16);
}

}  // namespace

Bitmap32 DecodeBmp(const uint8_t* data, size_t size) { return Reader(data, size).Decode(); }

std::vector<uint8_t> EncodeBmp(const Bitmap32& picture) {
  if (picture.Empty()) Fail("empty picture");
  constexpr size_t kHeaders = 14 + 40;
  const size_t pixelBytes = picture.ByteSize();
  std::vector<uint8_t> out(kHeaders + pixelBytes, 0);
  uint8_t* h = out.data();
  h[0] = 'B';
  h[1] = 'M';
  PutU32(h + 2, static_cast<uint32_t>(out.size()));
  PutU32(h + 10, kHeaders);
  PutU32(h + 14, 40);
  PutU32(h + 18, static_cast<uint32_t>(picture.Width()));
  PutU32(h + 22, static_cast<uint32_t>(picture.Height()));  // bottom-up
  PutU16(h + 26, 1);
  PutU16(h + 28, 32);
  PutU32(h + 34, static_cast<uint32_t>(pixelBytes));
  PutU32(h + 38, 2835);  // 72 dpi
  PutU32(h + 42, 2835);
  uint8_t* dst = out.data() + kHeaders;
  for (int32_t y = picture.Height() - 1; y >= 0; --y) {
    const uint32_t* row = picture.Row(y);
    for (int32_t x = 0; x < picture.Width(); ++x, dst += 4) {
      // The unused high byte is written opaque for readers that honour it.
      PutU32(dst, row[x] | 0xFF000000u);
    }
  }
  return out;
}

void SaveBmp(const Bitmap32& picture, const std::string& path) {
  const std::vector<uint8_t> bytes = EncodeBmp(picture);
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) throw Error("Cannot create file \"" + path + "\"");
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed) throw Error("Cannot write file \"" + path + "\"");
}

}  // namespace kv
