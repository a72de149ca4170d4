#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <unistd.h>

#include "base/error.h"
#include "image/bmp_codec.h"
#include "image/gif_decoder.h"
#include "image/jpeg_codec.h"
#include "image/jpeg_error.h"
#include "image/picture_loader.h"
#include "image/png_codec.h"

namespace kv {
namespace {

std::string TempPath(const std::string& name) {
  return (std::filesystem::temp_directory_path() / ("kv_image_" + std::to_string(::getpid()) + "_" + name)).string();
}

Bitmap32 Pattern(int w, int h) {
  Bitmap32 b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, 0xFF000000u | (uint32_t(x * 20) << 16) | (uint32_t(y * 30) << 8) | 0x40);
  return b;
}

std::string ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const Error& e) {
    return e.what();
  }
  return "";
}

void Le16(std::vector<uint8_t>& v, uint32_t x) {
  v.push_back(uint8_t(x));
  v.push_back(uint8_t(x >> 8));
}
void Le32(std::vector<uint8_t>& v, uint32_t x) {
  Le16(v, x & 0xFFFF);
  Le16(v, x >> 16);
}

// A BMP with a 40-byte header, the given palette and pixel bytes.
std::vector<uint8_t> Bmp(int32_t w, int32_t h, uint16_t bpp, uint32_t compression,
                         const std::vector<uint32_t>& palette, const std::vector<uint8_t>& pixels,
                         const std::vector<uint32_t>& masks = {}) {
  std::vector<uint8_t> v = {'B', 'M'};
  const uint32_t offset = 14 + 40 + 4 * uint32_t(masks.size() + palette.size());
  Le32(v, offset + uint32_t(pixels.size()));
  Le32(v, 0);
  Le32(v, offset);
  Le32(v, 40);
  Le32(v, uint32_t(w));
  Le32(v, uint32_t(h));
  Le16(v, 1);
  Le16(v, bpp);
  Le32(v, compression);
  Le32(v, uint32_t(pixels.size()));
  Le32(v, 0);
  Le32(v, 0);
  Le32(v, uint32_t(palette.size()));
  Le32(v, 0);
  for (uint32_t m : masks) Le32(v, m);
  for (uint32_t c : palette) Le32(v, c);
  v.insert(v.end(), pixels.begin(), pixels.end());
  return v;
}

TEST(Jpeg, RoundTripOpaqueAndErrors) {
  const Bitmap32 src = Pattern(16, 8);
  const std::vector<uint8_t> jpeg = EncodeJpeg(src, 95);
  EXPECT_EQ(ReadJpegSize(jpeg.data(), jpeg.size()).width, 16);
  Bitmap32 out;
  DecodeJpeg(jpeg, out);
  ASSERT_EQ(out.Height(), 8);
  EXPECT_EQ(out.Pixel(3, 3) >> 24, 0xFFu);
  EXPECT_NEAR(int((out.Pixel(5, 2) >> 16) & 0xFF), 100, 12);
  const std::vector<uint8_t> junk = {1, 2, 3, 4};
  EXPECT_EQ(ErrorOf([&] { DecodeJpeg(junk, out); }), "JPEG error #53");
  EXPECT_EQ(ErrorOf([&] { DecodeJpeg(std::vector<uint8_t>{}, out); }), "JPEG error #53");
  // Cut short inside the scan: the decoder warns and the picture is kept.
  std::vector<uint8_t> cut(jpeg.begin(), jpeg.begin() + static_cast<long>(jpeg.size() - 40));
  EXPECT_EQ(ErrorOf([&] { DecodeJpeg(cut, out); }), "");
  EXPECT_EQ(JpegMessageCode("Bogus marker length"), JpegMessageCode("Bogus marker length"));
  EXPECT_GT(JpegMessageCode("Unsupported JPEG process: SOF type 0xc3"), 0);
  EXPECT_EQ(JpegMessageCode("no such message"), -1);
}

