#include "image/jpeg_codec.h"

#include <turbojpeg.h>

#include <cstring>
#include <memory>

#include "base/error.h"
#include "image/jpeg_error.h"

namespace kv {
namespace {

struct TjDeleter {
  void operator()(void* handle) const { tjDestroy(handle); }
};
using TjHandle = std::unique_ptr<void, TjDeleter>;

// The message number for the handle's last error. Errors of the wrapper
// itself (no decoder message) count as "not a JPEG file", which is what the
// decoder reports for data that does not start a JPEG stream.
[[noreturn]] void ThrowJpegError(void* handle) {
  int32_t code = JpegMessageCode(tjGetErrorStr2(handle));
  if (code < 0) code = JpegMessageCode("Not a JPEG file: starts with 0x00 0x00");
  throw Error(JpegErrorText(code));
}

TjHandle NewDecoder() {
  TjHandle handle(tjInitDecompress());
  if (!handle) throw Error("JPEG decoder could not start");
  return handle;
}

// An empty stream reads as an end-of-image marker, as the decoder's own
// source manager supplies one when the data runs out.
const unsigned char* StreamData(const uint8_t* data, size_t& size) {
  static const unsigned char kEmpty[] = {0xFF, 0xD9};
  if (size == 0 || data == nullptr) {
    size = sizeof(kEmpty);
    return kEmpty;
  }
  return data;
}

JpegSize Header(void* handle, const unsigned char* data, size_t size) {
  int width = 0;
  int height = 0;
  int subsampling = 0;
  int colorspace = 0;
  if (tjDecompressHeader3(handle, data, static_cast<unsigned long>(size), &width, &height, &subsampling,
                          &colorspace) != 0) {
    ThrowJpegError(handle);
  }
  return {width, height};
}

}  // namespace

JpegSize ReadJpegSize(const uint8_t* data, size_t size) {
  TjHandle handle = NewDecoder();
  const unsigned char* stream = StreamData(data, size);
  return Header(handle.get(), stream, size);
}

void DecodeJpeg(const uint8_t* data, size_t size, Bitmap32& out) {
  TjHandle handle = NewDecoder();
  const unsigned char* stream = StreamData(data, size);
  JpegSize picture = Header(handle.get(), stream, size);
  if (static_cast<int64_t>(picture.width) * picture.height > kMaxPicturePixels) {
    throw Error("JPEG picture too large: " + std::to_string(picture.width) + " x " +
                std::to_string(picture.height));
  }
  out.SetSize(picture.width, picture.height, 0xFF000000u);
  if (out.Empty()) return;
  int rc = tjDecompress2(handle.get(), stream, static_cast<unsigned long>(size),
                         reinterpret_cast<unsigned char*>(out.Bits()), picture.width,
                         out.Stride() * 4, picture.height, TJPF_BGRA, 0);
  // Warnings (a stream cut short, stray bytes) leave a usable picture.
  if (rc != 0 && tjGetErrorCode(handle.get()) != TJERR_WARNING) ThrowJpegError(handle.get());
}

std::vector<uint8_t> EncodeJpeg(const Bitmap32& picture, int quality) {
  if (picture.Empty()) throw Error("JPEG encoder: empty picture");
  std::unique_ptr<void, TjDeleter> handle(tjInitCompress());
  if (!handle) throw Error("JPEG encoder could not start");
  unsigned char* jpeg = nullptr;
  unsigned long jpegSize = 0;
  int rc = tjCompress2(handle.get(), reinterpret_cast<const unsigned char*>(picture.Bits()), picture.Width(),
                       picture.Stride() * 4, picture.Height(), TJPF_BGRX, &jpeg, &jpegSize, TJSAMP_420,
                       quality < 1 ? 1 : (quality > 100 ? 100 : quality), 0);
  if (rc != 0) {
    std::string message = std::string("JPEG encoder: ") + tjGetErrorStr2(handle.get());
    tjFree(jpeg);
    throw Error(message);
  }
  std::vector<uint8_t> result(jpeg, jpeg + jpegSize);
  tjFree(jpeg);
  return result;
}

}  // namespace kv
