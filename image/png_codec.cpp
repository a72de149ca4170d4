#include "image/png_codec.h"

#include <png.h>

#include <cstring>

#include "base/error.h"
#include "image/jpeg_codec.h"

namespace kv {

Bitmap32 DecodePng(const uint8_t* data, size_t size) {
  png_image image;
  std::memset(&image, 0, sizeof(image));
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, data, size)) {
    throw Error(std::string("PNG: ") + image.message);
  }
  if (static_cast<int64_t>(image.width) * image.height > kMaxPicturePixels || image.width > 0x7FFFFFFF ||
      image.height > 0x7FFFFFFF) {
    png_image_free(&image);
    throw Error("PNG: picture too large");
  }
  image.format = PNG_FORMAT_BGRA;  // bytes B G R A = 0xAARRGGBB
  Bitmap32 out(static_cast<int32_t>(image.width), static_cast<int32_t>(image.height));
  if (!png_image_finish_read(&image, nullptr, out.Bits(), out.Stride() * 4, nullptr)) {
    std::string message = std::string("PNG: ") + image.message;
    png_image_free(&image);
    throw Error(message);
  }
  return out;
}

namespace {

std::vector<uint8_t> RgbBytes(const Bitmap32& picture) {
  std::vector<uint8_t> rgb(static_cast<size_t>(picture.Width()) * picture.Height() * 3);
  uint8_t* dst = rgb.data();
  for (int32_t y = 0; y < picture.Height(); ++y) {
    const uint32_t* row = picture.Row(y);
    for (int32_t x = 0; x < picture.Width(); ++x) {
      *dst++ = static_cast<uint8_t>(row[x] >> 16);
      *dst++ = static_cast<uint8_t>(row[x] >> 8);
      *dst++ = static_cast<uint8_t>(row[x]);
    }
  }
  return rgb;
}

png_image WriteImage(const Bitmap32& picture) {
  if (picture.Empty()) throw Error("PNG: empty picture");
  png_image image;
  std::memset(&image, 0, sizeof(image));
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(picture.Width());
  image.height = static_cast<png_uint_32>(picture.Height());
  image.format = PNG_FORMAT_RGB;
  return image;
}

}  // namespace

std::vector<uint8_t> EncodePng(const Bitmap32& picture) {
  png_image image = WriteImage(picture);
  const std::vector<uint8_t> rgb = RgbBytes(picture);
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, rgb.data(), 0, nullptr)) {
    throw Error(std::string("PNG: ") + image.message);
  }
  std::vector<uint8_t> out(size);
  if (!png_image_write_to_memory(&image, out.data(), &size, 0, rgb.data(), 0, nullptr)) {
    throw Error(std::string("PNG: ") + image.message);
  }
  out.resize(size);
  return out;
}

void SavePng(const Bitmap32& picture, const std::string& path) {
  png_image image = WriteImage(picture);
  const std::vector<uint8_t> rgb = RgbBytes(picture);
  if (!png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr)) {
    throw Error("Cannot write file \"" + path + "\": " + image.message);
  }
}

}  // namespace kv