TEST(Bmp, WriterRoundTripAndDepths) {
  const Bitmap32 src = Pattern(5, 3);
  const std::vector<uint8_t> file = EncodeBmp(src);
  EXPECT_EQ(DecodeBmp(file.data(), file.size()), src);

  // 1 bit, bottom-up, 2 x 2: bottom row "10", top row "01".
  auto one = Bmp(2, 2, 1, 0, {0x000000, 0xFFFFFF}, {0x80, 0, 0, 0, 0x40, 0, 0, 0});
  Bitmap32 b = DecodeBmp(one.data(), one.size());
  EXPECT_EQ(b.Pixel(0, 1), 0xFFFFFFFFu);
  EXPECT_EQ(b.Pixel(1, 0), 0xFFFFFFFFu);
  EXPECT_EQ(b.Pixel(0, 0), 0xFF000000u);
  // 4 bit top-down.
  auto four = Bmp(3, -1, 4, 0, {0x112233, 0x445566}, {0x01, 0x00, 0, 0});
  b = DecodeBmp(four.data(), four.size());
  EXPECT_EQ(b.Pixel(1, 0), 0xFF445566u);
  EXPECT_EQ(b.Pixel(2, 0), 0xFF112233u);
  // 16 bit 5-6-5 bit fields.
  auto sixteen = Bmp(1, 1, 16, 3, {}, {0x00, 0xF8, 0, 0}, {0xF800, 0x07E0, 0x001F});
  b = DecodeBmp(sixteen.data(), sixteen.size());
  EXPECT_EQ(b.Pixel(0, 0), 0xFFFF0000u);
  // 24 bit default.
  auto rgb = Bmp(1, 1, 24, 0, {}, {0x10, 0x20, 0x30, 0});
  EXPECT_EQ(DecodeBmp(rgb.data(), rgb.size()).Pixel(0, 0), 0xFF302010u);
  // RLE8: a run of 3 of index 1, end of line, absolute 3 pixels, end of bitmap.
  auto rle8 = Bmp(3, 2, 8, 1, {0x000000, 0x0000FF, 0x00FF00}, {3, 1, 0, 0, 0, 3, 2, 1, 2, 0, 0, 1});
  b = DecodeBmp(rle8.data(), rle8.size());
  EXPECT_EQ(b.Pixel(0, 1), 0xFF0000FFu);
  EXPECT_EQ(b.Pixel(0, 0), 0xFF00FF00u);
  EXPECT_EQ(b.Pixel(1, 0), 0xFF0000FFu);
  // RLE4: 4 pixels alternating 1, 2.
  auto rle4 = Bmp(4, 1, 4, 2, {0x000000, 0x0000FF, 0x00FF00}, {4, 0x12, 0, 1});
  b = DecodeBmp(rle4.data(), rle4.size());
  EXPECT_EQ(b.Pixel(2, 0), 0xFF0000FFu);
  EXPECT_EQ(b.Pixel(3, 0), 0xFF00FF00u);
}

TEST(Bmp, DamagedFilesRaise) {
  auto rgb = Bmp(4, 4, 24, 0, {}, {0, 0, 0});
  EXPECT_EQ(ErrorOf([&] { DecodeBmp(rgb.data(), rgb.size()); }), "Bitmap: pixel data cut short");
  auto rle = Bmp(4, 4, 8, 1, {0}, {0, 2, 5});
  EXPECT_EQ(ErrorOf([&] { DecodeBmp(rle.data(), rle.size()); }), "Bitmap: RLE data cut short");
  auto huge = Bmp(100000, 100000, 24, 0, {}, {});
  EXPECT_EQ(ErrorOf([&] { DecodeBmp(huge.data(), huge.size()); }), "Bitmap: picture too large");
  for (size_t cut = 0; cut < rgb.size(); ++cut) EXPECT_NE(ErrorOf([&] { DecodeBmp(rgb.data(), cut); }), "");
}

TEST(Png, RoundTripAndLoaderByExtension) {
  const Bitmap32 src = Pattern(6, 4);
  const std::string png = TempPath("a.PNG");
  SavePng(src, png);
  EXPECT_EQ(LoadPicture(png), src);
  const std::string bmp = TempPath("a.bmp");
  SaveBmp(src, bmp);
  EXPECT_EQ(LoadPicture(bmp), src);
  EXPECT_NE(ErrorOf([&] { LoadPicture(TempPath("a.tiff")); }).find("Unsupported picture format"), std::string::npos);
  EXPECT_NE(ErrorOf([&] { LoadPicture(TempPath("missing.png")); }), "");
  const std::vector<uint8_t> bad = {0x89, 'P', 'N', 'G'};
  EXPECT_EQ(ErrorOf([&] { DecodePng(bad.data(), bad.size()); }).rfind("PNG: ", 0), 0u);
}

TEST(Gif, FirstFrameWithTransparency) {
  // 2 x 1 GIF, global palette {red, blue}, background index 1, pixel 0
  // transparent: both pixels end up blue.
  const std::vector<uint8_t> gif = {
      'G', 'I', 'F', '8', '9', 'a', 2, 0, 1, 0, 0x80, 1, 0,  // screen, 2-colour table, bg 1
      0xFF, 0, 0, 0, 0, 0xFF,                               // palette
      0x21, 0xF9, 4, 1, 0, 0, 0, 0,                         // graphic control: transparent index 0
      0x2C, 0, 0, 0, 0, 2, 0, 1, 0, 0,                      // image descriptor
      2, 2, 0x44, 0x0A, 0,                                  // LZW min 2, data: clear,0,1,end
      0x3B};
  Bitmap32 b = DecodeGif(gif.data(), gif.size());
  ASSERT_EQ(b.Width(), 2);
  EXPECT_EQ(b.Pixel(0, 0), 0xFF0000FFu);
  EXPECT_EQ(b.Pixel(1, 0), 0xFF0000FFu);
  EXPECT_EQ(ErrorOf([&] { DecodeGif(gif.data(), 10); }).rfind("GIF: ", 0), 0u);
}

}  // namespace
}  // namespace kv
